// The notice of how the game will show a particle file: after Open and after Save, its close button, the status bar.
#include "MainFrameFixture.h"

#include "TestCatalog.h"
#include "TestData.h"

#include "editor/FilePathBytes.h"

#include "editor/EditorObject.h"
#include "editor/SelectionManager.h"
#include "particle/ParticleSystem2DEditor.h"
#include "ui/MainFrame.h"
#include "tools/particle-check/ParticleCheckTexts.h"
#include "ui/ParticleCheckNotice.h"

#include <wx/button.h>
#include <wx/statusbr.h>
#include <wx/uiaction.h>

#include <filesystem>

namespace {

wxString U(const char* text) {
    return wxString::FromUTF8(text);
}

} // namespace

class GuiParticleCheckNotice : public GuiMainFrameFixture {
protected:
    ParticleCheckNotice* notice() { return m_frame->particleCheckNotice(); }
    wxString status() { return m_frame->GetStatusBar()->GetStatusText(); }
};

TEST_F(GuiParticleCheckNotice, OpeningAFileWithFindingsShowsThemUntilClosedAndKeepsTheSummaryInTheStatusBar) {
    // kapai.plist: a stored rate the game ignores, an unreachable count and a
    // texture file that wins over its different embedded picture.
    const std::string plist = TestPlistsDir() + "diabloworld/kapai.plist";
    ASSERT_TRUE(TestFileExists(plist));
    ASSERT_NE(notice(), nullptr);
    EXPECT_FALSE(notice()->isShownAsPane());
    pump(100);
    EXPECT_FALSE(notice()->IsShownOnScreen()) << "the hidden notice must not show anywhere before the first file";

    answerPaths({wxString::FromUTF8(plist)});
    command(wxID_OPEN);
    ASSERT_EQ(selection().size(), 1u);
    EXPECT_TRUE(m_dialogs.boxes.empty()) << "findings are a notice, not message boxes";
    ASSERT_TRUE(notice()->isShownAsPane());
    const wxString message = notice()->message();
    EXPECT_TRUE(message.StartsWith(U("粒子文件检查：3 个警告"))) << message;
    EXPECT_NE(message.Find(wxString::FromUTF8(plist)), wxNOT_FOUND);
    EXPECT_EQ(message.Freq('\n'), 3) << message; // one line per finding
    EXPECT_TRUE(notice()->IsShownOnScreen());

    // The status bar follows the selection.
    ASSERT_TRUE(pumpUntil([&] { return status() == U("粒子文件检查：3 个警告"); })) << status();
    SelectionManager::getInstance()->clearSelection();
    ASSERT_TRUE(pumpUntil([&] { return status().empty(); })) << status();

    // A real click on its close button hides the notice.
    focusFrame();
    wxButton* close = notice()->closeButton();
    const wxPoint centre = close->ClientToScreen(wxPoint(close->GetSize().x / 2, close->GetSize().y / 2));
    wxUIActionSimulator sim;
    sim.MouseMove(centre);
    pump(100);
    sim.MouseClick();
    ASSERT_TRUE(pumpUntil([&] { return !notice()->isShownAsPane(); }));
    EXPECT_FALSE(notice()->IsShownOnScreen());
}

TEST_F(GuiParticleCheckNotice, SavingChecksTheWrittenFileAndACleanFileShowsNothing) {
    // The game looks for a plist's texture beside it: without the picture
    // there, a fresh Flower saved into a folder is an error.
    TempDir dir;
    const std::string clean = dir.file("flower.plist");
    command(wxID_NEW);
    answerPaths({wxString::FromUTF8(clean)});
    command(wxID_SAVE);
    ASSERT_TRUE(notice()->isShownAsPane());
    EXPECT_NE(notice()->message().Find(wxS("particle-fire.png")), wxNOT_FOUND) << notice()->message();

    // With the picture beside it, and the blend pair the game needs for its
    // premultiplied texture, the file is clean.
    std::filesystem::copy_file(std::string(FW_SOURCE_DIR) + "/res/particle-fire.png", dir.file("particle-fire.png"));
    auto* flower = dynamic_cast<ParticleSystem2DEditor*>(selection().front());
    ASSERT_NE(flower, nullptr);
    flower->setBlendFunc(cocos2d::BlendFunc::ALPHA_PREMULTIPLIED);
    command(wxID_SAVE); // to its path, with no chooser
    ASSERT_TRUE(std::filesystem::exists(clean));
    EXPECT_FALSE(notice()->isShownAsPane()) << notice()->message();
    pump(100);
    EXPECT_TRUE(status().empty()) << status();

    // With a life of 0 the saved file makes the game emit nothing.
    flower->setLife(0.0f);
    flower->setLifeVar(0.0f);
    command(wxID_SAVE);
    ASSERT_TRUE(notice()->isShownAsPane());
    EXPECT_TRUE(notice()->message().StartsWith(U("粒子文件检查："))) << notice()->message();
    EXPECT_NE(notice()->message().Find(U("个错误")), wxNOT_FOUND) << notice()->message();

    // Mended and saved again: the notice goes, and so does the summary.
    flower->setLife(2.0f);
    command(wxID_SAVE);
    EXPECT_FALSE(notice()->isShownAsPane()) << notice()->message();
    ASSERT_TRUE(pumpUntil([&] { return status().empty(); })) << status();
}

TEST_F(GuiParticleCheckNotice, UnderAnEnglishCatalogTheNoticeFillsTheTranslatedSentencesWithTheFilesOwnBytes) {
    // A folder whose name is not UTF-8 (Latin-1 "é"): the finding quotes the
    // texture's path in it, which must reach the sentence as the chooser shows it.
    const std::string folder = m_work->file("fx\xe9");
    std::filesystem::create_directory(folder);
    const std::string from = TestPlistsDir() + "diabloworld/";
    std::filesystem::copy_file(from + "kapai.plist", folder + "/kapai.plist");
    std::filesystem::copy_file(from + "base.png", folder + "/base.png");
    const TestCatalog english(
        {{"粒子文件检查：{2} 个警告", "Particle file check: {2} warnings"},
         {ParticleCheckTexts::templateZh("texture-file-overrides-embedded"),
          "The game draws the texture file {1} ({2}), not the different embedded picture ({3})."}});
    answerPaths({PathText(folder + "/kapai.plist")});
    command(wxID_OPEN);
    ASSERT_TRUE(notice()->isShownAsPane());
    const wxString message = notice()->message();
    EXPECT_TRUE(message.StartsWith(wxS("Particle file check: 3 warnings  ") + PathText(folder + "/kapai.plist")))
        << message;
    EXPECT_NE(message.Find(wxS("\n• The game draws the texture file ") + PathText(folder + "/base.png") +
                           wxS(" (640x640), not the different embedded picture (640x640).")),
              wxNOT_FOUND)
        << message;
    // A finding the catalog lacks is shown as written.
    EXPECT_NE(message.Find(U("\n• 游戏忽略 \"emissionRate\" 10")), wxNOT_FOUND) << message;
    ASSERT_TRUE(pumpUntil([&] { return status() == wxS("Particle file check: 3 warnings"); })) << status();
}
