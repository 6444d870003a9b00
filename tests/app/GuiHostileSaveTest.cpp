// Saving in the real program when the system refuses the write: the old file stays, nothing is left behind.
#include "ChildProcess.h"
#include "ProgramFolder.h"
#include "TempDir.h"
#include "X11Window.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int Shell(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str());
}

std::set<std::string> Names(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

// The real program started on an effect's file, saved with Ctrl+S.
class GuiHostileSave : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(x.ok()) << "no X display: run the GUI tests under Xvfb";
        ASSERT_TRUE(LinkProgramPictures(work));
    }
    // Starts `exe` with `args` (the program itself, or a shell that sets a
    // limit first) and waits until the window is up with the file open.
    void start(const std::string& exe, const std::vector<std::string>& args) {
        app = std::make_unique<ChildProcess>(
            exe, args, work.path(), std::vector<std::string>{"FLAREWICK_SERVER=127.0.0.1:1"}, work.file("output.log"));
        main = x.waitForWindow("Flarewick(Cocos2dx)", 30);
        ASSERT_NE(0u, main) << work.read("output.log");
        usleep(1000000); // the file opens once the window is on screen
    }
    // Ctrl+S; the failure's box.
    XWindow save() {
        if (Shell("xdotool windowfocus --sync " + std::to_string(main)) != 0) return 0;
        Shell("xdotool key ctrl+s");
        return x.waitForWindow("警告", 15);
    }
    void closeBoxAndProgram(XWindow box) {
        EXPECT_TRUE(x.closeAndWait(box, 5)) << "the box did not close";
        x.requestClose(main);
        ASSERT_TRUE(app->waitExit(15)) << work.read("output.log");
        EXPECT_EQ(app->exitStatus(), 0) << work.read("output.log");
    }

    X11Session x;
    TempDir work;
    std::unique_ptr<ChildProcess> app;
    XWindow main = 0;
};

// A file-size limit stands for a full disk: the write stops part way. The
// system's default answer to a write past the limit is to end the process.
TEST_F(GuiHostileSave, AWritePastTheFileSizeLimitFailsWithTheReasonAndKeepsTheOldFile) {
    const std::string effect = work.file("effect.plist");
    fs::copy_file(std::string(FW_TESTDATA_DIR) + "/plists/cocos2d-objc/Flower.plist", effect);
    const std::string before = ReadAll(effect);
    ASSERT_GT(before.size(), 2048u);
    const std::set<std::string> names = Names(work.path());

    // 2 blocks of 512 bytes: the editor's own small files fit, the plist does not.
    start("/bin/sh", {"-c", "ulimit -f 2; exec \"$0\" \"$@\"", FW_FLAREWICK_EXE, "effect.plist"});
    const XWindow box = save();
    ASSERT_NE(0u, box) << "no failure was reported\n" << work.read("output.log");
    EXPECT_TRUE(app->running()) << "the write past the limit ended the program";
    EXPECT_EQ(ReadAll(effect), before) << "the old file changed";
    std::set<std::string> after = Names(work.path());
    after.erase("output.log");
    after.erase("editor-config.json");
    EXPECT_EQ(after, names) << "a temporary file was left behind";
    closeBoxAndProgram(box);
}

// The folder of the effect's file goes away while the editor runs: Save
// (which asks nothing, the object has its file) must not make it again.
TEST_F(GuiHostileSave, AFolderDeletedAfterTheFileWasChosenFailsWithTheReason) {
    const std::string folder = work.file("assets");
    fs::create_directory(folder);
    fs::copy_file(std::string(FW_TESTDATA_DIR) + "/plists/cocos2d-objc/Flower.plist", folder + "/effect.plist");

    start(FW_FLAREWICK_EXE, {"assets/effect.plist"});
    fs::remove_all(folder);
    const XWindow box = save();
    ASSERT_NE(0u, box) << "no failure was reported\n" << work.read("output.log");
    EXPECT_TRUE(app->running());
    EXPECT_FALSE(fs::exists(folder)) << "the save made the deleted folder again";
    closeBoxAndProgram(box);
}

} // namespace
