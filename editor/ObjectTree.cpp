// Object-tree control: its style, the selection it hands to the SelectionManager and the events it swallows.
#include "editor/ObjectTree.h"

#include "editor/EditorObject.h"
#include "editor/ObjectTreeData.h"
#include "editor/SelectionManager.h"

ObjectTree* theObjectTree = nullptr;

namespace {
constexpr wxWindowID kObjectTreeId = 10002;
constexpr long kObjectTreeStyle = wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_TWIST_BUTTONS | wxTR_MULTIPLE |
                                  wxTR_EDIT_LABELS | wxTR_HIDE_ROOT | wxBORDER_NONE;
}

wxIMPLEMENT_DYNAMIC_CLASS(ObjectTree, wxTreeCtrl);

// clang-format off
wxBEGIN_EVENT_TABLE(ObjectTree, wxTreeCtrl)
    EVT_TREE_SEL_CHANGED(kObjectTreeId, ObjectTree::OnSelChanged)
    EVT_TREE_DELETE_ITEM(kObjectTreeId, ObjectTree::OnDeleteItem)
    EVT_TREE_BEGIN_DRAG(kObjectTreeId, ObjectTree::OnSwallowTreeEvent)
    EVT_TREE_BEGIN_RDRAG(kObjectTreeId, ObjectTree::OnSwallowTreeEvent)
    EVT_TREE_END_DRAG(kObjectTreeId, ObjectTree::OnSwallowTreeEvent)
    EVT_TREE_BEGIN_LABEL_EDIT(kObjectTreeId, ObjectTree::OnSwallowTreeEvent)
    EVT_TREE_END_LABEL_EDIT(kObjectTreeId, ObjectTree::OnSwallowTreeEvent)
    EVT_TREE_SET_INFO(kObjectTreeId, ObjectTree::OnSwallowTreeEvent)
    EVT_TREE_ITEM_EXPANDED(kObjectTreeId, ObjectTree::OnSwallowTreeEvent)
    EVT_TREE_ITEM_EXPANDING(kObjectTreeId, ObjectTree::OnSwallowTreeEvent)
    EVT_TREE_ITEM_COLLAPSED(kObjectTreeId, ObjectTree::OnSwallowTreeEvent)
    EVT_TREE_ITEM_COLLAPSING(kObjectTreeId, ObjectTree::OnSwallowTreeEvent)
    EVT_TREE_SEL_CHANGING(kObjectTreeId, ObjectTree::OnSwallowTreeEvent)
    EVT_TREE_KEY_DOWN(kObjectTreeId, ObjectTree::OnKeyDown)
    EVT_TREE_ITEM_ACTIVATED(kObjectTreeId, ObjectTree::OnSwallowTreeEvent)
    EVT_TREE_STATE_IMAGE_CLICK(kObjectTreeId, ObjectTree::OnSwallowTreeEvent)
    EVT_CONTEXT_MENU(ObjectTree::OnSwallowContextMenu)
    EVT_TREE_ITEM_MENU(wxID_ANY, ObjectTree::OnSwallowTreeEvent)
    EVT_TREE_ITEM_RIGHT_CLICK(wxID_ANY, ObjectTree::OnSwallowTreeEvent)
    EVT_RIGHT_DOWN(ObjectTree::OnSwallowMouse)
    EVT_RIGHT_UP(ObjectTree::OnSwallowMouse)
    EVT_RIGHT_DCLICK(ObjectTree::OnSwallowMouse)
wxEND_EVENT_TABLE()
    // clang-format on

    ObjectTree::ObjectTree(wxWindow* parent, const wxPoint& position, const wxSize& size)
    : wxTreeCtrl(parent, kObjectTreeId, position, size, kObjectTreeStyle) {
    theObjectTree = this;
}

ObjectTree::~ObjectTree() {
    if (theObjectTree == this) theObjectTree = nullptr;
}

void ObjectTree::OnSelChanged(wxTreeEvent& event) {
    const wxTreeItemId item = event.GetItem();
    if (!item.IsOk()) return;
    // An unselect reports a change too; only a row that became selected counts.
    if (!IsSelected(item)) return;
    auto* data = dynamic_cast<ObjectTreeData*>(GetItemData(item));
    if (!data || !data->object) return;
    // Selecting the object highlights its row again, which comes back here
    // and ends in select() as a no-op for an object already selected.
    SelectionManager::getInstance()->select(data->object);
}

void ObjectTree::OnKeyDown(wxTreeEvent& event) {
    // Passed on, the key reaches the tree's own row navigation, whose new
    // row selects its object.
    const wxKeyEvent& key = event.GetKeyEvent();
    if ((key.GetKeyCode() == WXK_UP || key.GetKeyCode() == WXK_DOWN) && key.GetModifiers() == wxMOD_NONE) event.Skip();
}

void ObjectTree::OnDeleteItem(wxTreeEvent& event) {
    wxArrayTreeItemIds selections;
    GetSelections(selections);
}
