// In-process toolkit helpers for the dialog tests.
#include "UiToolkit.h"

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/init.h>
#include <wx/msgdlg.h>
#include <wx/uiaction.h>
#include <wx/window.h>

#include <glib.h>
#include <gtk/gtk.h>

#include <chrono>
#include <cstdlib>
#include <thread>

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

MessageBoxClicker::MessageBoxClicker() {
    wxModalDialogHook::Register();
    Start(100, wxTIMER_CONTINUOUS);
}

MessageBoxClicker::~MessageBoxClicker() {
    Stop();
    wxModalDialogHook::Unregister();
}

int MessageBoxClicker::Enter(wxDialog* dialog) {
    if (auto* box = dynamic_cast<wxMessageDialog*>(dialog)) {
        shown.push_back({box->GetCaption().utf8_string(), box->GetMessage().utf8_string(),
                         (box->GetMessageDialogStyle() & wxYES_NO) != 0});
        m_current = box;
        m_answer = wxID_NONE;
    }
    return wxID_NONE;
}

void MessageBoxClicker::Exit(wxDialog* dialog) {
    if (dialog != m_current) return;
    m_current = nullptr;
    ++closed;
}

void MessageBoxClicker::Notify() {
    if (!m_current) return;
    auto* widget = static_cast<GtkWidget*>(m_current->GetHandle());
    if (!widget || !GTK_IS_DIALOG(widget) || !gtk_widget_get_mapped(widget)) return;
    if (m_answer == wxID_NONE) {
        if (m_answers.empty()) return;
        m_answer = m_answers.front();
        m_answers.pop_front();
        m_ticks = 0;
    }
    // The box stays up for `holdTicks` ticks first; a click that did not land
    // is tried again a second later.
    const int tick = m_ticks++;
    if (tick < holdTicks || (tick - holdTicks) % 10 != 0) return;
    int response = m_answer == wxID_YES ? GTK_RESPONSE_YES : m_answer == wxID_NO ? GTK_RESPONSE_NO : GTK_RESPONSE_OK;
    GtkWidget* button = gtk_dialog_get_widget_for_response(GTK_DIALOG(widget), response);
    if (!button || !gtk_widget_get_mapped(button)) return;
    GtkAllocation area;
    gtk_widget_get_allocation(button, &area);
    int originX = 0, originY = 0;
    gdk_window_get_origin(gtk_widget_get_window(button), &originX, &originY);
    // xdotool in the background: the toolkit's simulator waits about 100 ms
    // for its events on this thread, which would stall the frames the tests
    // measure while a box is up.
    const std::string click = "xdotool mousemove " + std::to_string(originX + area.x + area.width / 2) + " " +
                              std::to_string(originY + area.y + area.height / 2) + " click 1 >/dev/null 2>&1 &";
    if (std::system(click.c_str()) != 0) m_ticks = 0; // try again at the next tick
}
