// NodeReader: name, transform, size, colour, opacity and tag of any node.
#include "editor-support/cocostudio/WidgetReader/NodeReader.h"

#include "2d/CCNode.h"
#include "editor-support/cocostudio/CsbValues.h"

using namespace cocos2d;

namespace cocostudio {

void NodeReader::setPropsWithFlatBuffers(Node* node, const flatbuffers::WidgetOptions* options) {
    if (node == nullptr || options == nullptr) return;
    node->setName(csb::str(options->name()));

    const flatbuffers::Position* position = options->position();
    node->setPosition(position ? csb::finite(position->x(), 0.0f, csb::kMaxCoordinate) : 0.0f,
                      position ? csb::finite(position->y(), 0.0f, csb::kMaxCoordinate) : 0.0f);

    if (const flatbuffers::Scale* scale = options->scale()) {
        const float sx = csb::finite(scale->scaleX(), 1.0f, csb::kMaxScale);
        const float sy = csb::finite(scale->scaleY(), 1.0f, csb::kMaxScale);
        if (sx != 1.0f) node->setScaleX(sx);
        if (sy != 1.0f) node->setScaleY(sy);
    }
    if (const flatbuffers::RotationSkew* rotation = options->rotationSkew()) {
        const float rx = csb::finite(rotation->rotationSkewX(), 0.0f, csb::kMaxCoordinate);
        const float ry = csb::finite(rotation->rotationSkewY(), 0.0f, csb::kMaxCoordinate);
        if (rx != 0.0f) node->setRotationSkewX(rx);
        if (ry != 0.0f) node->setRotationSkewY(ry);
    }
    if (const flatbuffers::AnchorPoint* anchor = options->anchorPoint()) {
        const float ax = csb::finite(anchor->scaleX(), 0.5f, csb::kMaxScale);
        const float ay = csb::finite(anchor->scaleY(), 0.5f, csb::kMaxScale);
        if (ax != 0.5f || ay != 0.5f) node->setAnchorPoint(Vec2(ax, ay));
    }
    if (options->zOrder() != 0) node->setLocalZOrder(options->zOrder());
    if (!options->visible()) node->setVisible(false);

    node->setContentSize(csb::size(options->size()));
    if (options->alpha() != 255) node->setOpacity(options->alpha());
    node->setColor(csb::rgb(options->color()));
    node->setTag(options->tag());
    node->setCascadeColorEnabled(true);
    node->setCascadeOpacityEnabled(true);
}

Node* NodeReader::createNodeWithFlatBuffers(const flatbuffers::Table* options) {
    Node* node = Node::create();
    setPropsWithFlatBuffers(node, reinterpret_cast<const flatbuffers::WidgetOptions*>(options));
    return node;
}

} // namespace cocostudio
