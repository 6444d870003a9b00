// The common node values of an editor object as one snapshot: what the "Node" rows and a drag can change.
#pragma once

#include "editor/ObjectState.h"

#include "math/CCGeometry.h"
#include "math/Vec2.h"

#include <string>

namespace cocos2d {
class Node;
}

// Equal also when both hold the same NaN, so that a damaged value does not
// count as a change on every comparison.
bool SameNumber(double a, double b);

struct NodeState : ObjectState {
    int tag = 0;
    std::string name;
    cocos2d::Vec2 position;
    float rotationX = 0, rotationY = 0;
    cocos2d::Size size;
    cocos2d::Vec2 anchor;

    void capture(const cocos2d::Node& node);
    // Sets only what differs, so that an untouched value costs nothing.
    void restore(cocos2d::Node& node) const;
    bool sameAs(const ObjectState& other) const override;
};
