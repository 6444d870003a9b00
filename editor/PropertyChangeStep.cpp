// Taking a grid change back and doing it again by putting the objects' whole snapshots back.
#include "editor/PropertyChangeStep.h"

#include "editor/SceneDocument.h"
#include "editor/SelectionManager.h"

PropertyChangeStep::Recorder::Recorder() {
    if (!theSceneDocument) return;
    for (EditorObject* object : SelectionManager::getInstance()->selection) {
        ObjectRef held(object);
        if (!held) continue;
        std::unique_ptr<ObjectState> state = object->captureState();
        if (state) m_before.push_back({std::move(held), std::move(state)});
    }
}

void PropertyChangeStep::Recorder::finish(const wxString& name) {
    if (!theSceneDocument) return;
    std::vector<Change> changes;
    for (Before& before : m_before) {
        EditorObject* object = before.object.object();
        std::unique_ptr<ObjectState> after = object->captureState();
        if (!after || after->sameAs(*before.state)) continue;
        Change change;
        change.revisionBefore = object->revision;
        change.revisionAfter = SceneDocument::newRevision();
        object->revision = change.revisionAfter;
        change.object = std::move(before.object);
        change.before = std::move(before.state);
        change.after = std::move(after);
        changes.push_back(std::move(change));
    }
    m_before.clear();
    if (!changes.empty()) theSceneDocument->record(new PropertyChangeStep(name, std::move(changes)));
}

PropertyChangeStep::PropertyChangeStep(const wxString& name, std::vector<Change> changes)
    : SwapStep(name),
      m_changes(std::move(changes)) {}

void PropertyChangeStep::put(bool after) {
    for (const Change& change : m_changes) {
        EditorObject* object = change.object.object();
        object->restoreState(after ? *change.after : *change.before);
        object->revision = after ? change.revisionAfter : change.revisionBefore;
        SelectionManager::getInstance()->rebuildPage(object);
    }
}
