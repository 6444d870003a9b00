// The steps every creating command runs for a new editable node: page, place, parent, tree row, selection.
#pragma once

#include <wx/string.h>

namespace cocos2d {
class Vec2;
}
class EditorNode;

enum class NewObjectParent {
    // Under the first selected node at (0, 0) when there is one, else into
    // the running scene.
    SelectionOrScene,
    // Always into the running scene (an opened particle file).
    Scene,
};

// Registers a node fresh from its factory: its page is the grid manager's
// "Properties", it sits at the centre of the director's window size, goes
// under its parent, gets a tree row labelled `label` ("Particle2D",
// "Sprite") and becomes the selection. Returns false, doing nothing, for a
// null object or one that is not an engine node, or when there is no
// running scene to put it in. The row shows the object's file name instead
// once it has a file. With a document, the creation becomes an undoable step
// named `stepName` ("创建" when empty).
bool RegisterEditorObject(EditorNode* object, const wxString& label,
                          NewObjectParent parent = NewObjectParent::SelectionOrScene,
                          const wxString& stepName = wxString(), const cocos2d::Vec2* at = nullptr);
