// The real program keeps the work directories in their stored order across restarts: one run adds a directory through
// the toolkit's chooser, later runs delete the first row they show.
#include "ChildProcess.h"
#include "ProgramFolder.h"
#include "TempDir.h"
#include "X11Window.h"

#include <gtest/gtest.h>
#include <json/reader.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace {

void Sleep(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

int Run(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str());
}

std::vector<std::string> StoredPaths(const std::string& file) {
    std::ifstream in(file);
    Json::Value v;
    Json::CharReaderBuilder b;
    std::string errors;
    if (!Json::parseFromStream(b, in, &v, &errors) || !v["WorkPathes"].isArray()) return {"<unreadable>"};
    std::vector<std::string> out;
    for (const Json::Value& entry : v["WorkPathes"]) out.push_back(entry.asString());
    return out;
}

struct DialogPlace {
    XWindow window = 0;
    int left = 0, top = 0, width = 0, height = 0;
};

void Click(int x, int y) {
    Run("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y) + " click 1");
}

// Starts the program, opens "添加工作目录" from the "设置" menu with the
// keyboard, lets `act` work in the dialog, waits for the stored list to change
// and closes the program.
template <typename Act>
void InARun(X11Session& x, TempDir& work, Act act) {
    const std::string config = work.file("editor-config.json");
    const std::vector<std::string> before = StoredPaths(config);
    ChildProcess app(FW_FLAREWICK_EXE, {}, work.path(), {"GSETTINGS_BACKEND=memory"}, work.file("output.log"));
    XWindow frame = x.waitForWindow("Flarewick(Cocos2dx)", 30);
    ASSERT_NE(frame, 0u) << work.read("output.log");
    Sleep(500);
    // Without a window manager the frame gets the keyboard only when asked.
    ASSERT_EQ(Run("xdotool windowfocus --sync " + std::to_string(frame)), 0);
    Run("xdotool key alt+s");
    Sleep(400);
    Run("xdotool key Down");
    Sleep(200);
    Run("xdotool key Return");
    DialogPlace dialog;
    dialog.window = x.waitForWindow("添加工作目录", 10);
    ASSERT_NE(dialog.window, 0u) << "the work-path dialog did not open";
    Sleep(300);
    ASSERT_TRUE(x.geometry(dialog.window, dialog.left, dialog.top, dialog.width, dialog.height));
    act(dialog);
    for (int i = 0; i < 50 && StoredPaths(config) == before; ++i) Sleep(100);
    x.requestClose(frame);
    ASSERT_TRUE(app.waitExit(20)) << work.read("output.log");
}

// The list fills the top of the dialog; "添加" and "删除" sit below it, left
// and right.
void DeleteFirstRow(const DialogPlace& d) {
    Click(d.left + 40, d.top + 14);
    Sleep(300);
    Click(d.left + d.width * 3 / 4, d.top + d.height - 32);
}

// "添加" opens the toolkit's directory chooser, which has the dialog's title;
// the path is typed into its location field as a user would.
void AddThroughTheChooser(X11Session& x, const DialogPlace& d, const std::string& path) {
    Click(d.left + d.width / 4, d.top + d.height - 32);
    XWindow chooser = x.waitForWindow("添加工作目录", 10, d.window);
    ASSERT_NE(chooser, 0u) << "\"添加\" did not open the directory chooser";
    ASSERT_EQ(Run("xdotool windowfocus --sync " + std::to_string(chooser)), 0);
    Sleep(400);
    Run("xdotool key ctrl+l");
    Sleep(200);
    Run("xdotool type --delay 15 '" + path + "'");
    Sleep(300);
    Run("xdotool key Return");
    for (int i = 0; i < 50 && x.mapped(chooser); ++i) Sleep(100);
    EXPECT_FALSE(x.mapped(chooser)) << "the chooser did not take the typed path";
}

TEST(GuiWorkPathRestart, EntriesKeepTheirOrderAcrossARestart) {
    X11Session x;
    ASSERT_TRUE(x.ok()) << "no X display: run the GUI tests under Xvfb";
    TempDir work;
    ASSERT_TRUE(LinkProgramPictures(work));
    const std::string b = work.file("B"), a = work.file("A"), c = work.file("C"), d_dir = work.file("D");
    for (const std::string& dir : {a, b, c, d_dir}) std::filesystem::create_directories(dir);
    // Not in name order, so that a sorted list would show.
    work.write("editor-config.json", "{ \"WorkPathes\": [\"" + b + "\", \"" + a + "\", \"" + c +
                                         "\"], \"DesignWidth\": 640, \"DesignHeight\": 960 }");

    // An entry added in one run comes after the stored ones in the next.
    InARun(x, work, [&](const DialogPlace& d) { AddThroughTheChooser(x, d, d_dir); });
    EXPECT_EQ(StoredPaths(work.file("editor-config.json")), (std::vector<std::string>{b, a, c, d_dir}));
    InARun(x, work, DeleteFirstRow);
    EXPECT_EQ(StoredPaths(work.file("editor-config.json")), (std::vector<std::string>{a, c, d_dir}));
    InARun(x, work, DeleteFirstRow);
    EXPECT_EQ(StoredPaths(work.file("editor-config.json")), (std::vector<std::string>{c, d_dir}));
    EXPECT_TRUE(std::filesystem::exists(a)) << "deleting an entry never touches the directory";
}

} // namespace
