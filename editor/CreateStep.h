// The undoable step of creating or opening an object: undo takes that same object out, redo brings it back.
#pragma once

#include "editor/SceneDetachment.h"

#include <wx/cmdproc.h>

class CreateStep : public wxCommand {
public:
    // object has just been registered; previous was selected before it (or null).
    CreateStep(const wxString& name, EditorObject* object, EditorObject* previous);
    // Redo: the object back in its place, selected.
    bool Do() override;
    // The object out of the scene and the tree, the earlier selection back.
    bool Undo() override;

private:
    SceneDetachment m_object;
    ObjectRef m_previous;
};
