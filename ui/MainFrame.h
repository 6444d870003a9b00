// The editor's main window: hosts the engine view and runs its frame pump.
#pragma once

#include <wx/frame.h>
#include <wx/timer.h>

#include "ui/FrameTimingLog.h"

class AppDelegate;
class wxGLViewImpl;

class MainFrame : public wxFrame {
public:
    explicit MainFrame(wxWindow* parent);
    ~MainFrame() override;

    // The close sequence: no frame after it starts, director purged, view
    // released, timer stopped, delegate deleted.
    bool Destroy() override;

    // Fits the design area into the engine view, at most 1:1, centred.
    void LayoutEngineView();

    wxGLViewImpl* engineView() const { return m_glView; }

private:
    void OnFrameTimer(wxTimerEvent& event);
    void OnSize(wxSizeEvent& event);
    void RunFrame();
    void AbandonStartUp();

    wxTimer* m_timer = nullptr;
    AppDelegate* m_app = nullptr;
    bool m_closing = false;
    int m_designWidth = 640;
    int m_designHeight = 960;

    wxGLViewImpl* m_glView = nullptr;  // one extra reference until the close sequence
    bool m_inFrame = false;            // a frame, with its event polling, is running
    bool m_destroyPending = false;     // a close arrived during a frame
    bool m_closed = false;             // the close sequence has run
    FrameTimingLog m_timing;
    int m_framesAfterClose = 0;        // must stay 0; reported with the timing figures

    wxDECLARE_EVENT_TABLE();
};
