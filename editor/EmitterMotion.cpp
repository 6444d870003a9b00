// The preview's carried offsets: paths over time, the hand's drag, and placing them through the additional transform.
#include "editor/EmitterMotion.h"

#include "editor/EditorObject.h"

#include "2d/CCParticleSystem.h"

#include <algorithm>
#include <cmath>

USING_NS_CC;

EmitterMotion& EmitterMotion::instance() {
    static EmitterMotion motion;
    return motion;
}

void EmitterMotion::setPath(Path path) {
    m_path = path;
    m_seconds = 0;
}

Vec2 EmitterMotion::offsetAt(Path path, float seconds) {
    const float half = kWidth / 2;
    const float turn = 2 * static_cast<float>(M_PI) * std::fmod(seconds, kLoopSeconds) / kLoopSeconds;
    switch (path) {
    case Path::BackAndForth:
        return Vec2(half * std::sin(turn), 0);
    case Path::Circle:
        return Vec2(half * std::cos(turn), half * std::sin(turn));
    case Path::FigureEight:
        return Vec2(half * std::sin(turn), half / 2 * std::sin(2 * turn));
    case Path::Still:
        break;
    }
    return Vec2::ZERO;
}

void EmitterMotion::advance(float dt, const std::vector<EditorObject*>& selection) {
    if (m_path != Path::Still) m_seconds += dt;
    const Vec2 onPath = offsetAt(m_path, m_seconds);
    std::vector<ObjectRef> before;
    before.swap(m_carried);
    const auto wasCarried = [&before](const Node* node) {
        return std::any_of(before.begin(), before.end(), [node](const ObjectRef& r) { return r.node() == node; });
    };
    for (EditorObject* object : selection) {
        auto* node = dynamic_cast<Node*>(object);
        if (!node) continue;
        // The paths are for effects; the hand carries whatever it holds.
        const Vec2 offset =
            (dynamic_cast<ParticleSystem*>(node) ? onPath : Vec2::ZERO) + (m_byHand ? m_hand : Vec2::ZERO);
        // A node at rest in its place is left alone: its transform stays clean.
        if (offset != Vec2::ZERO || wasCarried(node)) place(node, offset);
    }
    // What left the selection goes back to its place.
    for (const ObjectRef& held : before)
        if (std::none_of(m_carried.begin(), m_carried.end(),
                         [&](const ObjectRef& r) { return r.node() == held.node(); }))
            held.node()->setAdditionalTransform(nullptr);
}

void EmitterMotion::carryByHand(const Vec2& delta, const std::vector<EditorObject*>& selection) {
    m_byHand = true;
    m_hand += delta;
    advance(0, selection);
}

void EmitterMotion::letGo() {
    if (!m_byHand) return;
    m_byHand = false;
    m_hand = Vec2::ZERO;
    for (const ObjectRef& held : m_carried) held.node()->setAdditionalTransform(nullptr);
    m_carried.clear();
}

void EmitterMotion::clear() {
    m_byHand = false;
    m_hand = Vec2::ZERO;
    for (const ObjectRef& held : m_carried) held.node()->setAdditionalTransform(nullptr);
    m_carried.clear();
}

// The offset is in the parent's space, so that a rotated or scaled object
// still runs the path as drawn: the additional transform comes after the
// node's own, so it is the offset seen from inside the node.
void EmitterMotion::place(Node* node, const Vec2& offset) {
    node->setAdditionalTransform(nullptr);
    if (offset == Vec2::ZERO) return;
    const Mat4 own = node->getNodeToParentTransform();
    Mat4 shift;
    Mat4::createTranslation(offset.x, offset.y, 0, &shift);
    node->setAdditionalTransform(own.getInversed() * shift * own);
    keep(node);
}

void EmitterMotion::keep(Node* node) {
    m_carried.emplace_back(node);
}
