// The undoable step of deleting the selection: the objects are held, out of the scene, until the step is forgotten.
#pragma once

#include "editor/SceneDetachment.h"

#include <wx/cmdproc.h>

class DeleteStep : public wxCommand {
public:
    // The objects to delete, which are the selection.
    explicit DeleteStep(const std::vector<EditorObject*>& selection);
    // Clears the selection and takes the objects out; false when there is none.
    bool Do() override;
    // Puts every object back where it was, selected again.
    bool Undo() override;

private:
    SceneDetachment m_objects;
    std::vector<ObjectRef> m_selection;
};
