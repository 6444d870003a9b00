// Selected flag and tree row of an editor object; removal of the row when the object goes.
#include "editor/EditorObject.h"

#include "editor/ObjectTree.h"
#include "editor/ObjectTreeData.h"
#include "editor/SelectionManager.h"

#include <wx/filename.h>

long EditorObject::nextObjectId() {
    static long last = 0;
    return ++last;
}

EditorObject::~EditorObject() {
    SelectionManager::getInstance()->forget(this);
    if (!treeItem.IsOk() || !theObjectTree) return;
    // The row's data is unhooked first: deleting the row can report a new
    // selection, which must not reach an object that is half destroyed.
    if (auto* data = dynamic_cast<ObjectTreeData*>(theObjectTree->GetItemData(treeItem))) data->object = nullptr;
    theObjectTree->Delete(treeItem);
    treeItem.Unset();
    wxArrayTreeItemIds highlighted;
    if (theObjectTree->GetSelections(highlighted) > 0) theObjectTree->UnselectAll();
}

void EditorObject::setSelected(bool flag) {
    selected = flag;
    if (!treeItem.IsOk() || !theObjectTree) return;
    if (flag)
        theObjectTree->SelectItem(treeItem, true);
    else
        theObjectTree->UnselectItem(treeItem);
}

wxString EditorObject::rowText() const {
    wxString text = filePath.empty() ? treeLabel : wxFileName(filePath).GetFullName();
    if (hasUnsavedChanges()) text << wxS(" *");
    return text;
}
