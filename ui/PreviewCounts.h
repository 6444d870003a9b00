// The status bar's live counts of the preview: particles alive, the peak since the last replay, the frame rate.
#pragma once

#include <wx/event.h>
#include <wx/string.h>
#include <wx/timer.h>

#include <chrono>
#include <deque>
#include <map>

class EngineHost;
class wxFrame;

namespace cocos2d {
class Node;
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
    struct Watch {
        int peak = 0;
        bool capped = false; // full while it still emitted: new particles were refused
        float age = 0;       // engine time watched since the start or the last replay
        unsigned seen = 0;
    };
    using Clock = std::chrono::steady_clock;

    void watchFrame(float dt);
    void watchTree(cocos2d::Node* node, float dt);
    void OnTimer(wxTimerEvent& event);

    wxFrame* m_frame;
    EngineHost& m_host;
    wxTimer m_timer;
    bool m_watching = false;
    unsigned m_frameCount = 0;
    std::map<const cocos2d::ParticleSystem*, Watch> m_watches;
    // Frames drawn by then, over the last second or so.
    std::deque<std::pair<Clock::time_point, unsigned long>> m_frameSamples;
    double m_frameRate = 0;
    wxString m_shown;

    wxDECLARE_EVENT_TABLE();
};
