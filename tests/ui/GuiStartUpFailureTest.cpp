// Start-up on a driver below OpenGL 1.5: the message, then a clean end with a failure status.
#include "ChildProcess.h"
#include "ProgramFolder.h"
#include "TempDir.h"
#include "X11Window.h"

#include <gtest/gtest.h>

#include <unistd.h>

TEST(GuiStartUpFailure, OldOpenGLShowsTheMessageAndEndsWithFailureStatus) {
    TempDir work, logs;
    ASSERT_TRUE(LinkProgramPictures(work));
    // Mesa reports whatever version this asks for.
    ChildProcess editor(FW_FLAREWICK_EXE, {}, work.path(), {"MESA_GL_VERSION_OVERRIDE=1.4"}, logs.file("log.txt"));
    // The message is a modal box: close it as a user would, then the program ends.
    X11Session x;
    ASSERT_TRUE(x.ok());
    bool sawBox = false;
    for (int i = 0; i < 200 && editor.running(); ++i) {
        if (XWindow box = x.waitForWindow("OpenGL version too old", 0.1)) {
            sawBox = true;
            x.requestClose(box);
        }
    }
    ASSERT_TRUE(editor.waitExit(20)) << "the program neither ended nor showed the message";
    EXPECT_TRUE(sawBox) << "no message box titled \"OpenGL version too old\"";
    EXPECT_EQ(editor.exitStatus(), 1);
    std::string log = ReadFileText(logs.file("log.txt"));
    EXPECT_NE(log.find("OpenGL 1.5 or higher is required (your version is 1.4"), std::string::npos) << log;
    EXPECT_EQ(log.find("X Error"), std::string::npos) << log;
}
