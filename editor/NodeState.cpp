// Capturing, comparing and putting back the common node values of an editor object.
#include "editor/NodeState.h"

#include "2d/CCNode.h"

#include <cmath>

bool SameNumber(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

namespace {
bool samePoint(const cocos2d::Vec2& a, const cocos2d::Vec2& b) {
    return SameNumber(a.x, b.x) && SameNumber(a.y, b.y);
}
}

void NodeState::capture(const cocos2d::Node& node) {
    tag = node.getTag();
    name = node.getName();
    position = node.getPosition();
    rotationX = node.getRotationSkewX();
    rotationY = node.getRotationSkewY();
    size = node.getContentSize();
    anchor = node.getAnchorPoint();
}

void NodeState::restore(cocos2d::Node& node) const {
    NodeState now;
    now.capture(node);
    if (now.tag != tag) node.setTag(tag);
    if (now.name != name) node.setName(name);
    if (!samePoint(now.position, position)) node.setPosition(position);
    if (!SameNumber(now.rotationX, rotationX)) node.setRotationSkewX(rotationX);
    if (!SameNumber(now.rotationY, rotationY)) node.setRotationSkewY(rotationY);
    if (!SameNumber(now.size.width, size.width) || !SameNumber(now.size.height, size.height)) node.setContentSize(size);
    if (!samePoint(now.anchor, anchor)) node.setAnchorPoint(anchor);
}

bool NodeState::sameAs(const ObjectState& other) const {
    const auto* o = dynamic_cast<const NodeState*>(&other);
    return o && o->tag == tag && o->name == name && samePoint(o->position, position) &&
           SameNumber(o->rotationX, rotationX) && SameNumber(o->rotationY, rotationY) &&
           SameNumber(o->size.width, size.width) && SameNumber(o->size.height, size.height) &&
           samePoint(o->anchor, anchor);
}
