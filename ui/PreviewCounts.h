// The status bar's live counts of the preview: particles alive, the peak since the last replay, the frame rate.
#pragma once

#include "particle/EffectWatch.h"

#include <wx/event.h>
#include <wx/string.h>
#include <wx/timer.h>

#include <chrono>
#include <deque>

class EngineHost;
class wxFrame;

namespace cocos2d {
class ParticleSystem;
}

// Every effect of the scene is watched on each engine frame (a peak or a
// full emitter lasts a frame, too short for a sampled look); the status bar
// field is written four times a second, and only when its text changes.
class PreviewCounts : public wxEvtHandler {
public:
    // The counts take the status bar's second field.
    PreviewCounts(wxFrame* frame, EngineHost& host);
    ~PreviewCounts() override;
    PreviewCounts(const PreviewCounts&) = delete;
    PreviewCounts& operator=(const PreviewCounts&) = delete;

    // Ends the watching before the engine goes.
    void stop();
    // A replayed effect's peak and notes start over.
    void restart(const cocos2d::ParticleSystem* system);
    void restartAll();

    // The field's text for the selected particle system (null: none).
    wxString textFor(const cocos2d::ParticleSystem* selected) const;
    // Writes the field now, as the timer does.
    void refresh();

private:
    using Clock = std::chrono::steady_clock;

    void OnTimer(wxTimerEvent& event);

    wxFrame* m_frame;
    EngineHost& m_host;
    wxTimer m_timer;
    bool m_watching = false;
    EffectWatch m_watch;
    // Frames drawn by then, over the last second or so.
    std::deque<std::pair<Clock::time_point, unsigned long>> m_frameSamples;
    double m_frameRate = 0;
    wxString m_shown;

    wxDECLARE_EVENT_TABLE();
};
