// The main window in English under an English locale: menus, tools, grid rows and boxes, read from the widgets.
#include "MainFrameFixture.h"

#include "app/InterfaceLanguage.h"
#include "ui/MainFrame.h"
#include "ui/MainFrameIds.h"

#include <wx/aui/aui.h>
#include <wx/aui/auibar.h>
#include <wx/menu.h>
#include <wx/propgrid/manager.h>
#include <wx/propgrid/property.h>
#include <wx/statusbr.h>
#include <wx/toplevel.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

bool HasChinese(const wxString& text) {
    for (wxUniChar c : text) {
        const wxUint32 code = c.GetValue();
        if ((code >= 0x4e00 && code <= 0x9fff) || (code >= 0x3000 && code <= 0x303f) ||
            (code >= 0xff00 && code <= 0xffef))
            return true;
    }
    return false;
}

// Every text of a menu and its submenus.
void MenuTexts(wxMenu* menu, std::vector<wxString>& texts) {
    for (wxMenuItem* item : menu->GetMenuItems()) {
        if (item->IsSeparator()) continue;
        texts.push_back(item->GetItemLabel());
        texts.push_back(item->GetHelp());
        if (item->GetSubMenu()) MenuTexts(item->GetSubMenu(), texts);
    }
}

void ToolbarTexts(wxWindow* window, std::vector<wxString>& texts) {
    if (auto* bar = dynamic_cast<wxAuiToolBar*>(window))
        for (size_t i = 0; i < bar->GetToolCount(); ++i) {
            const wxAuiToolBarItem* tool = bar->FindToolByIndex(static_cast<int>(i));
            texts.push_back(tool->GetLabel());
            texts.push_back(tool->GetShortHelp());
            texts.push_back(tool->GetLongHelp());
        }
    for (wxWindow* child : window->GetChildren()) ToolbarTexts(child, texts);
}

// Runs the main window under the locale `lang`, as the program does at start.
class InterfaceLanguageFixture : public GuiMainFrameFixture {
protected:
    explicit InterfaceLanguageFixture(const char* lang) : m_lang(lang) {}

    void SetUp() override {
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG", "FLAREWICK_LANG"}) {
            const char* value = std::getenv(name);
            m_saved.emplace_back(name, value ? value : "", value != nullptr);
            unsetenv(name);
        }
        setenv("LANG", m_lang, 1);
        ASSERT_TRUE(UseInterfaceLanguage(ChooseInterfaceLanguage(), wxString::FromUTF8(FW_FLAREWICK_EXE)));
        GuiMainFrameFixture::SetUp();
    }

    void TearDown() override {
        GuiMainFrameFixture::TearDown();
        UseInterfaceLanguage(InterfaceLanguage::Chinese, wxString());
        for (const auto& [name, value, set] : m_saved)
            set ? setenv(name.c_str(), value.c_str(), 1) : unsetenv(name.c_str());
    }

    std::vector<std::string> menuTitles() {
        std::vector<std::string> titles;
        wxMenuBar* bar = m_frame->GetMenuBar();
        for (size_t i = 0; i < bar->GetMenuCount(); ++i) titles.push_back(bar->GetMenuLabel(i).utf8_string());
        return titles;
    }

    // The box that an unreadable file brings up.
    ShownBox openBrokenFile() {
        const std::string path = m_work->file("broken.plist");
        std::ofstream(path) << "not a plist";
        answerPaths({wxString::FromUTF8(path)});
        command(wxID_OPEN);
        return m_dialogs.boxes.empty() ? ShownBox() : m_dialogs.boxes.back();
    }

private:
    const char* m_lang;
    std::vector<std::tuple<std::string, std::string, bool>> m_saved;
};

class GuiEnglishInterface : public InterfaceLanguageFixture {
protected:
    GuiEnglishInterface() : InterfaceLanguageFixture("en_US.UTF-8") {}
};

class GuiChineseInterface : public InterfaceLanguageFixture {
protected:
    GuiChineseInterface() : InterfaceLanguageFixture("zh_CN.UTF-8") {}
};

TEST_F(GuiEnglishInterface, MenusToolsAndGridRowsAreEnglish) {
    EXPECT_EQ(CurrentInterfaceLanguage(), InterfaceLanguage::English);
    EXPECT_EQ(menuTitles(), (std::vector<std::string>{"&File", "&Edit", "Pre&view", "&Settings", "&Help"}));
    // One Chinese text, two English ones: the menu entry opens a dialog, the dialog's title does not.
    EXPECT_EQ(m_frame->GetMenuBar()->FindItem(ID_ADD_WORK_PATH)->GetItemLabelText().utf8_string(),
              "Add Work Directory…");
    bool titled = false;
    for (wxWindow* window : wxTopLevelWindows)
        titled |= static_cast<wxTopLevelWindow*>(window)->GetTitle() == wxS("Add Work Directory");
    EXPECT_TRUE(titled) << "no dialog titled \"Add Work Directory\"";
    // The window's title is the program's name in either language.
    EXPECT_EQ(m_frame->GetTitle(), wxS("Flarewick(Cocos2dx)"));

    std::vector<wxString> texts;
    for (size_t i = 0; i < m_frame->GetMenuBar()->GetMenuCount(); ++i)
        MenuTexts(m_frame->GetMenuBar()->GetMenu(i), texts);
    ToolbarTexts(m_frame, texts);
    wxAuiPaneInfoArray& panes = wxAuiManager::GetManager(m_frame)->GetAllPanes();
    for (size_t i = 0; i < panes.GetCount(); ++i) texts.push_back(panes.Item(i).caption);
    ASSERT_NE(newParticle(), nullptr);
    pump(300);
    wxPropertyGrid* grid = m_frame->propertyGridManager()->GetGrid();
    for (wxPropertyGridIterator it = grid->GetIterator(wxPG_ITERATE_ALL); !it.AtEnd(); ++it) {
        wxPGProperty* row = *it;
        texts.push_back(row->GetLabel());
        texts.push_back(row->GetHelpString());
        const wxPGChoices& choices = row->GetChoices();
        for (unsigned i = 0; choices.IsOk() && i < choices.GetCount(); ++i) texts.push_back(choices.GetLabel(i));
    }
    for (int i = 0; i < m_frame->GetStatusBar()->GetFieldsCount(); ++i)
        texts.push_back(m_frame->GetStatusBar()->GetStatusText(i));
    EXPECT_GT(texts.size(), 150u);
    for (const wxString& text : texts) EXPECT_FALSE(HasChinese(text)) << text.utf8_string();
}

TEST_F(GuiEnglishInterface, BoxesAreEnglish) {
    const ShownBox box = openBrokenFile();
    EXPECT_EQ(box.caption, wxS("Notice"));
    EXPECT_FALSE(box.message.empty());
    EXPECT_FALSE(HasChinese(box.message)) << box.message.utf8_string();
}

TEST_F(GuiChineseInterface, TheTextsAreAsWritten) {
    EXPECT_EQ(CurrentInterfaceLanguage(), InterfaceLanguage::Chinese);
    EXPECT_EQ(menuTitles(), (std::vector<std::string>{"文件(&F)", "编辑(&E)", "预览(&V)", "设置(&S)", "帮助(&H)"}));
    const ShownBox box = openBrokenFile();
    EXPECT_EQ(box.caption, wxString::FromUTF8("提示"));
    EXPECT_TRUE(box.message.StartsWith(wxString::FromUTF8("无法加载粒子文件！"))) << box.message.utf8_string();
}

} // namespace
