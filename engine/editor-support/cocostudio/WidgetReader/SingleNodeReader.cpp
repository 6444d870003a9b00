// SingleNodeReader: a plain node with the node properties of the options' first field.
#include "editor-support/cocostudio/WidgetReader/SingleNodeReader.h"

#include "2d/CCNode.h"
#include "editor-support/cocostudio/CSParseBinary_generated.h"
#include "editor-support/cocostudio/WidgetReader/NodeReader.h"

using namespace cocos2d;

namespace cocostudio {

Node* SingleNodeReader::createNodeWithFlatBuffers(const flatbuffers::Table* options) {
    auto* single = reinterpret_cast<const flatbuffers::SingleNodeOptions*>(options);
    if (single->nodeOptions() == nullptr) return nullptr;
    Node* node = Node::create();
    NodeReader::setPropsWithFlatBuffers(node, single->nodeOptions());
    return node;
}

} // namespace cocostudio
