// Saving in the real program when the system refuses the write: the old file stays, nothing is left behind.
#include "ChildProcess.h"
#include "ProgramFolder.h"
#include "ProgramGrid.h"
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
    void start(const std::string& exe, const std::vector<std::string>& args,
               const std::vector<std::string>& env = {"FLAREWICK_SERVER=127.0.0.1:1"}) {
        app = std::make_unique<ChildProcess>(exe, args, work.path(), env, work.file("output.log"));
        main = x.waitForWindow("Flarewick(Cocos2dx)", 30);
        ASSERT_NE(0u, main) << work.read("output.log");
        usleep(1000000); // the file opens once the window is on screen
    }
    // An edit in the grid: the effect then has unsaved changes.
    void edit() {
        ASSERT_TRUE(TypeIntoSpeedRow(x, main, "123"));
        ASSERT_TRUE(waitForTitle(true)) << "the edit did not mark the effect unsaved";
    }
    // Whether the title says that something is unsaved.
    bool marked() {
        const std::string title = x.title(main);
        return title.size() > 2 && title.compare(title.size() - 2, 2, " *") == 0;
    }
    bool waitForTitle(bool unsaved) {
        for (int i = 0; i < 50; ++i) {
            if (marked() == unsaved) return true;
            usleep(100000);
        }
        return false;
    }
    // Ctrl+S; the failure's box.
    XWindow save() {
        if (Shell("xdotool windowfocus --sync " + std::to_string(main)) != 0) return 0;
        Shell("xdotool key ctrl+s");
        return x.waitForWindow("警告", 15);
    }
    // Unsaved work makes a close ask; the test answers "不保存".
    void forceClose() {
        const bool unsaved = marked();
        x.requestClose(main);
        if (const XWindow prompt = unsaved ? x.waitForWindow("提示", 10) : 0) {
            Shell("xdotool windowfocus --sync " + std::to_string(prompt));
            Shell("xdotool key alt+n");
        }
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
    edit();
    // The edit's recovery file does not fit either: said once, in its own box.
    const XWindow recoveryBox = x.waitForWindow("提示", 10);
    ASSERT_NE(0u, recoveryBox) << "a recovery file that could not be written went unreported";
    EXPECT_TRUE(x.closeAndWait(recoveryBox, 5));
    const XWindow box = save();
    ASSERT_NE(0u, box) << "no failure was reported\n" << work.read("output.log");
    EXPECT_TRUE(app->running()) << "the write past the limit ended the program";
    EXPECT_EQ(ReadAll(effect), before) << "the old file changed";
    std::set<std::string> after = Names(work.path());
    after.erase("output.log");
    after.erase("editor-config.json");
    after.erase(".state");
    EXPECT_EQ(after, names) << "a temporary file was left behind";
    EXPECT_TRUE(x.closeAndWait(box, 5));
    EXPECT_TRUE(waitForTitle(true)) << "a failed save cleared the unsaved mark";
    forceClose();
}

// The folder of the effect's file goes away while the editor runs: Save
// (which asks nothing, the object has its file) must not make it again.
TEST_F(GuiHostileSave, AFolderDeletedAfterTheFileWasChosenFailsWithTheReason) {
    const std::string folder = work.file("assets");
    fs::create_directory(folder);
    fs::copy_file(std::string(FW_TESTDATA_DIR) + "/plists/cocos2d-objc/Flower.plist", folder + "/effect.plist");

    start(FW_FLAREWICK_EXE, {"assets/effect.plist"});
    edit();
    fs::remove_all(folder);
    const XWindow box = save();
    ASSERT_NE(0u, box) << "no failure was reported\n" << work.read("output.log");
    EXPECT_TRUE(app->running());
    EXPECT_FALSE(fs::exists(folder)) << "the save made the deleted folder again";
    EXPECT_TRUE(x.closeAndWait(box, 5));
    EXPECT_TRUE(waitForTitle(true)) << "a failed save cleared the unsaved mark";
    forceClose();
}

// The user cannot write into the folder (the editor runs as another user
// than the folder's owner; root may write anywhere).
TEST_F(GuiHostileSave, AFolderWithoutWritePermissionFailsWithTheReasonAndKeepsTheEffectUnsaved) {
    const std::string folder = work.file("locked");
    fs::create_directory(folder);
    const std::string effect = folder + "/effect.plist";
    fs::copy_file(std::string(FW_TESTDATA_DIR) + "/plists/cocos2d-objc/Flower.plist", effect);
    const std::string before = ReadAll(effect);
    // The file itself may be written; only the folder refuses new names.
    fs::permissions(effect, fs::perms::all & ~(fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec));
    const fs::perms readOnly = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                               fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;
    if (geteuid() != 0) {
        fs::permissions(folder, readOnly);
        start(FW_FLAREWICK_EXE, {"locked/effect.plist"});
    } else {
        // Root may write anywhere: the editor runs as another user, who
        // needs the work folder, a state folder, a home and the display.
        fs::permissions(folder, readOnly | fs::perms::owner_write);
        const std::string nobody = "65534";
        fs::permissions(work.path(), fs::perms::all);
        fs::create_directories(work.file(".state"));
        fs::create_directories(work.file("home"));
        ASSERT_EQ(Shell("chown " + nobody + ":" + nobody + " " + work.file(".state") + " " + work.file("home")), 0);
        std::vector<std::string> env{"HOME=" + work.file("home"), "FLAREWICK_SERVER=127.0.0.1:1"};
        if (const char* cookie = std::getenv("XAUTHORITY")) {
            fs::copy_file(cookie, work.file("xauthority"));
            fs::permissions(work.file("xauthority"),
                            fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
            env.push_back("XAUTHORITY=" + work.file("xauthority"));
        }
        start("/usr/bin/setpriv",
              {"--reuid=" + nobody, "--regid=" + nobody, "--clear-groups", FW_FLAREWICK_EXE, "locked/effect.plist"},
              env);
    }
    edit();

    const XWindow box = save();
    ASSERT_NE(0u, box) << "no failure was reported\n" << work.read("output.log");
    EXPECT_EQ(ReadAll(effect), before) << "the old file changed";
    EXPECT_EQ(Names(folder), std::set<std::string>{"effect.plist"}) << "a temporary file was left behind";
    EXPECT_TRUE(x.closeAndWait(box, 5));
    EXPECT_TRUE(waitForTitle(true)) << "a failed save cleared the unsaved mark";
    forceClose();
    ASSERT_TRUE(app->waitExit(15)) << work.read("output.log");
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
}

// Spaces, Chinese and a byte that is no UTF-8 in the folder's name: the file
// named on the command line opens, and Save writes it where it is.
TEST_F(GuiHostileSave, AFolderNameWithSpacesChineseAndNonUtf8BytesIsSavedInPlace) {
    const std::string name = "a b \xe7\x89\xb9\xe6\x95\x88 \xff";
    const std::string folder = work.file(name);
    fs::create_directory(folder);
    fs::copy_file(std::string(FW_TESTDATA_DIR) + "/plists/cocos2d-objc/Flower.plist", folder + "/effect.plist");
    const std::set<std::string> names = Names(work.path());

    start(FW_FLAREWICK_EXE, {name + "/effect.plist"});
    edit();
    Shell("xdotool windowfocus --sync " + std::to_string(main));
    Shell("xdotool key ctrl+s");
    EXPECT_TRUE(waitForTitle(false)) << "the save did not go through\n" << work.read("output.log");
    EXPECT_EQ(Names(folder), std::set<std::string>{"effect.plist"});
    std::set<std::string> after = Names(work.path());
    after.erase("output.log");
    after.erase("editor-config.json");
    after.erase(".state");
    EXPECT_EQ(after, names) << "the save went to another folder";
    // The file is read back by the standard library's plist reader.
    const std::string check = "python3 -c 'import plistlib, sys; "
                              "d = plistlib.load(open(sys.argv[1].encode(\"utf-8\", \"surrogateescape\"), \"rb\")); "
                              "sys.exit(d[\"speed\"] != 123)' '" +
                              folder + "/effect.plist'";
    EXPECT_EQ(std::system(check.c_str()), 0) << "the saved file does not hold the edit";
    forceClose();
    ASSERT_TRUE(app->waitExit(15)) << work.read("output.log");
}

} // namespace
