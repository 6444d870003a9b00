// The work-path dialog: restoring the stored list, adding, refusing duplicates, deleting, and the engine's search
// paths.
#include "ui/AddWorkPathDlg.h"

#include "app/EditorConfig.h"

#include "TempDir.h"
#include "UiToolkit.h"

#include <gtest/gtest.h>
#include <json/reader.h>
#include <wx/dirdlg.h>
#include <wx/frame.h>
#include <wx/modalhook.h>

#include <gtk/gtk.h>

#include "platform/CCFileUtils.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class GuiAddWorkPathDlg : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(StartToolkit()) << "no X display: run the GUI tests under Xvfb";
        m_oldDir = fs::current_path();
        fs::current_path(work.path());
        EditorConfig = Json::Value(Json::objectValue);
        m_searchPaths = cocos2d::FileUtils::getInstance()->getSearchPaths();
        frame = new wxFrame(nullptr, wxID_ANY, "host", wxPoint(50, 50), wxSize(600, 500));
        frame->Show();
    }
    void TearDown() override {
        frame->Destroy();
        PumpEvents(50);
        cocos2d::FileUtils::getInstance()->setSearchPaths(m_searchPaths);
        fs::current_path(m_oldDir);
    }

    std::string makeDir(const std::string& name) {
        std::string path = work.file(name);
        fs::create_directories(path);
        return path;
    }
    Json::Value storedFile() {
        std::ifstream in(work.file("editor-config.json"));
        Json::Value v;
        Json::CharReaderBuilder b;
        std::string errors;
        EXPECT_TRUE(Json::parseFromStream(b, in, &v, &errors)) << errors;
        return v;
    }
    static std::vector<std::string> listed(const AddWorkPathDlg& dlg) {
        std::vector<std::string> out;
        for (unsigned i = 0; i < dlg.m_listWorkPaths->GetCount(); ++i)
            out.push_back(dlg.m_listWorkPaths->GetString(i).utf8_string());
        return out;
    }
    static bool engineSearches(const std::string& dir) {
        auto paths = cocos2d::FileUtils::getInstance()->getSearchPaths();
        return std::find(paths.begin(), paths.end(), dir + "/") != paths.end();
    }

    TempDir work;
    wxFrame* frame = nullptr;
    fs::path m_oldDir;
    std::vector<std::string> m_searchPaths;
};

TEST_F(GuiAddWorkPathDlg, LayoutAndFixedId) {
    AddWorkPathDlg dlg(frame, 77, wxString::FromUTF8("添加工作目录"), wxDefaultPosition, wxSize(358, 256),
                       wxRESIZE_BORDER);
    EXPECT_EQ(dlg.GetId(), 1000);
    EXPECT_EQ(dlg.GetTitle().utf8_string(), "添加工作目录");
    EXPECT_FALSE(dlg.HasFlag(wxRESIZE_BORDER));
    EXPECT_EQ(dlg.m_buttonAdd->GetId(), 1001);
    EXPECT_EQ(dlg.m_buttonAdd->GetLabel().utf8_string(), "添加");
    EXPECT_EQ(dlg.m_buttonDelete->GetId(), 1002);
    EXPECT_EQ(dlg.m_buttonDelete->GetLabel().utf8_string(), "删除");
    EXPECT_EQ(dlg.m_listWorkPaths->GetCount(), 0u);
    EXPECT_FALSE(work.exists("editor-config.json")) << "nothing is written until the list changes";
}

TEST_F(GuiAddWorkPathDlg, StoredPathsAreRestoredInOrderBeforeLaterSearchPaths) {
    std::string b = makeDir("b"), a = makeDir("a");
    std::string gone = work.file("gone"); // listed and searched although missing
    work.write("editor-config.json",
               "{ \"WorkPathes\": [\"" + b + "\", \"" + a + "\", \"" + gone + "\"], \"DesignWidth\": 800 }");
    ASSERT_TRUE(LoadEditorConfig());
    AddWorkPathDlg dlg(frame, wxID_ANY, "");
    EXPECT_EQ(listed(dlg), (std::vector<std::string>{b, a, gone}));
    auto paths = cocos2d::FileUtils::getInstance()->getSearchPaths();
    auto at = [&](const std::string& p) { return std::find(paths.begin(), paths.end(), p + "/") - paths.begin(); };
    EXPECT_LT(at(b), at(a));
    EXPECT_LT(at(a), at(gone));
    EXPECT_LT(at(gone), static_cast<long>(paths.size()));
}

TEST_F(GuiAddWorkPathDlg, NothingIsRestoredWithoutAFileOrFromAScalar) {
    // In memory only (no file): the dialog starts empty.
    EditorConfig["WorkPathes"] = Json::Value(Json::arrayValue);
    EditorConfig["WorkPathes"].append(makeDir("x"));
    {
        AddWorkPathDlg dlg(frame, wxID_ANY, "");
        EXPECT_EQ(dlg.m_listWorkPaths->GetCount(), 0u);
    }
    work.write("editor-config.json", "{ \"WorkPathes\": \"" + work.file("x") + "\" }");
    ASSERT_TRUE(LoadEditorConfig());
    AddWorkPathDlg dlg(frame, wxID_ANY, "");
    EXPECT_EQ(dlg.m_listWorkPaths->GetCount(), 0u);
    EXPECT_FALSE(engineSearches(work.file("x")));
}

TEST_F(GuiAddWorkPathDlg, AddingStoresTheWholeListKeepsOtherKeysAndRefusesDuplicates) {
    work.write("editor-config.json", "{ \"DesignWidth\": 800, \"DesignHeight\": 600, \"Mine\": [1] }");
    ASSERT_TRUE(LoadEditorConfig());
    std::string upper = makeDir("Tex"), lower = makeDir("tex");
    AddWorkPathDlg dlg(frame, wxID_ANY, "");

    EXPECT_TRUE(dlg.AddWorkPath(wxString::FromUTF8(upper)));
    EXPECT_FALSE(dlg.AddWorkPath(wxString::FromUTF8(upper)));
    EXPECT_TRUE(dlg.AddWorkPath(wxString::FromUTF8(lower))) << "Linux names differ by case";
    EXPECT_FALSE(dlg.AddWorkPath(wxString::FromUTF8(work.file("missing"))));
    EXPECT_EQ(listed(dlg), (std::vector<std::string>{upper, lower}));
    EXPECT_TRUE(engineSearches(upper));
    EXPECT_TRUE(engineSearches(lower));

    Json::Value file = storedFile();
    ASSERT_TRUE(file["WorkPathes"].isArray());
    ASSERT_EQ(file["WorkPathes"].size(), 2u);
    EXPECT_EQ(file["WorkPathes"][0].asString(), upper);
    EXPECT_EQ(file["WorkPathes"][1].asString(), lower);
    EXPECT_EQ(file["DesignWidth"].asInt(), 800);
    EXPECT_EQ(file["Mine"][0].asInt(), 1);
}

TEST_F(GuiAddWorkPathDlg, DeletingTheLastEntryStoresAnEmptyArrayAndTheEngineForgetsIt) {
    std::string dir = makeDir("textures");
    { std::ofstream(dir + "/only-here.png") << "x"; }
    AddWorkPathDlg dlg(frame, wxID_ANY, "");
    ASSERT_TRUE(dlg.AddWorkPath(wxString::FromUTF8(dir)));
    cocos2d::FileUtils* files = cocos2d::FileUtils::getInstance();
    EXPECT_EQ(files->fullPathForFilename("only-here.png"), dir + "/only-here.png");

    EXPECT_FALSE(dlg.DeleteSelectedWorkPath()) << "nothing selected";
    EXPECT_EQ(dlg.m_listWorkPaths->GetCount(), 1u);

    // A real click selects the row, a real click on "删除" deletes it.
    dlg.Show();
    PumpEvents(300);
    ClickAt(dlg.m_listWorkPaths, 20, 8);
    PumpEvents(100);
    ASSERT_EQ(dlg.m_listWorkPaths->GetSelection(), 0);
    ClickCentre(dlg.m_buttonDelete);
    PumpEvents(100);
    EXPECT_EQ(dlg.m_listWorkPaths->GetCount(), 0u);

    Json::Value file = storedFile();
    EXPECT_TRUE(file["WorkPathes"].isArray());
    EXPECT_EQ(file["WorkPathes"].size(), 0u);
    EXPECT_FALSE(engineSearches(dir));
    EXPECT_EQ(files->fullPathForFilename("only-here.png"), "") << "a name found before is not remembered";
    EXPECT_TRUE(fs::exists(dir)) << "the directory itself is never touched";
}

TEST_F(GuiAddWorkPathDlg, AConfigurationThatCannotBeWrittenIsReportedAndThePathStillUsed) {
    const std::string original = "{ \"DesignWidth\": 800, \"DesignHeight\": 600 }";
    work.write("editor-config.json", original);
    ASSERT_EQ(chmod(work.file("editor-config.json").c_str(), 0444), 0);
    ASSERT_TRUE(LoadEditorConfig());
    AddWorkPathDlg dlg(frame, wxID_ANY, "");
    const std::string dir = makeDir("tex");
    MessageBoxCatcher boxes;
    EXPECT_TRUE(dlg.AddWorkPath(wxString::FromUTF8(dir)));
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.captions[0], "提示");
    EXPECT_EQ(boxes.messages[0], "配置文件保存失败！\n" + (fs::current_path() / "editor-config.json").string() +
                                     "\n没有写入权限：文件或它所在的文件夹是只读的。\n这次的更改只在本次运行中有效。");
    EXPECT_EQ(work.read("editor-config.json"), original);
    // For this run the path is in use all the same.
    EXPECT_EQ(listed(dlg), std::vector<std::string>{dir});
    EXPECT_TRUE(engineSearches(dir));
    EXPECT_EQ(ReadWorkPaths(EditorConfig), std::vector<std::string>{dir});

    // Deleting it is reported the same way.
    dlg.m_listWorkPaths->SetSelection(0);
    EXPECT_TRUE(dlg.DeleteSelectedWorkPath());
    ASSERT_EQ(boxes.messages.size(), 2u);
    EXPECT_EQ(boxes.messages[1], boxes.messages[0]);
    EXPECT_TRUE(ReadWorkPaths(EditorConfig).empty());
}

TEST_F(GuiAddWorkPathDlg, AddButtonOpensTheChooserTitledForWorkPaths) {
    AddWorkPathDlg dlg(frame, wxID_ANY, "");
    dlg.Show();
    PumpEvents(300);
    MessageBoxCatcher hook;
    hook.otherAnswer = wxID_CANCEL; // the chooser is cancelled
    ClickCentre(dlg.m_buttonAdd);
    PumpEvents(200);
    ASSERT_EQ(hook.otherTitles.size(), 1u);
    EXPECT_EQ(hook.otherTitles[0], "添加工作目录");
    EXPECT_EQ(dlg.m_listWorkPaths->GetCount(), 0u);
    EXPECT_FALSE(work.exists("editor-config.json"));
}

// Notes the directory chooser when it opens and lets it show.
struct ChooserSpy : wxModalDialogHook {
    ChooserSpy() { Register(); }
    ~ChooserSpy() override { Unregister(); }
    int Enter(wxDialog* dialog) override {
        if (auto* dir = dynamic_cast<wxDirDialog*>(dialog)) chooser = dir;
        return wxID_NONE;
    }
    void Exit(wxDialog* dialog) override {
        if (dialog == chooser) chooser = nullptr;
    }
    wxDirDialog* chooser = nullptr;
};

// The folder the shown chooser is in, read from GTK, after which it is
// cancelled; "" when no chooser showed.
std::string ChooserFolderAfterAdd(AddWorkPathDlg& dlg) {
    ChooserSpy spy;
    std::string folder;
    bool seen = false;
    StepScript script(300);
    for (int tries = 0; tries < 10; ++tries) {
        script.then([&] {
            if (seen || !spy.chooser || !gtk_widget_get_mapped(spy.chooser->GetHandle())) return;
            gchar* current = gtk_file_chooser_get_current_folder(GTK_FILE_CHOOSER(spy.chooser->GetHandle()));
            folder = current ? current : "";
            g_free(current);
            seen = true;
            spy.chooser->EndModal(wxID_CANCEL);
        });
    }
    script.start();
    ClickCentre(dlg.m_buttonAdd);
    PumpEvents(300);
    script.Stop();
    return seen ? folder : std::string();
}

TEST_F(GuiAddWorkPathDlg, TheChooserStartsInTheNewestEntryOrTheWorkingDirectory) {
    AddWorkPathDlg dlg(frame, wxID_ANY, "");
    dlg.Show();
    PumpEvents(300);
    // Without a start folder GTK would show its recent files, where no
    // directory can be chosen.
    EXPECT_EQ(ChooserFolderAfterAdd(dlg), wxGetCwd().utf8_string());
    const std::string first = makeDir("first"), second = makeDir("second");
    ASSERT_TRUE(dlg.AddWorkPath(wxString::FromUTF8(first)));
    ASSERT_TRUE(dlg.AddWorkPath(wxString::FromUTF8(second)));
    EXPECT_EQ(ChooserFolderAfterAdd(dlg), second);
    EXPECT_EQ(dlg.m_listWorkPaths->GetCount(), 2u) << "a cancelled chooser adds nothing";
}

TEST_F(GuiAddWorkPathDlg, AddButtonTakesTheChosenDirectory) {
    std::string dir = makeDir("chosen");
    AddWorkPathDlg dlg(frame, wxID_ANY, "");
    std::vector<wxString> answers{wxString::FromUTF8(dir), wxString::FromUTF8(dir), wxString()};
    size_t asked = 0;
    dlg.setAskDirectory([&](wxWindow* parent) {
        EXPECT_EQ(parent, &dlg);
        return asked < answers.size() ? answers[asked++] : wxString();
    });
    dlg.Show();
    PumpEvents(300);
    for (int i = 0; i < 3; ++i) {
        ClickCentre(dlg.m_buttonAdd);
        PumpEvents(100);
    }
    EXPECT_EQ(asked, 3u);
    EXPECT_EQ(listed(dlg), std::vector<std::string>{dir}) << "the second is a duplicate, the third a cancel";
    EXPECT_EQ(storedFile()["WorkPathes"].size(), 1u);
}

} // namespace
