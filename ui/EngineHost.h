// Hosting of the engine in the main window: view and director start-up, the frame pump, view layout, shut-down.
#pragma once

#include <wx/gdicmn.h>
#include <wx/timer.h>

#include <deque>
#include <functional>
#include <vector>

#include "ui/FramePacer.h"
#include "ui/FrameTimingLog.h"

#include <memory>

class AppDelegate;
class FrameRequestFilter;
class wxObject;
class wxFrame;
class wxGLViewImpl;

class EngineHost {
public:
    explicit EngineHost(wxFrame* owner);
    ~EngineHost();
    EngineHost(const EngineHost&) = delete;
    EngineHost& operator=(const EngineHost&) = delete;

    // Design size from the configuration, the engine view on the owner, the
    // director, the delegate's scene, design resolution and "./res/". False
    // when no GL view could be made: the program is then ended with a
    // failure status once its event loop runs.
    bool start();
    // The frame timer (a tick every 20 ms, paced against the clock), one
    // frame at once and a first fit of the view.
    void startPump();
    // One engine step and the dispatch of every waiting window message. The
    // step draws a frame only when the picture may have changed (a toolkit
    // event, a layout, an expose, a live effect) and the view can be seen;
    // otherwise the engine's scheduled updates run without drawing.
    void tick();
    // A frame on the next tick, for code that changes the scene outside a
    // toolkit event.
    void requestFrame();
    // Fits the design area into the engine view, at most 1:1, centred.
    void layoutView();
    // The next tick draws one frame that advances the scene by exactly
    // `seconds` of engine time, whatever the scheduler's time scale. Steps
    // queued faster than ticks come are each drawn, one per tick.
    void queueStep(float seconds);
    size_t stepsQueued() const { return m_steps.size(); }
    // Frames drawn since start-up.
    unsigned long framesDrawn() const { return m_framesDrawn; }
    // Events of this window (and those inside it) or of this timer change
    // nothing in the view: they ask for no frame.
    void ignoreEventsOf(const wxObject* source);

    // Each handler is called once, after the first frame drawn while the
    // owner is mapped on the screen: from then on the user sees the editor
    // behind anything that opens over it. Handlers given later run at once.
    void whenFirstDrawnOnScreen(std::function<void()> handler);

    // No engine frames while a modal dialog of the editor's own runs.
    void pausePump();
    void resumePump();
    bool pumpRunning() const;

    // The close sequence. False while a frame is running: the sequence is
    // then carried out, and the owner destroyed, when that frame ends.
    bool close();

    wxGLViewImpl* view() const { return m_glView; }
    FrameTimingLog& timing() { return m_timing; }
    // A new design size, fitted into the view by the next layoutView().
    void setDesignSize(int width, int height) {
        m_designWidth = width;
        m_designHeight = height;
    }
    int designWidth() const { return m_designWidth; }
    int designHeight() const { return m_designHeight; }

private:
    void abandonStartUp();
    void runFrame();
    void keepBackdropBetweenFrames();
    bool frameNeeded() const;
    // The scheduler's step of a frame that is not drawn, so that engine time
    // goes on as if it had been. True when an effect is live afterwards.
    bool updateWithoutDrawing(float dt);
    // Nothing to draw and nothing moving: ticks come seldom until a frame
    // is requested, which wakes the pump at once.
    void rest();
    void wake();
    void stopFrameRequests();
    // Arms the one-shot frame timer for the pacer's next deadline.
    void armTimer(FramePacer::Clock::duration wait);

    wxFrame* m_owner;
    wxTimer* m_timer = nullptr;
    AppDelegate* m_app = nullptr;
    bool m_closing = false;
    int m_designWidth = 640;
    int m_designHeight = 960;
    wxSize m_laidOutSize; // the view's size at the last layout
    bool m_paused = false;
    FramePacer m_pacer;
    int m_frameDispatchDepth = 0; // GLib dispatch depth at which the innermost frame began
    bool m_tickDeferred = false;  // a tick came from the innermost frame's own polling

    wxGLViewImpl* m_glView = nullptr; // one extra reference until the close sequence
    int m_frameDepth = 0;             // frames, with their event polling, now running
    bool m_destroyPending = false;    // a close arrived during a frame
    bool m_closed = false;            // the close sequence has run
    FrameTimingLog m_timing;
    std::vector<std::function<void()>> m_onFirstShownFrame;
    bool m_drawnOnScreen = false;
    std::unique_ptr<FrameRequestFilter> m_frameRequests; // installed while the pump runs
    FramePacer::Clock::time_point m_lastStep{};          // engine time of the last step, drawn or not
    bool m_resting = false;
    int m_framesAfterClose = 0; // must stay 0; reported with the timing figures
    std::deque<float> m_steps;  // engine time of each queued step
    unsigned long m_framesDrawn = 0;
    std::vector<const wxObject*> m_quietSources;
};
