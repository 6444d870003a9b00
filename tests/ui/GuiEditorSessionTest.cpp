// A designer's session in the real program: Open and Save through the real file chooser, effects on screen, close.
#include "EngineHostScreen.h"
#include "KeyboardUser.h"
#include "TestData.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

const char* const kChooserTitle = "保存C++源文件";

// Pixels of the view that are neither the black design area, the grey
// around it nor the red frame of the selected object.
int LitPixels(const Screenshot& shot) {
    int lit = 0;
    for (const Rgb& c : shot.pixels) {
        const bool frame = c.r > 200 && c.g < 40 && c.b < 40;
        if (c.r + c.g + c.b > 3 * 60 && !IsMidGrey(c) && !frame) ++lit;
    }
    return lit;
}

// What Python's plistlib reads from the file: the number of pairs, or -1.
int PlistPairCount(const std::string& path) {
    const std::string command =
        "python3 -c 'import plistlib,sys; print(len(plistlib.load(open(sys.argv[1],\"rb\"))))' '" + path + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return -1;
    char line[256] = {0};
    const bool read = fgets(line, sizeof line, pipe) != nullptr;
    return pclose(pipe) == 0 && read ? std::atoi(line) : -1;
}

} // namespace

TEST(GuiEditorSession, OpenAndSaveThroughTheChooserShowEffectsAndCloseCleanly) {
    TempDir work;
    const std::string plist = TestPlistsDir() + "bulletwar/fire.plist";
    ASSERT_TRUE(TestFileExists(plist));
    RunningEditor editor(work.path(), {"FLAREWICK_FRAME_STATS=1", "GSETTINGS_BACKEND=memory"});
    ASSERT_NE(editor.window(), 0u) << editor.log();
    KeyboardUser session(editor);
    ASSERT_TRUE(session.focusMain());

    // An empty scene: the design area is black.
    EXPECT_LT(LitPixels(editor.shootView()), 20);

    // Open a particle file from the test data: its effect plays on screen.
    ASSERT_TRUE(Keys("ctrl+o"));
    ASSERT_TRUE(session.choose(kChooserTitle, plist, true)) << "the open chooser did not take the path\n"
                                                            << editor.log();
    Sleep(1000);
    const int lit = LitPixels(editor.shootView());
    EXPECT_GT(lit, 100) << "no particles drawn after opening " << plist;

    // New, then Save: the chooser asks, the typed path gets the plist.
    ASSERT_TRUE(session.focusMain());
    ASSERT_TRUE(Keys("ctrl+n"));
    Sleep(300);
    ASSERT_TRUE(Keys("ctrl+s"));
    const std::string saved = work.file("flower.plist");
    ASSERT_TRUE(session.choose(kChooserTitle, saved, false)) << "the save chooser did not take the path\n"
                                                             << editor.log();
    for (int i = 0; i < 50 && !work.exists("flower.plist"); ++i) Sleep(100);
    ASSERT_TRUE(work.exists("flower.plist")) << editor.log();
    EXPECT_EQ(PlistPairCount(saved), 47);

    // Several effects playing when the window closes: status 0, no frame after the close.
    ASSERT_TRUE(session.focusMain());
    ASSERT_TRUE(Keys("ctrl+n"));
    Sleep(500);
    EXPECT_GT(LitPixels(editor.shootView()), lit);
    editor.x().requestClose(editor.window());
    // The last effect was never saved: the close asks, and "不保存(&N)" goes on.
    const XWindow box = editor.x().waitForWindow("提示", 10);
    ASSERT_NE(box, 0u) << "no question about the unsaved effect\n" << editor.log();
    ASSERT_TRUE(Focus(box));
    Sleep(300);
    ASSERT_TRUE(Keys("alt+n"));
    ASSERT_TRUE(editor.process().waitExit(20)) << "the program did not end after the close request";
    EXPECT_EQ(editor.process().exitStatus(), 0) << editor.log();
    const std::string log = editor.log();
    EXPECT_NE(log.find("frames after close 0"), std::string::npos) << log;
    EXPECT_EQ(log.find("X Error"), std::string::npos) << log;
}
