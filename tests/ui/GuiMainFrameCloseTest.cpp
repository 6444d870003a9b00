// The close sequence inside the program's own process: Close(true) purges the director and frees the view.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/init.h>

#include "WxToolkit.h"
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

// The window's pictures are found from the working directory.
bool StartToolkitInSourceDir() {
    return chdir(FW_SOURCE_DIR) == 0 && StartToolkit();
}

void CloseAndCheck(bool fromQueuedEvent) {
    ASSERT_TRUE(StartToolkitInSourceDir()) << "no X display for the main window";
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
