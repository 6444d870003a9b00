// "导出动画…" in the real program through real keys: each format matches particle-render, cancel and a locked folder.
#include "AnimationReader.h"
#include "EngineHostScreen.h"
#include "KeyboardUser.h"

#include <gtest/gtest.h>
#include <json/json.h>

#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char* const kSaveChooser = "保存C++源文件";
const char* const kExportChooser = "选择导出位置";
const char* const kDialog = "导出动画";
const char* const kProgress = "正在导出…";

// particle-render is installed beside the editor, which runs it.
std::string RenderTool() {
    return fs::path(FW_FLAREWICK_EXE).parent_path().string() + "/particle-render";
}

// What is in a folder, hidden names included.
std::vector<std::string> Names(const std::string& dir) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(dir, ec)) names.push_back(e.path().filename().string());
    return names;
}

bool WaitFor(const std::string& path, double seconds) {
    for (int i = 0; i < seconds * 10; ++i) {
        if (fs::exists(path)) return true;
        Sleep(100);
    }
    return false;
}

class ExportSession {
public:
    explicit ExportSession(RunningEditor& editor) : m_editor(editor), m_user(editor) {}
    KeyboardUser& user() { return m_user; }

    // File menu, down to the entry after "另存为", Return: the dialog, or 0.
    XWindow openDialog() {
        if (!m_user.focusMain() || !Keys("alt+f")) return 0;
        Sleep(300);
        if (!Keys("Down Down Down Down")) return 0;
        Sleep(200);
        if (!Keys("Return")) return 0;
        const XWindow dialog = m_editor.x().waitForWindow(kDialog, 10);
        if (dialog && Focus(dialog)) Sleep(300);
        return dialog;
    }

    // The keys after the dialog opens (format choice focused), then Return for "导出…" (from a field: on the
    // format choice it opens the list) and the path typed into the chooser.
    bool exportWith(const std::string& keys, const std::string& path) {
        if (!openDialog()) return false;
        if (!keys.empty() && !Run("xdotool key --clearmodifiers --delay 60 " + keys)) return false;
        Sleep(200);
        return Keys("Return") && m_user.choose(kExportChooser, path, false);
    }

    // Waits until the progress dialog of the last export has come and gone.
    bool finished(double seconds = 20) {
        const XWindow progress = m_editor.x().waitForWindow(kProgress, 2);
        for (int i = 0; progress && i < seconds * 10; ++i) {
            if (!m_editor.x().mapped(progress)) return true;
            Sleep(100);
        }
        return !progress;
    }

private:
    RunningEditor& m_editor;
    KeyboardUser m_user;
};

// Sets size 64 x 48, centred, 0.2 s: six small frames, from the format choice onwards.
const char* const kSmallExport = "Tab ctrl+a 6 4 Tab ctrl+a 4 8 Tab space Tab Tab ctrl+a 0 period 2 Tab";

// The same export by the command-line tool from the saved effect.
void RenderWithTool(const std::string& work, const std::string& format, const std::string& out) {
    std::string command = "cd '" + work + "' && env -u DISPLAY '" + RenderTool() +
                          "' fx.plist --search-path res --size 64x48 --frames 6 --fps 30 --seed 1 "
                          "--background transparent --format " +
                          format + " --out '" + out + "'";
    // The dialog's edge colour starts black.
    if (format == "gif") command += " --matte '#000000'";
    ASSERT_EQ(std::system((command + " >/dev/null 2>&1").c_str()), 0) << command;
}

// What Python prints for `expression` over the JSON file loaded as d.
std::string PythonJson(const std::string& path, const std::string& expression) {
    const std::string command =
        "python3 -c 'import json,sys; d=json.load(open(sys.argv[1])); print(" + expression + ")' '" + path + "' 2>&1";
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buf[512];
        while (fgets(buf, sizeof buf, pipe)) out += buf;
        pclose(pipe);
    }
    while (!out.empty() && out.back() == '\n') out.pop_back();
    return out;
}

std::string ReadAll(const std::string& path) {
    std::string out;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        char buf[65536];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
        std::fclose(f);
    }
    return out;
}

// The real program with a new effect selected, waiting for keys.
class GuiExportAnimation : public testing::Test {
protected:
    void SetUp() override {
        m_editor = std::make_unique<RunningEditor>(work.path(), std::vector<std::string>{"GSETTINGS_BACKEND=memory"});
        ASSERT_NE(m_editor->window(), 0u) << m_editor->log();
        m_session = std::make_unique<ExportSession>(*m_editor);
        ASSERT_TRUE(m_session->user().focusMain());
        ASSERT_TRUE(Keys("ctrl+n"));
        Sleep(300);
    }

    TempDir work;
    std::unique_ptr<RunningEditor> m_editor;
    std::unique_ptr<ExportSession> m_session;
};

} // namespace

TEST_F(GuiExportAnimation, EachFormatThroughTheMenuGivesTheToolsFramesAndALockedFolderGivesTheBox) {
    // The effect saved, so that the tool can draw the very same file.
    ASSERT_TRUE(Keys("ctrl+s"));
    ASSERT_TRUE(m_session->user().choose(kSaveChooser, work.file("fx.plist"), false)) << m_editor->log();
    ASSERT_TRUE(WaitFor(work.file("fx.plist"), 5));

    // PNG frames (the first format) with the small settings; the dialog keeps them, and each later export steps
    // the format one down from the last one.
    const struct {
        const char* keys;
        const char* typed;
        const char* written;
    } kExports[] = {{kSmallExport, "frames", "frames/frame_0005.png"},
                    {"Down Tab", "sheet", "sheet.json"},
                    {"Down Tab", "anim.webp", "anim.webp"},
                    // The format's extension is added to a name typed without one.
                    {"Down Tab", "anim", "anim.gif"}};
    for (const auto& e : kExports) {
        ASSERT_TRUE(m_session->exportWith(e.keys, work.file(e.typed))) << e.typed << "\n" << m_editor->log();
        ASSERT_TRUE(m_session->finished()) << e.typed;
        ASSERT_TRUE(fs::exists(work.file(e.written))) << e.written << "\n" << m_editor->log();
    }

    // The tool with the same options draws the same frames.
    RenderWithTool(work.path(), "png", work.file("tool-frames"));
    EXPECT_FALSE(fs::exists(work.file("frames/frame_0006.png")));
    for (int i = 0; i < 6; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "/frame_%04d.png", i);
        const std::string ours = ReadAll(work.file("frames") + name);
        EXPECT_GT(ours.size(), 100u) << name;
        EXPECT_TRUE(ours == ReadAll(work.file("tool-frames") + name)) << name;
    }
    RenderWithTool(work.path(), "sheet", work.file("tool-sheet.png"));
    EXPECT_TRUE(ReadAll(work.file("sheet.png")) == ReadAll(work.file("tool-sheet.png")));
    // The sheet's list as Python's json reads it: its picture by name and the six frames.
    EXPECT_EQ(PythonJson(work.file("sheet.json"), R"(d["image"], len(d["frames"]), d["frames"][5]["time"])"),
              "sheet.png 6 0.2");
    for (const char* format : {"webp", "gif"}) {
        const std::string tool = work.file(std::string("tool.") + format);
        RenderWithTool(work.path(), format, tool);
        Json::Value same;
        ASSERT_TRUE(readAnimation({"same", work.file(std::string("anim.") + format), tool}, &same));
        EXPECT_EQ(same["frames_a"].asInt(), 6) << format;
        EXPECT_EQ(same["frames_b"].asInt(), 6) << format;
        EXPECT_EQ(same["largest"].asInt(), 0) << format;
    }
    std::string mux;
    ASSERT_TRUE(webpmuxInfo(work.file("anim.webp"), &mux));
    EXPECT_NE(mux.find("Canvas size: 64 x 48"), std::string::npos) << mux;
    EXPECT_NE(mux.find("Loop Count : 0"), std::string::npos) << mux;

    // A folder nobody may write to: the box with the reason, nothing left in the folder.
    const std::string locked = work.file("locked");
    ASSERT_TRUE(fs::create_directory(locked));
    ASSERT_EQ(chmod(locked.c_str(), 0555), 0);
    ASSERT_TRUE(m_session->exportWith("Tab", locked + "/anim.gif")) << m_editor->log();
    m_session->finished();
    const XWindow box = m_editor->x().waitForWindow("提示", 10);
    EXPECT_NE(box, 0u) << "no box for the locked folder\n" << m_editor->log();
    EXPECT_TRUE(Names(locked).empty());
    if (box) {
        Focus(box);
        Keys("Return");
    }
    chmod(locked.c_str(), 0755);
    // Nothing of the staging folders is left anywhere.
    for (const std::string& name : Names(work.path())) EXPECT_EQ(name.find(".flarewick-export"), std::string::npos);
    EXPECT_TRUE(m_editor->process().running());
}

TEST_F(GuiExportAnimation, CancelInTheMiddleStopsTheRenderAndLeavesNothing) {
    // The design size and 20 s: far longer than the wait before the cancel.
    ASSERT_TRUE(m_session->exportWith("Down Down Tab Tab Tab Tab Tab ctrl+a 2 0 Tab", work.file("long.webp")));
    const XWindow progress = m_editor->x().waitForWindow(kProgress, 10);
    ASSERT_NE(progress, 0u) << m_editor->log();
    Sleep(1500);
    // The staging folder is there while the render runs.
    bool staging = false;
    for (const std::string& name : Names(work.path())) staging |= name.find(".flarewick-export") == 0;
    EXPECT_TRUE(staging);
    ASSERT_TRUE(Focus(progress));
    ASSERT_TRUE(Keys("Escape"));
    for (int i = 0; i < 50 && m_editor->x().mapped(progress); ++i) Sleep(100);
    EXPECT_FALSE(m_editor->x().mapped(progress));
    Sleep(500);
    // The program's pictures, and the state folder its recovery files go to.
    for (const std::string& name : Names(work.path()))
        EXPECT_TRUE(name == "rc" || name == "res" || name == ".state") << name << " left behind";
    EXPECT_TRUE(m_editor->process().running());
}
