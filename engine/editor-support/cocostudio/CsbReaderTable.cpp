// The class table of the scene loader: class name, the options table it is checked as, its reader.
#include "editor-support/cocostudio/CsbReaderTable.h"

#include <cstring>

#include "editor-support/cocostudio/CSParseBinary_generated.h"
#include "editor-support/cocostudio/CsbFileReader.h"
#include "editor-support/cocostudio/WidgetReader/ButtonReader.h"
#include "editor-support/cocostudio/WidgetReader/ImageViewReader.h"
#include "editor-support/cocostudio/WidgetReader/LayoutReader.h"
#include "editor-support/cocostudio/WidgetReader/NodeReader.h"
#include "editor-support/cocostudio/WidgetReader/ParticleReader.h"
#include "editor-support/cocostudio/WidgetReader/ProjectNodeReader.h"
#include "editor-support/cocostudio/WidgetReader/SingleNodeReader.h"
#include "editor-support/cocostudio/WidgetReader/SpriteReader.h"
#include "editor-support/cocostudio/WidgetReader/TextReader.h"
#include "editor-support/cocostudio/WidgetReader/WidgetReader.h"

NS_CC_BEGIN

namespace {

template <class T>
bool verifyAs(flatbuffers::Verifier& verifier, const flatbuffers::Table* options) {
    return reinterpret_cast<const T*>(options)->Verify(verifier);
}

Node* createNode(const flatbuffers::Table* options, CsbFileReader&) {
    return cocostudio::NodeReader::createNodeWithFlatBuffers(options);
}

Node* createSingleNode(const flatbuffers::Table* options, CsbFileReader&) {
    return cocostudio::SingleNodeReader::createNodeWithFlatBuffers(options);
}

// Classes whose options only begin with the node options, and that a
// background shows as a plain node: transform and children survive.
Node* createPlainNode(const flatbuffers::Table* options, CsbFileReader&) {
    return cocostudio::SingleNodeReader::createNodeWithFlatBuffers(options);
}

const CsbReaderEntry kReaders[] = {
    {"Node", verifyAs<flatbuffers::WidgetOptions>, createNode},
    {"SingleNode", verifyAs<flatbuffers::SingleNodeOptions>, createSingleNode},
    {"Sprite", verifyAs<flatbuffers::SpriteOptions>, cocostudio::SpriteReader::createNodeWithFlatBuffers},
    {"Particle", verifyAs<flatbuffers::ParticleSystemOptions>, cocostudio::ParticleReader::createNodeWithFlatBuffers},
    {"ProjectNode", verifyAs<flatbuffers::ProjectNodeOptions>,
     cocostudio::ProjectNodeReader::createNodeWithFlatBuffers},
    {"SimpleAudio", verifyAs<flatbuffers::SingleNodeOptions>, createPlainNode},
    {"GameMap", verifyAs<flatbuffers::SingleNodeOptions>, createPlainNode},
    {"Button", verifyAs<flatbuffers::ButtonOptions>, cocostudio::ButtonReader::createNodeWithFlatBuffers},
    {"ImageView", verifyAs<flatbuffers::ImageViewOptions>, cocostudio::ImageViewReader::createNodeWithFlatBuffers},
    {"Text", verifyAs<flatbuffers::TextOptions>, cocostudio::TextReader::createNodeWithFlatBuffers},
    {"Layout", verifyAs<flatbuffers::PanelOptions>, cocostudio::LayoutReader::createNodeWithFlatBuffers},
    // The scrolling containers share the panel's fields; they show as panels
    // with their children where the file puts them.
    {"ScrollView", verifyAs<flatbuffers::PanelOptions>, cocostudio::LayoutReader::createNodeWithFlatBuffers},
    {"PageView", verifyAs<flatbuffers::PanelOptions>, cocostudio::LayoutReader::createNodeWithFlatBuffers},
    {"ListView", verifyAs<flatbuffers::PanelOptions>, cocostudio::LayoutReader::createNodeWithFlatBuffers},
    {"CheckBox", verifyAs<flatbuffers::SingleNodeOptions>, cocostudio::WidgetReader::createNodeWithFlatBuffers},
    {"TextBMFont", verifyAs<flatbuffers::SingleNodeOptions>, cocostudio::WidgetReader::createNodeWithFlatBuffers},
    {"TextAtlas", verifyAs<flatbuffers::SingleNodeOptions>, cocostudio::WidgetReader::createNodeWithFlatBuffers},
    {"TextField", verifyAs<flatbuffers::SingleNodeOptions>, cocostudio::WidgetReader::createNodeWithFlatBuffers},
    {"LoadingBar", verifyAs<flatbuffers::SingleNodeOptions>, cocostudio::WidgetReader::createNodeWithFlatBuffers},
    {"Slider", verifyAs<flatbuffers::SingleNodeOptions>, cocostudio::WidgetReader::createNodeWithFlatBuffers},
};

// Older names the tool wrote for the same widgets.
const char* const kRenamed[][2] = {
    {"Panel", "Layout"}, {"TextArea", "Text"},        {"TextButton", "Button"},
    {"Label", "Text"},   {"LabelAtlas", "TextAtlas"}, {"LabelBMFont", "TextBMFont"},
};

} // namespace

std::string csbEffectiveClassName(const flatbuffers::NodeTree* tree) {
    std::string name = tree->classname() ? tree->classname()->str() : std::string();
    if (name == "ProjectNode") return name;
    if (tree->customClassName() && tree->customClassName()->size() > 0) name = tree->customClassName()->str();
    for (const auto& pair : kRenamed) {
        if (name == pair[0]) return pair[1];
    }
    return name;
}

const CsbReaderEntry* findCsbReader(const std::string& effectiveClassName) {
    for (const CsbReaderEntry& entry : kReaders) {
        if (effectiveClassName == entry.classname) return &entry;
    }
    return nullptr;
}

NS_CC_END
