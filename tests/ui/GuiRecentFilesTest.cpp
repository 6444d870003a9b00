// The "最近打开的文件" submenu on a real main window: what goes in, in which order, what a gone file does, and a
// restart.
#include "MainFrameFixture.h"

#include "TestData.h"

#include "app/EditorConfig.h"
#include "editor/EditorObject.h"
#include "ui/MainFrame.h"
#include "ui/RecentFiles.h"

#include <wx/app.h>
#include <wx/menu.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class GuiRecentFiles : public GuiMainFrameFixture {
protected:
    void SetUp() override {
        // Nothing recent from other tests of this process.
        EditorConfig = Json::Value(Json::objectValue);
        GuiMainFrameFixture::SetUp();
    }

    std::vector<std::string> listed() {
        std::vector<std::string> files;
        for (size_t i = 0; i < m_frame->recentFiles().count(); ++i)
            files.push_back(std::string(m_frame->recentFiles().file(i).utf8_str()));
        return files;
    }
    std::vector<std::string> stored() {
        Json::Value doc;
        std::ifstream in(m_work->file("editor-config.json"));
        Json::CharReaderBuilder builder;
        std::string errors;
        Json::parseFromStream(builder, in, &doc, &errors);
        return ReadRecentFiles(doc);
    }
    // A copy of a test plist under a name of its own.
    std::string plistCopy(const std::string& name) {
        const std::string path = m_work->file(name);
        fs::copy_file(TestPlistsDir() + "cocos2d-objc/Flower.plist", path, fs::copy_options::overwrite_existing);
        return path;
    }
};

TEST_F(GuiRecentFiles, OpenedAndSavedFilesComeFirstAndSurviveARestart) {
    // The submenu sits above the separator before "关闭(&Q)".
    wxMenuBar* bar = m_frame->GetMenuBar();
    wxMenu* file = bar->GetMenu(0);
    const size_t close = static_cast<size_t>(file->GetMenuItems().IndexOf(file->FindItem(wxID_EXIT)));
    ASSERT_GE(close, 2u);
    wxMenuItem* recent = file->FindItemByPosition(close - 2);
    EXPECT_EQ(recent->GetItemLabelText(), wxString::FromUTF8("最近打开的文件"));
    ASSERT_TRUE(recent->IsSubMenu());
    EXPECT_TRUE(file->FindItemByPosition(close - 1)->IsSeparator());
    EXPECT_EQ(recent->GetSubMenu()->GetMenuItemCount(), 0u);

    const std::string picture = std::string(FW_SOURCE_DIR) + "/res/Sprite.png";
    const std::string first = plistCopy("first.plist");
    m_frame->documents().openPath(wxString::FromUTF8(picture));
    m_frame->documents().openPath(wxString::FromUTF8(first));
    EXPECT_EQ(listed(), (std::vector<std::string>{first, picture}));
    EXPECT_EQ(stored(), listed());
    EXPECT_EQ(recent->GetSubMenu()->GetMenuItemCount(), 2u);

    // Save As puts the new file on top; opening a listed file again moves it up.
    const std::string saved = m_work->file("saved as.plist");
    answerPaths({wxString::FromUTF8(saved)});
    command(wxID_SAVEAS);
    ASSERT_TRUE(fs::exists(saved));
    m_frame->documents().openPath(wxString::FromUTF8(picture));
    EXPECT_EQ(listed(), (std::vector<std::string>{picture, saved, first}));

    // A failed open adds nothing.
    m_frame->documents().openPath(wxString::FromUTF8(m_work->file("missing.plist")));
    EXPECT_EQ(listed().size(), 3u);

    // At most nine, newest first.
    for (int i = 0; i < 10; ++i)
        m_frame->documents().openPath(wxString::FromUTF8(plistCopy("n" + std::to_string(i) + ".plist")));
    ASSERT_EQ(listed().size(), 9u);
    EXPECT_EQ(listed().front(), m_work->file("n9.plist"));
    EXPECT_EQ(listed().back(), m_work->file("n1.plist"));
    EXPECT_EQ(stored(), listed());

    // The next start reads the list back from the file into the window's submenu.
    EditorConfig = Json::Value(Json::objectValue);
    ASSERT_TRUE(LoadEditorConfig());
    wxMenu menu;
    RecentFiles restarted(m_frame, &menu);
    ASSERT_EQ(restarted.count(), 9u);
    for (size_t i = 0; i < restarted.count(); ++i) EXPECT_EQ(std::string(restarted.file(i).utf8_str()), listed()[i]);
    EXPECT_EQ(menu.GetMenuItemCount(), 9u);
}

TEST_F(GuiRecentFiles, AnEntryWhoseFileHasGoneSaysSoAndLeaves) {
    const std::string kept = plistCopy("kept.plist");
    const std::string gone = plistCopy("gone.plist");
    m_frame->documents().openPath(wxString::FromUTF8(kept));
    m_frame->documents().openPath(wxString::FromUTF8(gone));
    ASSERT_EQ(listed(), (std::vector<std::string>{gone, kept}));
    const size_t objects = treeRows().size();

    fs::remove(gone);
    m_dialogs.boxes.clear();
    command(wxID_FILE1);
    ASSERT_EQ(m_dialogs.boxes.size(), 1u);
    EXPECT_EQ(m_dialogs.boxes[0].caption, wxString::FromUTF8("提示"));
    EXPECT_EQ(m_dialogs.boxes[0].message, wxString::FromUTF8("文件不存在：") + wxString::FromUTF8(gone));
    EXPECT_EQ(listed(), std::vector<std::string>{kept});
    EXPECT_EQ(stored(), listed());
    EXPECT_EQ(treeRows().size(), objects);

    // The entry that is left opens its file.
    m_dialogs.boxes.clear();
    command(wxID_FILE1);
    EXPECT_TRUE(m_dialogs.boxes.empty());
    EXPECT_EQ(treeRows().size(), objects + 1);
}

} // namespace
