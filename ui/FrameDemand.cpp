// Frame triggers of the pump: the global toolkit event filter and the search for live particle systems.
#include "ui/FrameDemand.h"

#include "view/wxCCGLViewImpl.h"

#include "2d/CCNode.h"
#include "2d/CCParticleSystem.h"

#include <wx/aui/framemanager.h>
#include <wx/event.h>
#include <wx/timer.h>
#include <wx/window.h>

USING_NS_CC;

bool HasLiveEffects(const Node* root) {
    if (!root || !root->isVisible()) return false;
    if (const auto* system = dynamic_cast<const ParticleSystem*>(root)) {
        if (system->isActive() || system->getParticleCount() > 0) return true;
    }
    for (const Node* child : root->getChildren()) {
        if (HasLiveEffects(child)) return true;
    }
    return false;
}

int FrameRequestFilter::FilterEvent(wxEvent& event) {
    const wxEventType type = event.GetEventType();
    // The docking manager's look-up is a question asked from idle handlers.
    if (type == wxEVT_IDLE || type == wxEVT_UPDATE_UI || type == wxEVT_AUI_FIND_MANAGER) return Event_Skip;
    if (type == wxEVT_TIMER && &static_cast<wxTimerEvent&>(event).GetTimer() == m_pumpTimer) return Event_Skip;
    if (isQuiet(event)) return Event_Skip;
    m_view->requestFrame();
    return Event_Skip;
}

bool FrameRequestFilter::isQuiet(const wxEvent& event) const {
    if (m_quiet.empty()) return false;
    if (event.GetEventType() == wxEVT_TIMER) {
        const wxObject* timer = &static_cast<const wxTimerEvent&>(event).GetTimer();
        for (const wxObject* source : m_quiet)
            if (source == timer) return true;
        return false;
    }
    for (const wxObject* object = event.GetEventObject(); object;) {
        for (const wxObject* source : m_quiet)
            if (source == object) return true;
        const auto* window = wxDynamicCast(object, wxWindow);
        object = window ? window->GetParent() : nullptr;
    }
    return false;
}
