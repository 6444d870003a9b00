// What makes the frame pump draw: toolkit events, and effects in the scene that move by themselves.
#pragma once

#include <wx/eventfilter.h>

#include <vector>

class wxGLViewImpl;
class wxObject;
class wxTimer;

namespace cocos2d {
class Node;
}

// True when a particle system under `root` that would be drawn is emitting
// or still has live particles: its picture changes every frame. Hidden
// subtrees are not drawn, so they change nothing.
bool HasLiveEffects(const cocos2d::Node* root);

// Any toolkit event may change what the view shows (input, a command, an
// edit in the grid, a selection, a resize, a dialog's answer), so each one
// asks the view for a frame; only the events that come by themselves (the
// pump's own timer, idle and update-UI, and questions asked from idle
// handlers) do not.
class FrameRequestFilter : public wxEventFilter {
public:
    FrameRequestFilter(wxGLViewImpl* view, const wxTimer* pumpTimer) : m_view(view), m_pumpTimer(pumpTimer) {}
    int FilterEvent(wxEvent& event) override;
    // Events of source, or of a window inside it, ask for no frame.
    void ignore(const wxObject* source) { m_quiet.push_back(source); }

private:
    bool isQuiet(const wxEvent& event) const;
    wxGLViewImpl* m_view;
    const wxTimer* m_pumpTimer;
    std::vector<const wxObject*> m_quiet;
};
