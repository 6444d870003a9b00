// The close sequence inside the program's own process: Close(true) purges the director and frees the view.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/init.h>

#include "ui/MainFrame.h"
#include "view/wxCCGLViewImpl.h"

#include "base/CCDirector.h"

#include <glib.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <unistd.h>

USING_NS_CC;

namespace {

bool StartToolkit() {
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    setenv("GDK_BACKEND", "x11", 0);
    // The window's pictures are found from the working directory.
    if (chdir(FW_SOURCE_DIR) != 0) return false;
    wxDisableAsserts();
    wxApp::SetInstance(new wxApp);
    return wxEntryStart(argc, argv) && wxTheApp->CallOnInit();
}

void PumpEvents(int ms) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        while (g_main_context_iteration(nullptr, FALSE)) {
        }
        wxTheApp->ProcessPendingEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

void CloseAndCheck(bool fromQueuedEvent) {
    ASSERT_TRUE(StartToolkit()) << "no X display for the main window";
    auto* frame = new MainFrame(nullptr);
    frame->Show();
    PumpEvents(300);
    wxGLViewImpl* view = frame->engineView();
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(Director::getInstance()->getOpenGLView(), view);
    ASSERT_NE(Director::getInstance()->getRunningScene(), nullptr);

    bool viewDestroyed = false;
    view->Bind(wxEVT_DESTROY, [&](wxWindowDestroyEvent& e) {
        if (e.GetWindow() == view) viewDestroyed = true;
        e.Skip();
    });
    if (fromQueuedEvent)
        frame->CallAfter([frame] { frame->Close(true); }); // may arrive inside a frame's polling
    else
        frame->Close(true);
    PumpEvents(300);

    EXPECT_TRUE(viewDestroyed);
    // The old director was purged: asking again makes a fresh one with no
    // view and no scene.
    EXPECT_EQ(Director::getInstance()->getOpenGLView(), nullptr);
    EXPECT_EQ(Director::getInstance()->getRunningScene(), nullptr);
}

} // namespace

TEST(GuiMainFrameClose, CloseTrueRunsTheCloseSequence) {
    CloseAndCheck(false);
}

TEST(GuiMainFrameClose, QueuedCloseDuringFramesRunsTheCloseSequence) {
    CloseAndCheck(true);
}
