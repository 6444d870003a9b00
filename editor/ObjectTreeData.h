// Data of an object-tree row: the editor object the row stands for.
#pragma once

#include <wx/treebase.h>

class EditorObject;

class ObjectTreeData : public wxTreeItemData {
public:
    explicit ObjectTreeData(EditorObject* object) : object(object) {}

    // Not owned; nulled by the object's destructor just before the row goes.
    EditorObject* object;
};
