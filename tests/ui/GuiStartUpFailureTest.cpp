// Start-up on a driver below OpenGL 1.5: the message, then a clean end with a failure status.
#include "ChildProcess.h"
#include "TempDir.h"
#include "X11Window.h"

#include <gtest/gtest.h>

TEST(GuiStartUpFailure, OldOpenGLShowsTheMessageAndEndsWithFailureStatus) {
    TempDir work, logs;
    // Mesa reports whatever version this asks for.
    ChildProcess editor(FW_FLAREWICK_EXE, {}, work.path(), {"MESA_GL_VERSION_OVERRIDE=1.4"},
                        logs.file("log.txt"));
    if (!editor.waitExit(20)) {
        // A modal message box, when the program shows one, is closed like a user would.
        X11Session x;
        ASSERT_TRUE(x.ok());
        XWindow box = x.waitForWindow("OpenGL version too old", 5);
        ASSERT_NE(box, 0u) << "the program neither ended nor showed the message";
        x.requestClose(box);
        ASSERT_TRUE(editor.waitExit(20));
    }
    EXPECT_EQ(editor.exitStatus(), 1);
    std::string log = ReadFileText(logs.file("log.txt"));
    EXPECT_NE(log.find("OpenGL 1.5 or higher is required (your version is 1.4"), std::string::npos)
        << log;
    EXPECT_EQ(log.find("X Error"), std::string::npos) << log;
}
