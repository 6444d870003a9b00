// In-process toolkit helpers for the dialog tests: start, pump, click, scripted steps inside modal loops, message
// boxes.
#pragma once

#include "WxToolkit.h"

#include <wx/modalhook.h>
#include <wx/string.h>
#include <wx/timer.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

class wxWindow;
class wxMessageDialog;

// Initialises wxWidgets (GTK on X11) for this process; false without a display.
// Dispatches toolkit events for about `ms` milliseconds.
// A real left click (XTest) at a point of a window, in its client coordinates.
void ClickAt(wxWindow* window, int x, int y);
// A real left click at the centre of a window.
void ClickCentre(wxWindow* window);

// Runs one step every `intervalMs` from the event loop, so that a test can
// act inside a modal dialog's own loop.
class StepScript : public wxTimer {
public:
    explicit StepScript(int intervalMs = 150) : m_interval(intervalMs) {}
    StepScript& then(std::function<void()> step) {
        m_steps.push_back(std::move(step));
        return *this;
    }
    void start() { Start(m_interval, wxTIMER_CONTINUOUS); }
    bool finished() const { return m_next >= m_steps.size(); }
    void Notify() override;

private:
    int m_interval;
    std::vector<std::function<void()>> m_steps;
    size_t m_next = 0;
};

// Records every message box (caption and text) instead of showing it and
// answers it with `answer`. Other modal dialogs are shown as usual, but their
// titles are recorded; `otherAnswer`, when not wxID_NONE, answers them too.
class MessageBoxCatcher : public wxModalDialogHook {
public:
    MessageBoxCatcher() { Register(); }
    ~MessageBoxCatcher() override { Unregister(); }
    int Enter(wxDialog* dialog) override;
    void Exit(wxDialog*) override {}

    int answer = wxID_OK;
    int otherAnswer = wxID_NONE;
    std::vector<std::string> captions, messages, otherTitles;
};

// Lets message boxes show for real and answers each with a real click on
// the button the test queued for it (wxID_YES, wxID_NO or wxID_OK).
class MessageBoxClicker : public wxModalDialogHook, public wxTimer {
public:
    struct Box {
        std::string caption, message;
        bool yesNo = false;
    };
    MessageBoxClicker();
    ~MessageBoxClicker() override;
    void answerNext(int id) { m_answers.push_back(id); }
    // Ticks (of 100 ms) each box stays up before its button is clicked.
    int holdTicks = 0;
    int Enter(wxDialog* dialog) override;
    void Exit(wxDialog* dialog) override;
    void Notify() override;

    std::vector<Box> shown;
    int closed = 0;

private:
    wxMessageDialog* m_current = nullptr;
    std::deque<int> m_answers;
    int m_answer = wxID_NONE; // for the box on screen
    int m_ticks = 0;
};
