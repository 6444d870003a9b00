// Deleting the selection so that undo brings every object back with its values, place, row and selection.
#include "editor/DeleteStep.h"

#include "editor/SelectionManager.h"

#include <wx/translation.h>

DeleteStep::DeleteStep(const std::vector<EditorObject*>& selection)
    : wxCommand(true, wxGetTranslation(wxString::FromUTF8("删除"))),
      m_objects(selection) {
    for (EditorObject* object : selection)
        if (ObjectRef held{object}) m_selection.push_back(std::move(held));
}

bool DeleteStep::Do() {
    if (m_objects.objects().empty()) return false;
    SelectionManager::getInstance()->clearSelection();
    m_objects.detach();
    return true;
}

bool DeleteStep::Undo() {
    m_objects.attach();
    if (!m_selection.empty()) SelectionManager::getInstance()->select(m_selection.front().object());
    return true;
}
