// In-process toolkit helpers for the dialog tests.
#include "UiToolkit.h"

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/init.h>
#include <wx/msgdlg.h>
#include <wx/uiaction.h>
#include <wx/window.h>

#include <glib.h>

#include <chrono>
#include <cstdlib>
#include <thread>

bool StartToolkit() {
    static bool started = false;
    if (started) return true;
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    setenv("GDK_BACKEND", "x11", 0);
    setenv("GSETTINGS_BACKEND", "memory", 0);
    wxDisableAsserts();
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv)) return false;
    if (!wxTheApp->CallOnInit()) return false;
    started = true;
    return true;
}

void PumpEvents(int ms) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        while (g_main_context_iteration(nullptr, FALSE)) {
        }
        if (wxTheApp) wxTheApp->ProcessPendingEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

void ClickAt(wxWindow* window, int x, int y) {
    wxUIActionSimulator sim;
    sim.MouseMove(window->ClientToScreen(wxPoint(x, y)));
    wxYield();
    sim.MouseClick();
    wxYield();
}

void ClickCentre(wxWindow* window) {
    wxSize size = window->GetClientSize();
    ClickAt(window, size.x / 2, size.y / 2);
}

void StepScript::Notify() {
    if (m_next >= m_steps.size()) {
        Stop();
        return;
    }
    // The step may open a nested modal loop, in which this timer fires again.
    size_t step = m_next++;
    m_steps[step]();
}

int MessageBoxCatcher::Enter(wxDialog* dialog) {
    if (auto* box = dynamic_cast<wxMessageDialog*>(dialog)) {
        captions.push_back(box->GetCaption().utf8_string());
        messages.push_back(box->GetMessage().utf8_string());
        return answer;
    }
    otherTitles.push_back(dialog->GetTitle().utf8_string());
    return otherAnswer;
}
