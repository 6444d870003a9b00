// A counted hold on an engine node (usually an editor object's), for history steps that outlive its place in the scene.
#pragma once

#include "editor/EditorObject.h"

#include "2d/CCNode.h"

#include <utility>

class ObjectRef {
public:
    ObjectRef() = default;
    explicit ObjectRef(cocos2d::Node* node) : m_node(node) {
        if (m_node) m_node->retain();
    }
    // Null unless object is an engine node.
    explicit ObjectRef(EditorObject* object) : ObjectRef(dynamic_cast<cocos2d::Node*>(object)) {}
    ObjectRef(const ObjectRef& other) : ObjectRef(other.m_node) {}
    ObjectRef(ObjectRef&& other) noexcept : m_node(std::exchange(other.m_node, nullptr)) {}
    ObjectRef& operator=(ObjectRef other) noexcept {
        std::swap(m_node, other.m_node);
        return *this;
    }
    ~ObjectRef() {
        if (m_node) m_node->release();
    }

    cocos2d::Node* node() const { return m_node; }
    // The editor side of the node; null for a plain engine node.
    EditorObject* object() const { return dynamic_cast<EditorObject*>(m_node); }
    explicit operator bool() const { return m_node != nullptr; }

private:
    cocos2d::Node* m_node = nullptr;
};
