// ProjectNodeReader: the nested scene's root takes the project node's properties.
#include "editor-support/cocostudio/WidgetReader/ProjectNodeReader.h"

#include "2d/CCNode.h"
#include "editor-support/cocostudio/CsbFileReader.h"
#include "editor-support/cocostudio/CsbValues.h"
#include "editor-support/cocostudio/WidgetReader/NodeReader.h"

using namespace cocos2d;

namespace cocostudio {

// The nested scene's timeline is not played, so the values of its first
// frame are not applied to the nested nodes.
Node* ProjectNodeReader::createNodeWithFlatBuffers(const flatbuffers::Table* table, CsbFileReader& reader) {
    auto* options = reinterpret_cast<const flatbuffers::ProjectNodeOptions*>(table);
    const flatbuffers::WidgetOptions* nodeOptions = options->nodeOptions();
    if (nodeOptions == nullptr) return nullptr;
    Node* root = reader.readNestedFile(csb::str(options->fileName()));
    // Default scale, rotation, anchor, z and visibility leave the nested
    // root's own values; position, size, colour, name and tag always apply.
    NodeReader::setPropsWithFlatBuffers(root, nodeOptions);
    return root;
}

} // namespace cocostudio
