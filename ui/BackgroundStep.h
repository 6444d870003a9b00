// The undoable step of a background change by Open: the old background (or none) and the new one, both held.
#pragma once

#include <wx/cmdproc.h>

namespace cocos2d {
class Node;
}

class BackgroundStep : public wxCommand {
public:
    // next: a loaded background, not yet in the scene.
    explicit BackgroundStep(cocos2d::Node* next);
    ~BackgroundStep() override;
    // The new background in place of the one there now; false without a running scene.
    bool Do() override;
    // The background there before, or none, back.
    bool Undo() override;

private:
    cocos2d::Node* m_previous = nullptr;
    cocos2d::Node* m_next = nullptr;
    bool m_seenPrevious = false;
};
