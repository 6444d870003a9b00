// The one selection of the process: keeps the property page, the frames and the tree highlight in step.
#pragma once

#include "editor/ObjectRef.h"

#include "math/Vec2.h"

#include <wx/any.h>
#include <wx/string.h>

#include <vector>

namespace cocos2d {
class Node;
}

class EditorNode;
class EditorObject;
class wxPGProperty;
class wxPropertyGridManager;

class SelectionManager {
public:
    static SelectionManager* getInstance();
    virtual ~SelectionManager() = default;

    // Makes object the only selection (page rebuilt, frame red, row
    // highlighted) unless it already is selected.
    void select(EditorObject* object);
    // Left press in the view at a point of the running scene: selects what is
    // under it, or clears the selection over empty space. Clicking the
    // selected object again keeps its page as it is.
    void selectAt(const cocos2d::Vec2& point);
    // Deselects everything and empties the page.
    void clearSelection();
    // Removes the selected nodes, with their children, from the scene; with
    // a document, as a step that undo takes back.
    void deleteSelected();
    // Left drag in the view: moves every selected node by delta (scene units,
    // added in the parent's space).
    void moveSelectedBy(const cocos2d::Vec2& delta);
    // Left release in the view: after a drag, the "_Position" row of the
    // selected object shows where the node now is, so that a later edit of
    // one coordinate does not send it back. No other row is touched. With a
    // document, the drag from press to release becomes one undoable step.
    void endMove();
    // The "_Position" row of object, when it is the one selected, shows the
    // node's position.
    void showPosition(EditorObject* object);
    // The page of object, when it is the one selected, is built again from
    // its values.
    void rebuildPage(EditorObject* object);
    // Called by an editor object's destructor: a selected object that goes by
    // a path that did not clear the selection first leaves it (and empties
    // the page) instead of staying behind as a dangling entry.
    void forget(EditorObject* object);
    // Hands one committed grid change to every selected object.
    void applyToSelection(wxPGProperty* property, const wxString& name, const wxAny& value);
    // The editor node under point (scene coordinates) in node's subtree:
    // children before their parent, later children first, locked objects
    // skipped (not their children); null if none.
    EditorNode* hitTest(cocos2d::Node* node, const cocos2d::Vec2& point);

    // Selected objects in the order they were added; not owned.
    std::vector<EditorObject*> selection;
    // The main window's grid manager, whose page "Properties" objects fill.
    wxPropertyGridManager* propertyManager = nullptr;

private:
    SelectionManager() = default;
    // Set by a move of the selection, cleared by endMove.
    bool m_moved = false;
    // Where the moved nodes were when the drag began.
    std::vector<std::pair<ObjectRef, cocos2d::Vec2>> m_moveStart;
};
