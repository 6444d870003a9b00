// Starts the real program under X and checks its main window and its exit.
#include "ChildProcess.h"
#include "ProgramFolder.h"
#include "TempDir.h"

#include <unistd.h>
#include "X11Window.h"

#include <gtest/gtest.h>

namespace {

TEST(GuiLaunch, MainWindowOpensWithTitleAndSizeAndClosesCleanly) {
    X11Session x;
    ASSERT_TRUE(x.ok()) << "no X display: run the GUI tests under Xvfb";
    TempDir work;
    ASSERT_TRUE(LinkProgramPictures(work));
    ChildProcess app(FW_FLAREWICK_EXE, {}, work.path(), {}, work.file("output.log"));

    XWindow w = x.waitForWindow("Flarewick(Cocos2dx)", 30);
    ASSERT_NE(0u, w) << "no window titled Flarewick(Cocos2dx); program output:\n" << work.read("output.log");
    int left, top, width, height;
    ASSERT_TRUE(x.geometry(w, left, top, width, height));
    EXPECT_EQ(1280, width);
    // A client area of 1000 with the menu bar and status bar around it.
    EXPECT_GT(height, 1000);
    EXPECT_LT(height, 1100);

    x.requestClose(w);
    ASSERT_TRUE(app.waitExit(20)) << "the program did not end after its window was closed";
    EXPECT_EQ(0, app.exitStatus()) << work.read("output.log");
    EXPECT_FALSE(work.exists("editor-config.json"))
        << "starting and closing the editor must not write its configuration";
}

} // namespace
