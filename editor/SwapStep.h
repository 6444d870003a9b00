// Base of the steps that hold two complete states, before and after: undo puts the one back, redo the other.
#pragma once

#include <wx/cmdproc.h>

class SwapStep : public wxCommand {
public:
    explicit SwapStep(const wxString& name) : wxCommand(true, name) {}
    bool Do() override {
        put(true);
        return true;
    }
    bool Undo() override {
        put(false);
        return true;
    }

protected:
    // Puts the state after the step (true) or before it (false) in force.
    virtual void put(bool after) = 0;
};
