// The particle plist dictionary: the written rows of the parameter table in file order.
#include "particle/ParticlePlistWriter.h"

#include "particle/ParticleParameter.h"
#include "particle/PlistNumber.h"

#include "2d/CCParticleSystem.h"

#include <wx/xml/xml.h>

namespace {

void addElement(wxXmlNode* dict, const wxString& element, const wxString& text) {
    auto* node = new wxXmlNode(wxXML_ELEMENT_NODE, element);
    // An empty text node keeps "<string></string>" rather than "<string/>".
    node->AddChild(new wxXmlNode(wxXML_TEXT_NODE, wxString(), text));
    dict->AddChild(node);
}

void addPair(wxXmlNode* dict, const std::string& key, const char* element, const std::string& text) {
    addElement(dict, wxS("key"), wxString::FromUTF8(key));
    addElement(dict, wxString::FromUTF8(element), wxString::FromUTF8(text));
}

const char* elementName(PlistElement element) {
    switch (element) {
    case PlistElement::Real:
        return "real";
    case PlistElement::Integer:
        return "integer";
    case PlistElement::String:
        return "string";
    case PlistElement::None:
        break;
    }
    return "";
}

bool inForce(const ParticleParameter& row, cocos2d::ParticleSystem::Mode mode) {
    switch (row.group) {
    case EmitterGroup::Gravity:
        return mode == cocos2d::ParticleSystem::Mode::GRAVITY;
    case EmitterGroup::Radius:
        return mode != cocos2d::ParticleSystem::Mode::GRAVITY;
    case EmitterGroup::None:
        break;
    }
    return true;
}

}

void ParticlePlistWriter::write(cocos2d::ParticleSystem& system, const ParticlePlistExtras& extras, wxXmlNode* dict) {
    if (!dict) return;
    const cocos2d::ParticleSystem::Mode mode = system.getEmitterMode();
    for (const ParticleParameter* row : particleParametersInFileOrder()) {
        if (!inForce(*row, mode)) continue;
        const std::string key = row->plistKey;
        const char* element = elementName(row->element);
        if (row->kind == ParticleValueKind::File) {
            addElement(dict, wxS("key"), wxString::FromUTF8(key));
            addElement(dict, wxString::FromUTF8(element), extras.textureName);
            if (!extras.textureImageData.empty()) addPair(dict, "textureImageData", "string", extras.textureImageData);
            continue;
        }
        const ParticleValue value = row->get(system);
        switch (row->kind) {
        case ParticleValueKind::Colour:
            addPair(dict, key + "Red", element, plistReal(value.colour.r));
            addPair(dict, key + "Green", element, plistReal(value.colour.g));
            addPair(dict, key + "Blue", element, plistReal(value.colour.b));
            addPair(dict, key + "Alpha", element, plistReal(value.colour.a));
            break;
        case ParticleValueKind::Point:
            addPair(dict, key + "x", element, plistReal(value.point.x));
            addPair(dict, key + "y", element, plistReal(value.point.y));
            break;
        case ParticleValueKind::Float:
            addPair(dict, key, element, plistReal(value.number));
            break;
        default:
            addPair(dict, key, element, plistInteger(static_cast<long long>(value.number)));
            break;
        }
    }
    if (extras.yCoordFlipped == -1) addPair(dict, "yCoordFlipped", "integer", plistInteger(-1));
}
