// Registration of a new editable node: the steps every creating command shares.
#include "editor/RegisterEditorObject.h"

#include "editor/CreateStep.h"
#include "editor/EditorNode.h"
#include "editor/ObjectTree.h"
#include "editor/ObjectTreeData.h"
#include "editor/SceneDocument.h"
#include "editor/SelectionManager.h"

#include "2d/CCNode.h"
#include "2d/CCScene.h"
#include "base/CCDirector.h"

#include <wx/propgrid/manager.h>
#include <wx/translation.h>

bool RegisterEditorObject(EditorNode* object, const wxString& label, NewObjectParent parentChoice,
                          const wxString& stepName, const cocos2d::Vec2* at) {
    auto* node = dynamic_cast<cocos2d::Node*>(object);
    if (!node) return false;
    SelectionManager* selection = SelectionManager::getInstance();
    auto* director = cocos2d::Director::getInstance();

    // The parent is chosen before anything changes, so that a refusal leaves
    // the object as its factory made it.
    cocos2d::Node* parent = nullptr;
    if (parentChoice == NewObjectParent::SelectionOrScene && !selection->selection.empty())
        parent = dynamic_cast<cocos2d::Node*>(selection->selection.front());
    const bool underSelection = parent != nullptr;
    if (!parent) parent = director->getRunningScene();
    if (!parent) return false;

    if (wxPropertyGridManager* manager = selection->propertyManager) {
        const int index = manager->GetPageByName(wxS("Properties"));
        object->propertyPage = index != wxNOT_FOUND ? manager->GetPage(index) : nullptr;
    }
    const cocos2d::Size& winSize = director->getWinSize();
    node->setPosition(winSize.width * 0.5f, winSize.height * 0.5f);
    if (underSelection) node->setPosition(0, 0);
    if (at) node->setPosition(*at);
    parent->addChild(node);

    EditorObject* previous = selection->selection.empty() ? nullptr : selection->selection.front();
    object->treeLabel = label;
    if (theObjectTree && theObjectTree->GetRootItem().IsOk())
        object->treeItem = theObjectTree->AppendItem(theObjectTree->GetRootItem(), object->rowText(), -1, -1,
                                                     new ObjectTreeData(object));
    selection->select(object);
    if (theSceneDocument)
        theSceneDocument->record(new CreateStep(
            stepName.empty() ? wxGetTranslation(wxString::FromUTF8("创建")) : stepName, object, previous));
    return true;
}
