// Test fixture: a real main window in this process, in a working directory with the program's pictures.
#pragma once

#include "TempDir.h"

#include <gtest/gtest.h>

#include <wx/modalhook.h>
#include <wx/string.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class MainFrame;
class EditorObject;
class ParticleSystem2DEditor;
class wxWindow;
class wxMenu;
struct FileRequest;

// A message box the program showed: answered at once with OK instead of waiting for a user.
struct ShownBox {
    wxString caption;
    wxString message;
};

// Answers every modal dialog of the program without showing it.
class DialogRecorder : public wxModalDialogHook {
public:
    int Enter(wxDialog* dialog) override;
    std::vector<ShownBox> boxes;
    int otherDialogs = 0;
    // What every message box is answered with.
    int boxAnswer = wxID_OK;
};

// Watches a popup menu from inside the loop it runs while open: notes where
// it opened and closes it again, as a user's Escape would.
struct PopupWatch {
    explicit PopupWatch(wxMenu* menu);
    ~PopupWatch();
    PopupWatch(const PopupWatch&) = delete;
    PopupWatch& operator=(const PopupWatch&) = delete;
    bool shown = false;
    int x = -1, y = -1;

private:
    void* m_menu;
    int m_polls = 0;
    unsigned m_source = 0; // the timer while it runs
    static int Poll(void* self);
};

class GuiMainFrameFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the toolkit's and the engine's events for ms milliseconds.
    static void pump(int ms);
    // Runs events until done() holds or seconds pass; returns done().
    static bool pumpUntil(const std::function<bool()>& done, double seconds = 5);

    // The menu command id as the menu bar or a toolbar tool would send it.
    void command(int id);
    // Requests for a path are answered from this list in order (an empty
    // string is a cancel); every request is kept.
    void answerPaths(std::vector<wxString> paths);
    std::vector<FileRequest>& pathRequests() { return *m_requests; }

    // Gives the main window the keyboard focus as a window manager would.
    void focusFrame();
    // A real key press (XTest) in window, which is given the focus first
    // when it lacks it; then settleMs of events.
    void pressIn(wxWindow* window, int code, int modifiers = 0, int settleMs = 60);
    // New, as the menu sends it: the particle object it made and selected
    // (null when there is none).
    ParticleSystem2DEditor* newParticle();
    // Single steps of the paused preview, each drawn before this returns.
    void stepFrames(int count);

    std::vector<EditorObject*>& selection();
    // Labels of the object tree's rows.
    std::vector<wxString> treeRows();
    int sceneChildCount();

    std::string dataPath(const std::string& relative) const;

    MainFrame* m_frame = nullptr;
    DialogRecorder m_dialogs;
    std::unique_ptr<TempDir> m_work;
    std::string m_oldDir;
    std::shared_ptr<std::vector<FileRequest>> m_requests;
};
