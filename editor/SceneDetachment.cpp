// Detaching editor objects from the scene and the tree, and attaching them again at the same places.
#include "editor/SceneDetachment.h"

#include "editor/ObjectTree.h"
#include "editor/ObjectTreeData.h"

#include <algorithm>

namespace {
bool isInside(cocos2d::Node* node, const std::vector<ObjectRef>& others) {
    for (cocos2d::Node* up = node->getParent(); up; up = up->getParent())
        for (const ObjectRef& other : others)
            if (other.node() == up) return true;
    return false;
}

// Editor objects of node's subtree, node first.
void collect(cocos2d::Node* node, std::vector<EditorObject*>& out) {
    if (auto* object = dynamic_cast<EditorObject*>(node)) out.push_back(object);
    for (cocos2d::Node* child : node->getChildren()) collect(child, out);
}

size_t rowIndex(const wxTreeItemId& item) {
    const wxTreeItemId root = theObjectTree->GetRootItem();
    wxTreeItemIdValue cookie;
    size_t index = 0;
    for (wxTreeItemId row = theObjectTree->GetFirstChild(root, cookie); row.IsOk();
         row = theObjectTree->GetNextChild(root, cookie), ++index)
        if (row == item) return index;
    return index;
}
}

SceneDetachment::SceneDetachment(const std::vector<EditorObject*>& objects) {
    std::vector<ObjectRef> held;
    for (EditorObject* object : objects)
        if (ObjectRef ref{object}) held.push_back(std::move(ref));
    for (const ObjectRef& ref : held)
        if (!isInside(ref.node(), held)) m_objects.push_back(ref);
}

void SceneDetachment::detach() {
    m_places.clear();
    m_rows.clear();
    std::vector<EditorObject*> subtree;
    for (const ObjectRef& ref : m_objects) collect(ref.node(), subtree);
    if (theObjectTree) {
        for (EditorObject* object : subtree)
            if (object->treeItem.IsOk()) m_rows.push_back({ObjectRef(object), rowIndex(object->treeItem)});
        std::sort(m_rows.begin(), m_rows.end(), [](const Row& a, const Row& b) { return a.index < b.index; });
        // The row's data lets go of the object first, as when the object dies.
        for (const Row& row : m_rows) {
            EditorObject* object = row.object.object();
            if (auto* data = dynamic_cast<ObjectTreeData*>(theObjectTree->GetItemData(object->treeItem)))
                data->object = nullptr;
            theObjectTree->Delete(object->treeItem);
            object->treeItem.Unset();
        }
    }
    for (const ObjectRef& ref : m_objects) {
        cocos2d::Node* node = ref.node();
        cocos2d::Node* parent = node->getParent();
        if (!parent) continue;
        parent->sortAllChildren();
        const auto& siblings = parent->getChildren();
        const size_t index = std::find(siblings.begin(), siblings.end(), node) - siblings.begin();
        m_places.push_back({ref, ObjectRef(parent), index, node->getLocalZOrder()});
        // Without cleanup: the node is to come back as it was.
        node->removeFromParentAndCleanup(false);
    }
}

void SceneDetachment::attach() {
    // In reverse, so that each index is that of the scene it was taken from.
    for (auto place = m_places.rbegin(); place != m_places.rend(); ++place) {
        cocos2d::Node* parent = place->parent.node();
        parent->sortAllChildren();
        const auto& siblings = parent->getChildren();
        const std::vector<cocos2d::Node*> later(
            siblings.begin() + std::min(place->index, static_cast<size_t>(siblings.size())), siblings.end());
        parent->addChild(place->node.node(), place->z);
        // Those that came after it arrive again after it, in their order.
        for (cocos2d::Node* sibling : later) parent->reorderChild(sibling, sibling->getLocalZOrder());
        parent->sortAllChildren();
    }
    m_places.clear();
    if (theObjectTree && theObjectTree->GetRootItem().IsOk()) {
        const wxTreeItemId root = theObjectTree->GetRootItem();
        for (const Row& row : m_rows) {
            EditorObject* object = row.object.object();
            const size_t count = theObjectTree->GetChildrenCount(root, false);
            auto* data = new ObjectTreeData(object);
            object->treeItem = row.index < count
                                   ? theObjectTree->InsertItem(root, row.index, object->rowText(), -1, -1, data)
                                   : theObjectTree->AppendItem(root, object->rowText(), -1, -1, data);
        }
    }
    m_rows.clear();
}
