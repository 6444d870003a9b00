// Taking a created object out again and bringing it back, held in between.
#include "editor/CreateStep.h"

#include "editor/SelectionManager.h"

CreateStep::CreateStep(const wxString& name, EditorObject* object, EditorObject* previous)
    : wxCommand(true, name),
      m_object({object}),
      m_previous(previous) {}

bool CreateStep::Do() {
    m_object.attach();
    if (!m_object.objects().empty()) SelectionManager::getInstance()->select(m_object.objects().front().object());
    return true;
}

bool CreateStep::Undo() {
    SelectionManager* selection = SelectionManager::getInstance();
    selection->clearSelection();
    m_object.detach();
    if (m_previous && m_previous.object()->treeItem.IsOk()) selection->select(m_previous.object());
    return true;
}
