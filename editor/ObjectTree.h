// The object-tree pane: one flat row per editable object; clicking a row selects its object.
#pragma once

#include <wx/treectrl.h>

class ObjectTree : public wxTreeCtrl {
public:
    ObjectTree() = default;
    // Window id 10002; becomes theObjectTree.
    ObjectTree(wxWindow* parent, const wxPoint& position, const wxSize& size);
    ~ObjectTree() override;

private:
    void OnSelChanged(wxTreeEvent& event);
    // Up and Down move the selection along the rows; other keys are swallowed.
    void OnKeyDown(wxTreeEvent& event);
    void OnDeleteItem(wxTreeEvent& event);
    // Events the tree swallows so that they do nothing (no menus, no drags).
    void OnSwallowTreeEvent(wxTreeEvent& event) {}
    void OnSwallowContextMenu(wxContextMenuEvent& event) {}
    void OnSwallowMouse(wxMouseEvent& event) {}

    wxDECLARE_DYNAMIC_CLASS(ObjectTree);
    wxDECLARE_EVENT_TABLE();
};

// The process's one object tree, or null while there is none.
extern ObjectTree* theObjectTree;
