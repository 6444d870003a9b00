// Closing the main window over unsaved effects: the question, its three answers, and the closes that ask nothing.
#include "MainFrameFixture.h"

#include "editor/SceneDocument.h"
#include "editor/SelectionManager.h"
#include "particle/ParticleSystem2DEditor.h"
#include "ui/MainFrame.h"
#include "ui/MainFrameIds.h"

#include <wx/propgrid/manager.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

class GuiClosePrompt : public GuiMainFrameFixture {
protected:
    void SetUp() override {
        GuiMainFrameFixture::SetUp();
        if (HasFatalFailure()) return;
        m_frame->Bind(wxEVT_DESTROY, [this](wxWindowDestroyEvent& event) {
            if (event.GetEventObject() == m_frame) m_destroyed = true;
            event.Skip();
        });
    }
    // Asks the window to close as "关闭(&Q)" does; true when it went.
    bool closeWindow(int answer) {
        m_dialogs.boxAnswer = answer;
        command(wxID_EXIT);
        pump(300);
        if (m_destroyed) m_frame = nullptr;
        return m_destroyed;
    }
    void edit(const char* name, const wxVariant& value) {
        wxPropertyGrid* grid = m_frame->propertyGridManager()->GetGrid();
        wxPGProperty* row = grid->GetPropertyByName(wxString::FromUTF8(name));
        ASSERT_NE(row, nullptr);
        grid->ChangePropertyValue(row, value);
    }
    // An effect opened from a copy of a file, then changed.
    std::string openAndChange() {
        const std::string path = m_work->file("casting.plist");
        std::filesystem::copy_file(dataPath("plists/cocos2d-objc/Galaxy.plist"), path);
        answerPaths({wxString::FromUTF8(path)});
        command(wxID_OPEN);
        edit("angle", wxVariant(33.0));
        return path;
    }

    // The run's recovery folder once it holds a plist; empty if it never does.
    std::string keptForRecovery() {
        SceneDocument& document = m_frame->sceneDocument();
        pumpUntil([&] {
            return !document.recoveryFolder().empty() &&
                   std::filesystem::exists(document.recoveryFolder() + "/1.plist");
        });
        return document.recoveryFolder();
    }

    bool m_destroyed = false;
};

TEST_F(GuiClosePrompt, WithNothingUnsavedTheWindowClosesWithoutAsking) {
    command(ID_CREATE_FIRST + 1); // a sprite has no file to differ from
    EXPECT_TRUE(closeWindow(wxID_CANCEL));
    EXPECT_TRUE(m_dialogs.boxes.empty());
}

TEST_F(GuiClosePrompt, CancelKeepsEditingFromTheMenuAndFromTheTitleBar) {
    const std::string path = openAndChange();
    command(wxID_NEW);
    EXPECT_FALSE(closeWindow(wxID_CANCEL));
    ASSERT_EQ(m_dialogs.boxes.size(), 1u);
    EXPECT_EQ(m_dialogs.boxes[0].caption, wxString::FromUTF8("提示"));
    EXPECT_EQ(m_dialogs.boxes[0].message, wxString::FromUTF8("以下粒子有未保存的修改：\ncasting.plist\nParticle2D"));
    // The title bar's button asks the same.
    m_frame->Close();
    pump(200);
    EXPECT_FALSE(m_destroyed);
    EXPECT_EQ(m_dialogs.boxes.size(), 2u);
    EXPECT_EQ(sceneChildCount(), 2);
    EXPECT_EQ(Contents(path), Contents(dataPath("plists/cocos2d-objc/Galaxy.plist")));
}

TEST_F(GuiClosePrompt, DontSaveClosesLeavesTheFilesAsTheyWereAndKeepsNothingForRecovery) {
    const std::string path = openAndChange();
    const std::string kept = keptForRecovery();
    ASSERT_FALSE(kept.empty()) << "the change was not kept for recovery";
    EXPECT_TRUE(closeWindow(wxID_NO));
    EXPECT_EQ(m_dialogs.boxes.size(), 1u);
    EXPECT_EQ(Contents(path), Contents(dataPath("plists/cocos2d-objc/Galaxy.plist")));
    EXPECT_FALSE(std::filesystem::exists(kept)) << "a normal close left the recovery folder";
}

TEST_F(GuiClosePrompt, SaveWritesEachEffectAskingForAFileWhereThereIsNoneThenCloses) {
    const std::string path = openAndChange();
    command(wxID_NEW);
    const std::string fresh = m_work->file("fresh.plist");
    answerPaths({wxString::FromUTF8(fresh)});
    EXPECT_TRUE(closeWindow(wxID_YES));
    EXPECT_NE(Contents(path), Contents(dataPath("plists/cocos2d-objc/Galaxy.plist")));
    const std::string written = Contents(path);
    const size_t angle = written.find("<key>angle</key>");
    ASSERT_NE(angle, std::string::npos);
    EXPECT_NE(written.substr(angle, 60).find("<real>33.000000</real>"), std::string::npos) << written.substr(angle, 60);
    EXPECT_TRUE(std::filesystem::exists(fresh));
    // The chooser came up once more after Open, for the effect without a file.
    EXPECT_EQ(pathRequests().size(), 2u);
}

TEST_F(GuiClosePrompt, ACancelledChooserOrAFailedSaveKeepsTheWindowOpen) {
    command(wxID_NEW);
    answerPaths({wxString()});
    EXPECT_FALSE(closeWindow(wxID_YES));
    answerPaths({wxString::FromUTF8(m_work->file("gone/fresh.plist"))});
    EXPECT_FALSE(closeWindow(wxID_YES));
    ASSERT_EQ(m_dialogs.boxes.size(), 3u);
    EXPECT_TRUE(m_dialogs.boxes[2].message.StartsWith(wxString::FromUTF8("保存失败！")));
    // Still unsaved, still asked about.
    EXPECT_TRUE(m_frame->GetTitle().EndsWith(wxS(" *")));
}

// The session ends: nothing may be asked, and the work waits for the next start.
TEST_F(GuiClosePrompt, AForcedCloseAsksNothingAndLeavesTheUnsavedEffectsForTheNextStart) {
    openAndChange();
    const std::string kept = keptForRecovery();
    ASSERT_FALSE(kept.empty());
    edit("angle", wxVariant(44.0));
    m_frame->Close(true);
    pump(300);
    EXPECT_TRUE(m_destroyed);
    if (m_destroyed) m_frame = nullptr;
    EXPECT_TRUE(m_dialogs.boxes.empty());
    // The last edit, made just before the close, is in it too.
    const std::string written = Contents(kept + "/1.plist");
    const size_t angle = written.find("<key>angle</key>");
    ASSERT_NE(angle, std::string::npos);
    EXPECT_NE(written.substr(angle, 60).find("<real>44.000000</real>"), std::string::npos) << written.substr(angle, 60);
    // Not for the windows of the tests that follow.
    std::filesystem::remove_all(kept);
}

} // namespace
