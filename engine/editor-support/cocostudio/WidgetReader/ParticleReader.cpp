// ParticleReader: the plist through the search paths, blend before the node properties, grouped positions.
#include "editor-support/cocostudio/WidgetReader/ParticleReader.h"

#include "2d/CCParticleSystemQuad.h"
#include "editor-support/cocostudio/CsbValues.h"
#include "editor-support/cocostudio/WidgetReader/NodeReader.h"
#include "platform/CCFileUtils.h"

using namespace cocos2d;

namespace cocostudio {

Node* ParticleReader::createNodeWithFlatBuffers(const flatbuffers::Table* table, CsbFileReader&) {
    auto* options = reinterpret_cast<const flatbuffers::ParticleSystemOptions*>(table);
    const flatbuffers::WidgetOptions* nodeOptions = options->nodeOptions();
    if (nodeOptions == nullptr) return nullptr;

    const flatbuffers::ResourceData* file = options->fileNameData();
    const std::string path = file ? csb::str(file->path()) : "";
    if (file == nullptr || file->resourceType() != 0 || path.empty() || !FileUtils::getInstance()->isFileExist(path)) {
        if (!path.empty()) log("CSLoader: particle file %s not found", path.c_str());
        Node* node = Node::create();
        NodeReader::setPropsWithFlatBuffers(node, nodeOptions);
        return node;
    }

    // A plist that exists but does not load drops the node with its
    // children, as the engine does.
    ParticleSystemQuad* particles = ParticleSystemQuad::create(path);
    if (particles == nullptr) {
        log("CSLoader: particle file %s could not be loaded", path.c_str());
        return nullptr;
    }
    BlendFunc blend;
    if (csb::blendFunc(options->blendFunc(), blend)) particles->setBlendFunc(blend);
    NodeReader::setPropsWithFlatBuffers(particles, nodeOptions);
    particles->setPositionType(ParticleSystem::PositionType::GROUPED);
    return particles;
}

} // namespace cocostudio
