// Crash recovery in the real program: an edit kept on disk, kill -9, the offer at the next start, and its answers.
#include "ChildProcess.h"
#include "ProgramFolder.h"
#include "ProgramGrid.h"
#include "TempDir.h"
#include "X11Window.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

int Shell(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str());
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Runs a Python check of plists with the standard library's reader; its
// output when it fails.
std::string PlistCheck(const std::string& script) {
    const std::string command = "python3 -c '" + script + "' 2>&1";
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        while (fgets(buffer, sizeof buffer, pipe)) output += buffer;
        if (pclose(pipe) == 0) return std::string();
    }
    return output.empty() ? "python3 failed" : output;
}

template <typename Condition>
bool WaitFor(Condition condition, double seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

// Every editor the test starts shares the work folder, and with it the
// recovery root under it.
class GuiCrashRecovery : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(x.ok()) << "no X display: run the GUI tests under Xvfb";
        ASSERT_TRUE(LinkProgramPictures(work));
    }

    std::string root() const { return work.file(".state/flarewick/recovery"); }
    std::string folderOf(const ChildProcess& run) const { return root() + "/" + std::to_string(run.pid()); }

    struct Run {
        std::unique_ptr<ChildProcess> process;
        XWindow window = 0;
    };
    // An editor, its main window up; `except` is a window of another run.
    Run start(const std::string& log, XWindow except = 0) {
        Run run;
        run.process = std::make_unique<ChildProcess>(FW_FLAREWICK_EXE, std::vector<std::string>{}, work.path(),
                                                     std::vector<std::string>{}, work.file(log));
        run.window = x.waitForWindow("Flarewick(Cocos2dx)", 30, except);
        return run;
    }
    void key(XWindow window, const std::string& keys) {
        Shell("xdotool windowfocus --sync " + std::to_string(window));
        Shell("xdotool key --delay 40 " + keys);
    }
    // A new effect, then its "速度" set to 123 in the real grid.
    void newEffectWithSpeed(XWindow window) {
        key(window, "ctrl+n");
        usleep(800000);
        ASSERT_TRUE(TypeIntoSpeedRow(x, window, "123"));
    }
    // The folder's single kept plist once it says what `has` says.
    bool waitForKept(const std::string& folder, const std::string& has) {
        return WaitFor([&] { return ReadAll(folder + "/1.plist").find(has) != std::string::npos; }, 8);
    }
    void closeWithoutSaving(Run& run) {
        x.requestClose(run.window);
        const XWindow prompt = x.waitForWindow("提示", 10);
        ASSERT_NE(0u, prompt);
        key(prompt, "alt+n");
        ASSERT_TRUE(run.process->waitExit(15));
        EXPECT_EQ(run.process->exitStatus(), 0);
    }

    X11Session x;
    TempDir work;
};

TEST_F(GuiCrashRecovery, AKilledRunsEditIsRestoredAtTheNextStartWhileASecondRunKeepsItsFolder) {
    // The second editor, running all along, with unsaved work of its own.
    Run other = start("other.log");
    ASSERT_NE(0u, other.window) << work.read("other.log");
    key(other.window, "ctrl+n");
    const std::string otherFolder = folderOf(*other.process);
    ASSERT_TRUE(WaitFor([&] { return fs::exists(otherFolder + "/1.plist"); }, 8)) << "nothing kept within the delay";
    const std::string otherKept = ReadAll(otherFolder + "/1.plist");

    Run crashed = start("crashed.log", other.window);
    ASSERT_NE(0u, crashed.window) << work.read("crashed.log");
    newEffectWithSpeed(crashed.window);
    const std::string crashedFolder = folderOf(*crashed.process);
    ASSERT_TRUE(waitForKept(crashedFolder, "<real>123.000000</real>")) << "the edit was not kept\n"
                                                                       << ReadAll(crashedFolder + "/1.plist");
    fs::copy_file(crashedFolder + "/1.plist", work.file("kept.plist"));
    crashed.process->kill();

    Run next = start("next.log", other.window);
    ASSERT_NE(0u, next.window) << work.read("next.log");
    const XWindow offer = x.waitForWindow("提示", 15);
    ASSERT_NE(0u, offer) << "nothing was offered\n" << work.read("next.log");
    key(offer, "Return");
    ASSERT_TRUE(WaitFor([&] { return !x.mapped(offer); }, 5)) << "Return did not answer the box";
    ASSERT_TRUE(WaitFor([&] { return !fs::exists(crashedFolder); }, 10)) << "the dead run's folder stayed";
    const std::string nextFolder = folderOf(*next.process);
    ASSERT_TRUE(waitForKept(nextFolder, "<real>123.000000</real>")) << "the restored effect is not kept as unsaved";

    // Saved from the restored object: it has no file, so the chooser asks.
    key(next.window, "ctrl+s");
    const XWindow chooser = x.waitForWindow("保存C++源文件", 15);
    ASSERT_NE(0u, chooser);
    // A save chooser's name field takes a whole path.
    Shell("xdotool windowfocus --sync " + std::to_string(chooser));
    usleep(300000);
    Shell("xdotool type --delay 15 '" + work.file("restored.plist") + "'");
    usleep(200000);
    Shell("xdotool key Return");
    ASSERT_TRUE(WaitFor([&] { return fs::exists(work.file("restored.plist")); }, 10));
    EXPECT_EQ(PlistCheck("import plistlib\n"
                         "kept = plistlib.load(open(\"" +
                         work.file("kept.plist") +
                         "\", \"rb\"))\n"
                         "restored = plistlib.load(open(\"" +
                         work.file("restored.plist") +
                         "\", \"rb\"))\n"
                         "assert kept[\"speed\"] == 123, kept[\"speed\"]\n"
                         "assert restored == kept, [k for k in kept if restored.get(k) != kept[k]]\n"),
              "");
    // Saved, nothing is left to keep.
    EXPECT_TRUE(WaitFor([&] { return !fs::exists(nextFolder + "/1.plist"); }, 8));

    // The second run's folder was neither taken nor changed.
    EXPECT_EQ(ReadAll(otherFolder + "/1.plist"), otherKept);
    x.requestClose(next.window);
    ASSERT_TRUE(next.process->waitExit(15)) << work.read("next.log");
    EXPECT_FALSE(fs::exists(nextFolder)) << "a normal close left the run's folder";
    closeWithoutSaving(other);
    EXPECT_FALSE(fs::exists(otherFolder));
}

TEST_F(GuiCrashRecovery, ClosingTheOfferKeepsTheFilesAndDiscardDeletesThem) {
    Run crashed = start("crashed.log");
    ASSERT_NE(0u, crashed.window) << work.read("crashed.log");
    key(crashed.window, "ctrl+n");
    const std::string crashedFolder = folderOf(*crashed.process);
    ASSERT_TRUE(WaitFor([&] { return fs::exists(crashedFolder + "/1.plist"); }, 8));
    crashed.process->kill();

    Run undecided = start("undecided.log");
    const XWindow offer = x.waitForWindow("提示", 15);
    ASSERT_NE(0u, offer) << work.read("undecided.log");
    EXPECT_TRUE(x.closeAndWait(offer, 5));
    x.requestClose(undecided.window);
    ASSERT_TRUE(undecided.process->waitExit(15)) << "a close with nothing unsaved asked something";
    EXPECT_TRUE(fs::exists(crashedFolder + "/1.plist")) << "closing the box lost the files";

    Run discarding = start("discarding.log");
    const XWindow again = x.waitForWindow("提示", 15);
    ASSERT_NE(0u, again) << "the kept files were not offered again";
    key(again, "alt+d");
    EXPECT_TRUE(WaitFor([&] { return !fs::exists(crashedFolder); }, 10)) << "discarding kept the files";
    x.requestClose(discarding.window);
    ASSERT_TRUE(discarding.process->waitExit(15));
    EXPECT_TRUE(fs::is_empty(root())) << "something was left in the recovery folder";
}

// A kept file that no longer loads is named with the reason and stays for
// a later start; the others are restored.
TEST_F(GuiCrashRecovery, AKeptFileThatNoLongerLoadsIsReportedAndKept) {
    const std::string folder = root() + "/999999999";
    fs::create_directories(folder);
    fs::copy_file(std::string(FW_TESTDATA_DIR) + "/plists/cocos2d-objc/Flower.plist", folder + "/1.plist");
    std::ofstream(folder + "/2.plist") << "<plist><dict><key>broken";
    std::ofstream(folder + "/index.json")
        << R"({"objects": [{"file": "1.plist", "name": "Particle2D", "path": ")" << work.file("flower.plist")
        << R"("}, {"file": "2.plist", "name": "Particle2D", "path": ""}]})";

    Run run = start("run.log");
    const XWindow offer = x.waitForWindow("提示", 15);
    ASSERT_NE(0u, offer) << work.read("run.log");
    key(offer, "Return");
    const XWindow report = x.waitForWindow("提示", 15, offer);
    ASSERT_NE(0u, report) << "the file that does not load was not reported";
    EXPECT_TRUE(x.closeAndWait(report, 5));
    EXPECT_TRUE(fs::exists(folder + "/2.plist"));
    EXPECT_FALSE(fs::exists(folder + "/1.plist")) << "the restored file was kept as well";
    EXPECT_EQ(ReadAll(folder + "/index.json").find("1.plist"), std::string::npos);

    // The restored effect has its original file: Save writes there without asking.
    key(run.window, "ctrl+s");
    EXPECT_TRUE(WaitFor([&] { return fs::exists(work.file("flower.plist")); }, 10)) << "Save did not use the path";
    x.requestClose(run.window);
    ASSERT_TRUE(run.process->waitExit(15));
    EXPECT_EQ(run.process->exitStatus(), 0);
}

} // namespace
