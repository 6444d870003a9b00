// The particle object's life: construction, creation from templates and plists, texture changes, the written plist.
#include "particle/ParticleSystem2DEditor.h"

#include "editor/FilePathBytes.h"
#include "particle/ImageFormatProbe.h"
#include "particle/ParticleGridValue.h"
#include "particle/ParticlePlistWriter.h"
#include "particle/ParticlePropertyRows.h"
#include "particle/ParticleState.h"
#include "particle/ParticleTemplate.h"
#include "particle/SpawnArea.h"

#include "base/CCDirector.h"
#include "platform/CCFileUtils.h"
#include "renderer/CCTextureCache.h"

#include <wx/msgdlg.h>
#include <wx/propgrid/manager.h>
#include <wx/translation.h>

using namespace cocos2d;

namespace {

// The engine effect of a template number; null for the Flower (the object's
// own initialisation) and for numbers outside the list.
ParticleSystem* createEffect(int number) {
    switch (static_cast<ParticleTemplate>(number)) {
    case ParticleTemplate::Fire:
        return ParticleFire::create();
    case ParticleTemplate::Fireworks:
        return ParticleFireworks::create();
    case ParticleTemplate::Explosion:
        return ParticleExplosion::create();
    case ParticleTemplate::Galaxy:
        return ParticleGalaxy::create();
    case ParticleTemplate::Meteor:
        return ParticleMeteor::create();
    case ParticleTemplate::Rain:
        return ParticleRain::create();
    case ParticleTemplate::Smoke:
        return ParticleSmoke::create();
    case ParticleTemplate::Snow:
        return ParticleSnow::create();
    case ParticleTemplate::Spiral:
        return ParticleSpiral::create();
    case ParticleTemplate::Sun:
        return ParticleSun::create();
    case ParticleTemplate::Flower:
        break;
    }
    return nullptr;
}

// The parameters of an effect, in the order the engine's setters expect
// (the total first: setting it resets the system and derives the rate).
void copyParameters(ParticleSystem& to, ParticleSystem& from) {
    to.setTotalParticles(from.getTotalParticles());
    to.setAngle(from.getAngle());
    to.setAngleVar(from.getAngleVar());
    to.setDuration(from.getDuration());
    to.setBlendFunc(from.getBlendFunc());
    to.setStartColor(from.getStartColor());
    to.setStartColorVar(from.getStartColorVar());
    to.setEndColor(from.getEndColor());
    to.setEndColorVar(from.getEndColorVar());
    to.setStartSize(from.getStartSize());
    to.setStartSizeVar(from.getStartSizeVar());
    to.setEndSize(from.getEndSize());
    to.setEndSizeVar(from.getEndSizeVar());
    to.setSourcePosition(from.getSourcePosition());
    to.setPosVar(from.getPosVar());
    to.setStartSpin(from.getStartSpin());
    to.setStartSpinVar(from.getStartSpinVar());
    to.setEndSpin(from.getEndSpin());
    to.setEndSpinVar(from.getEndSpinVar());
    to.setEmitterMode(from.getEmitterMode());
    if (from.getEmitterMode() == ParticleSystem::Mode::GRAVITY) {
        to.setGravity(from.getGravity());
        to.setSpeed(from.getSpeed());
        to.setSpeedVar(from.getSpeedVar());
        to.setRadialAccel(from.getRadialAccel());
        to.setRadialAccelVar(from.getRadialAccelVar());
        to.setTangentialAccel(from.getTangentialAccel());
        to.setTangentialAccelVar(from.getTangentialAccelVar());
        to.setRotationIsDir(from.getRotationIsDir());
    } else {
        to.setStartRadius(from.getStartRadius());
        to.setStartRadiusVar(from.getStartRadiusVar());
        to.setEndRadius(from.getEndRadius());
        to.setEndRadiusVar(from.getEndRadiusVar());
        to.setRotatePerSecond(from.getRotatePerSecond());
        to.setRotatePerSecondVar(from.getRotatePerSecondVar());
    }
    to.setLife(from.getLife());
    to.setLifeVar(from.getLifeVar());
    to.setEmissionRate(from.getEmissionRate());
    to.setTexture(from.getTexture());
    // The effect's own order of blend and texture decided this flag (the Sun
    // differs from the others); the copy order above cannot reproduce it.
    to.setOpacityModifyRGB(from.isOpacityModifyRGB());
}

const Value& valueOf(const ValueMap& map, const char* key) {
    static const Value none;
    auto it = map.find(key);
    return it == map.end() ? none : it->second;
}

}

// ---- life ----

ParticleSystem2DEditor::ParticleSystem2DEditor() : textureName(wxS("particle-fire.png")) {}

ParticleSystem2DEditor::~ParticleSystem2DEditor() = default;

ParticleSystem2DEditor* ParticleSystem2DEditor::createFromTemplate(int number) {
    auto* object = new ParticleSystem2DEditor();
    if (!object->init()) {
        delete object;
        return nullptr;
    }
    if (ParticleSystem* effect = createEffect(number)) copyParameters(*object, *effect);
    object->autorelease();
    return object;
}

ParticleSystem2DEditor* ParticleSystem2DEditor::createFromFile(const std::string& path) {
    auto* object = new ParticleSystem2DEditor();
    if (!object->loadFromFile(path)) {
        delete object;
        return nullptr;
    }
    object->filePath = PathText(path);
    object->markSaved();
    object->autorelease();
    return object;
}

bool ParticleSystem2DEditor::loadFromFile(const std::string& path) {
    FileUtils* files = FileUtils::getInstance();
    const ValueMap map = files->getValueMapFromFile(files->fullPathForFilename(path));
    textureName = wxString::FromUTF8(valueOf(map, "textureFileName").asString());
    const Value& embedded = valueOf(map, "textureImageData");
    m_embeddedTexture = embedded.getType() == Value::Type::STRING ? embedded.asString() : std::string();
    // The file's source position goes to the emitter's source position (the
    // "发射源位置" row), not to the node, which its creator places: otherwise
    // the value would be lost, and saving would write 0 in its place.
    setSourcePositionCompatible(false);
    return initWithFile(path);
}

void ParticleSystem2DEditor::draw(Renderer* renderer, const Mat4& transform, uint32_t flags) {
    ParticleSystemQuad::draw(renderer, transform, flags);
    queueSelectionFrame(renderer, transform, flags);
}

void ParticleSystem2DEditor::drawSelection(const Mat4& transform, uint32_t flags) {
    EditorNode::drawSelection(transform, flags);
    if (!isSelected() || !SpawnAreasShown()) return;
    const SpawnArea area = SpawnAreaOf(*this);
    drawMark(transform, [&area] { DrawSpawnArea(area); });
}

void ParticleSystem2DEditor::restartFromNothing() {
    resetSystem();
    _particleCount = 0;
    _emitCounter = 0;
}

// ---- page and edits ----

void ParticleSystem2DEditor::createProperties() {
    EditorNode::createProperties();
    particlePageRows().createProperties(*this, *this);
}

void ParticleSystem2DEditor::addGravityModeProperties(wxPGProperty* parent) {
    gravityModeRows().createProperties(*this, *this, parent);
}

void ParticleSystem2DEditor::addRadiusModeProperties(wxPGProperty* parent) {
    radiusModeRows().createProperties(*this, *this, parent);
}

void ParticleSystem2DEditor::applyProperty(wxPGProperty* property, const wxString& name, const wxAny& value) {
    EditorNode::applyProperty(property, name, value);
    particlePageRows().applyProperty(*this, property, name, value) ||
        gravityModeRows().applyProperty(*this, property, name, value) ||
        radiusModeRows().applyProperty(*this, property, name, value);
}

wxAny ParticleSystem2DEditor::parameterValue(const ParticleParameter& row) {
    if (row.kind == ParticleValueKind::File) return textureName;
    if (!row.get) return wxAny();
    return ParticleGridValue::toAny(row, row.get(*this));
}

void ParticleSystem2DEditor::applyParameter(const ParticleParameter& row, const wxAny& value, wxPGProperty* property) {
    if (row.kind == ParticleValueKind::File) {
        // The row shows the name the file will carry: the bare name of a
        // loaded image, or the name in force again after a rejected file.
        changeTexture(value.As<wxString>());
        if (property) property->SetValue(wxVariant(textureName));
        return;
    }
    if (!row.set) return;
    const ParticleValue edited = ParticleGridValue::fromAny(row, value);
    if (row.choices == ParticleChoices::EmitterModes) {
        const int mode = static_cast<int>(edited.number);
        if (mode == static_cast<int>(getEmitterMode())) return;
        row.set(*this, edited);
        if (!property) return;
        property->DeleteChildren();
        if (getEmitterMode() == Mode::GRAVITY)
            addGravityModeProperties(property);
        else
            addRadiusModeProperties(property);
        return;
    }
    row.set(*this, edited);
    if (!row.linked || !propertyPage) return;
    const ParticleParameter* linked = findParticleParameter(row.linked);
    wxPGProperty* shown = propertyPage->GetPropertyByName(wxString::FromUTF8(row.linked));
    if (linked && shown)
        shown->SetValue(ParticleGridValue::toVariant(*linked, linked->get(*this)), nullptr, wxPG_SETVAL_REFRESH_EDITOR);
}

// ---- snapshots ----

namespace {
// Rows whose value the snapshot keeps: an alpha travels with its colour, and
// the group of the mode not in force is not the system's current state.
bool kept(const ParticleParameter& row, ParticleSystem::Mode mode) {
    if (!row.get || !row.set || row.kind == ParticleValueKind::Alpha) return false;
    if (row.group == EmitterGroup::Gravity) return mode == ParticleSystem::Mode::GRAVITY;
    if (row.group == EmitterGroup::Radius) return mode == ParticleSystem::Mode::RADIUS;
    return true;
}
}

std::unique_ptr<ObjectState> ParticleSystem2DEditor::captureState() {
    auto state = std::make_unique<ParticleState>();
    state->capture(*this);
    for (const ParticleParameter& row : particleParameters())
        if (kept(row, getEmitterMode())) state->values.emplace_back(&row, row.get(*this));
    state->setTexture(getTexture());
    state->textureName = textureName;
    state->embeddedTexture = m_embeddedTexture;
    state->blend = getBlendFunc();
    state->opacityModifyRGB = isOpacityModifyRGB();
    return state;
}

void ParticleSystem2DEditor::restoreState(const ObjectState& state) {
    const auto* values = dynamic_cast<const ParticleState*>(&state);
    if (!values) return;
    values->restore(*this);
    // The texture first: taking it may choose a blend of its own.
    if (getTexture() != values->texture) setTexture(values->texture);
    textureName = values->textureName;
    m_embeddedTexture = values->embeddedTexture;
    // The mode comes before its group in page order. Count, life and rate
    // move one another through their rows' setters, so they are put back
    // with the engine's own setters instead, the count first (it derives the
    // rate) and the rate last.
    const ParticleValue* total = nullptr;
    const ParticleValue* life = nullptr;
    const ParticleValue* rate = nullptr;
    for (const auto& [row, value] : values->values) {
        if (row->linked) {
            const std::string name = row->name;
            (name == "maxParticles" ? total : name == "particleLifespan" ? life : rate) = &value;
            continue;
        }
        if (!SameParticleValue(row->get(*this), value)) row->set(*this, value);
    }
    if (total && getTotalParticles() != static_cast<int>(total->number))
        setTotalParticles(static_cast<int>(total->number));
    if (life && !SameNumber(getLife(), static_cast<float>(life->number))) setLife(static_cast<float>(life->number));
    if (rate && !SameNumber(getEmissionRate(), static_cast<float>(rate->number)))
        setEmissionRate(static_cast<float>(rate->number));
    const BlendFunc blend = getBlendFunc();
    if (blend.src != values->blend.src || blend.dst != values->blend.dst) setBlendFunc(values->blend);
    if (isOpacityModifyRGB() != values->opacityModifyRGB) setOpacityModifyRGB(values->opacityModifyRGB);
}

// ---- texture ----

bool ParticleSystem2DEditor::changeTexture(const wxString& path) {
    wxString candidate = path;
    candidate.Replace(wxS("\\"), wxS("/"));
    const std::string file = PathBytes(candidate);
    Texture2D* texture = nullptr;
    if (ImageFormatProbe::isSupportedImage(file)) texture = Director::getInstance()->getTextureCache()->addImage(file);
    if (!texture) {
        wxMessageBox(wxGetTranslation(wxString::FromUTF8("不支持的图片格式！")),
                     wxGetTranslation(wxString::FromUTF8("提示")), wxOK | wxCENTRE);
        return false;
    }
    textureName = candidate.AfterLast('/');
    m_embeddedTexture.clear();
    setTexture(texture);
    return true;
}

// ---- plist ----

void ParticleSystem2DEditor::writeXml(wxXmlNode* dict) {
    ParticlePlistExtras extras;
    extras.textureName = textureName;
    extras.textureImageData = m_embeddedTexture;
    extras.yCoordFlipped = _yCoordFlipped;
    ParticlePlistWriter::write(*this, extras, dict);
}
