// Moves selected objects on screen without moving them in the document: preview paths and the Alt-drag by hand.
#pragma once

#include "editor/ObjectRef.h"

#include "math/Vec2.h"

#include <vector>

class EditorObject;

// The displayed place of an object is its position plus an offset carried
// by the node's additional transform, as if a parent carried it: the
// position itself (the grid's "位置", a saved file, the history) stays the
// user's. Particles emitted in free mode stay where they were emitted;
// relative and grouped ones go along with the carried emitter.
class EmitterMotion {
public:
    enum class Path { Still, BackAndForth, Circle, FigureEight };
    static constexpr float kWidth = 200;        // design points, across the path
    static constexpr float kLoopSeconds = 2.0f; // one loop at normal speed

    static EmitterMotion& instance();

    // The path of the selected particle objects; Still puts them back exactly.
    void setPath(Path path);
    Path path() const { return m_path; }
    // Offset from the user's position after `seconds` on a path, in the
    // parent's space.
    static cocos2d::Vec2 offsetAt(Path path, float seconds);

    // One engine frame of dt (scaled and paused with the preview): the path
    // goes on and every carried node is placed.
    void advance(float dt, const std::vector<EditorObject*>& selection);
    // The path starts again from its beginning (a replay).
    void restart() { m_seconds = 0; }

    // Alt-drag: the selection is carried by delta (scene units) for as long
    // as the button is held; letting go puts it back. No step of the history.
    void carryByHand(const cocos2d::Vec2& delta, const std::vector<EditorObject*>& selection);
    void letGo();
    bool carriedByHand() const { return m_byHand; }

    // Every node back in its place and let go of (before the engine ends).
    void clear();

private:
    EmitterMotion() = default;
    void place(cocos2d::Node* node, const cocos2d::Vec2& offset);
    void keep(cocos2d::Node* node);

    Path m_path = Path::Still;
    float m_seconds = 0;
    bool m_byHand = false;
    cocos2d::Vec2 m_hand;
    std::vector<ObjectRef> m_carried; // nodes that have an offset now
};
