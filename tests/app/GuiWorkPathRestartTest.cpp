// The real program keeps the work directories in their stored order across a restart: each run deletes the first row it
// shows.
#include "ChildProcess.h"
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

// Starts the program, opens "添加工作目录" from the "设置" menu with the
// keyboard, clicks the first row and then "删除", and closes the program.
void DeleteFirstRowInARun(X11Session& x, TempDir& work) {
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
    XWindow dialog = x.waitForWindow("添加工作目录", 10);
    ASSERT_NE(dialog, 0u) << "the work-path dialog did not open";
    Sleep(300);
    int left, top, width, height;
    ASSERT_TRUE(x.geometry(dialog, left, top, width, height));
    // The list fills the top; "删除" is the right-hand button below it.
    Run("xdotool mousemove " + std::to_string(left + 40) + " " + std::to_string(top + 14) + " click 1");
    Sleep(300);
    Run("xdotool mousemove " + std::to_string(left + width * 3 / 4) + " " + std::to_string(top + height - 32) +
        " click 1");
    for (int i = 0; i < 50 && StoredPaths(config) == before; ++i) Sleep(100);
    x.requestClose(frame);
    ASSERT_TRUE(app.waitExit(20)) << work.read("output.log");
}

TEST(GuiWorkPathRestart, EntriesKeepTheirOrderAcrossARestart) {
    X11Session x;
    ASSERT_TRUE(x.ok()) << "no X display: run the GUI tests under Xvfb";
    TempDir work;
    for (const char* folder : {"rc", "res"})
        ASSERT_EQ(symlink((std::string(FW_SOURCE_DIR) + "/" + folder).c_str(), work.file(folder).c_str()), 0);
    const std::string b = work.file("B"), a = work.file("A"), c = work.file("C");
    for (const std::string& dir : {a, b, c}) std::filesystem::create_directories(dir);
    // Not in name order, so that a sorted list would show.
    work.write("editor-config.json", "{ \"WorkPathes\": [\"" + b + "\", \"" + a + "\", \"" + c +
                                         "\"], \"DesignWidth\": 640, \"DesignHeight\": 960 }");

    DeleteFirstRowInARun(x, work);
    EXPECT_EQ(StoredPaths(work.file("editor-config.json")), (std::vector<std::string>{a, c}));
    DeleteFirstRowInARun(x, work);
    EXPECT_EQ(StoredPaths(work.file("editor-config.json")), (std::vector<std::string>{c}));
    DeleteFirstRowInARun(x, work);
    EXPECT_EQ(StoredPaths(work.file("editor-config.json")), std::vector<std::string>{});
    EXPECT_TRUE(std::filesystem::exists(a)) << "deleting an entry never touches the directory";
}

} // namespace
