// Selection, picking, moving, deleting and editing of the selected editor objects.
#include "editor/SelectionManager.h"

#include "editor/EditorNode.h"
#include "editor/DeleteStep.h"
#include "editor/EditorObject.h"
#include "editor/MoveStep.h"
#include "editor/SceneDocument.h"
#include "editor/wxRealPointVariantData.h"

#include "2d/CCNode.h"
#include "2d/CCScene.h"
#include "base/CCDirector.h"

#include <wx/propgrid/manager.h>

#include <algorithm>

SelectionManager* SelectionManager::getInstance() {
    static SelectionManager instance;
    return &instance;
}

void SelectionManager::select(EditorObject* object) {
    if (!object) return;
    if (std::find(selection.begin(), selection.end(), object) != selection.end()) return;
    clearSelection();
    selection.push_back(object);
    object->createProperties();
    object->setSelected(true);
}

void SelectionManager::selectAt(const cocos2d::Vec2& point) {
    cocos2d::Scene* scene = cocos2d::Director::getInstance()->getRunningScene();
    EditorNode* hit = scene ? hitTest(scene, point) : nullptr;
    if (!hit) {
        clearSelection();
        return;
    }
    // Already selected: the page stays as it is, with whatever was typed into it.
    select(hit);
}

void SelectionManager::clearSelection() {
    if (selection.size() == 1) {
        selection.front()->setSelected(false);
        if (propertyManager) {
            const int index = propertyManager->GetPageByName(wxS("Properties"));
            if (index != wxNOT_FOUND) propertyManager->GetPage(index)->Clear();
        }
    } else {
        for (EditorObject* object : selection) object->setSelected(false);
    }
    selection.clear();
    m_moved = false;
    m_moveStart.clear();
}

void SelectionManager::deleteSelected() {
    if (theSceneDocument) {
        if (!selection.empty()) theSceneDocument->perform(new DeleteStep(selection));
        return;
    }
    const std::vector<EditorObject*> doomed = selection;
    clearSelection();
    for (EditorObject* object : doomed) {
        auto* node = dynamic_cast<cocos2d::Node*>(object);
        if (!node) continue;
        object->setSelected(false);
        node->removeFromParentAndCleanup(true);
    }
}

void SelectionManager::moveSelectedBy(const cocos2d::Vec2& delta) {
    const bool starting = !m_moved;
    for (EditorObject* object : selection) {
        auto* node = dynamic_cast<cocos2d::Node*>(object);
        if (!node) continue;
        if (starting) m_moveStart.emplace_back(ObjectRef(node), node->getPosition());
        node->setPositionX(node->getPositionX() + delta.x);
        node->setPositionY(node->getPositionY() + delta.y);
        m_moved = true;
    }
}

void SelectionManager::endMove() {
    if (!m_moved) return;
    m_moved = false;
    std::vector<MoveStep::Move> moves;
    for (auto& [held, from] : m_moveStart) {
        showPosition(held.object());
        if (held.node()->getPosition() != from) moves.push_back({held, from, held.node()->getPosition()});
    }
    m_moveStart.clear();
    if (theSceneDocument && !moves.empty()) theSceneDocument->record(new MoveStep(std::move(moves)));
}

void SelectionManager::showPosition(EditorObject* object) {
    // The page holds the properties of the one selected object only.
    if (selection.size() != 1 || selection.front() != object) return;
    auto* node = dynamic_cast<cocos2d::Node*>(object);
    if (!node || !object->propertyPage) return;
    wxPGProperty* row = object->propertyPage->GetPropertyByName(wxS("_Position"));
    if (!row) return;
    wxVariant value;
    value << wxRealPoint(node->getPositionX(), node->getPositionY());
    object->propertyPage->SetPropertyValue(row, value);
}

void SelectionManager::rebuildPage(EditorObject* object) {
    if (selection.size() != 1 || selection.front() != object || !propertyManager) return;
    const int index = propertyManager->GetPageByName(wxS("Properties"));
    if (index == wxNOT_FOUND) return;
    propertyManager->GetPage(index)->Clear();
    object->createProperties();
}

void SelectionManager::forget(EditorObject* object) {
    const auto found = std::find(selection.begin(), selection.end(), object);
    if (found == selection.end()) return;
    selection.erase(found);
    // The page showed this object's rows; the invariant wants it empty now.
    if (selection.empty() && propertyManager) {
        const int index = propertyManager->GetPageByName(wxS("Properties"));
        if (index != wxNOT_FOUND) propertyManager->GetPage(index)->Clear();
    }
}

void SelectionManager::applyToSelection(wxPGProperty* property, const wxString& name, const wxAny& value) {
    // A copy: an object's edit must not change the list being walked.
    const std::vector<EditorObject*> targets = selection;
    for (EditorObject* object : targets) object->applyProperty(property, name, value);
}

EditorNode* SelectionManager::hitTest(cocos2d::Node* node, const cocos2d::Vec2& point) {
    if (!node) return nullptr;
    const auto& children = node->getChildren();
    for (ssize_t i = static_cast<ssize_t>(children.size()) - 1; i >= 0; --i) {
        if (EditorNode* hit = hitTest(children.at(i), point)) return hit;
    }
    const cocos2d::Vec2 local = node->convertToNodeSpace(point);
    auto* editorNode = dynamic_cast<EditorNode*>(node);
    if (editorNode && !editorNode->isLocked() && editorNode->getBounds().containsPoint(local)) return editorNode;
    return nullptr;
}
