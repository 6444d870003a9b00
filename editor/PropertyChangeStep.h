// The undoable step of one committed grid change: every changed object's values before and after it.
#pragma once

#include "editor/ObjectRef.h"
#include "editor/ObjectState.h"

#include "editor/SwapStep.h"

#include <memory>
#include <vector>

class PropertyChangeStep : public SwapStep {
public:
    // Notes the selection's values before a change; finish() after it keeps
    // a step for the objects that changed.
    class Recorder {
    public:
        Recorder();
        // Keeps the step, named `name`, in theSceneDocument; nothing when no
        // value changed (a refused texture, the mode chosen again).
        void finish(const wxString& name);

    private:
        struct Before {
            ObjectRef object;
            std::unique_ptr<ObjectState> state;
        };
        std::vector<Before> m_before;
    };

    struct Change {
        ObjectRef object;
        std::unique_ptr<ObjectState> before, after;
        long revisionBefore = 0, revisionAfter = 0;
    };

    PropertyChangeStep(const wxString& name, std::vector<Change> changes);

private:
    void put(bool after) override;
    std::vector<Change> m_changes;
};
