// Files named on the command line, opened on a real main window once it is on screen.
#include "MainFrameFixture.h"

#include "TestData.h"

#include "ui/MainFrame.h"

#include "2d/CCScene.h"
#include "2d/CCSprite.h"
#include "base/CCDirector.h"

#include <fstream>

namespace {

using GuiOpenAtStart = GuiMainFrameFixture;

TEST_F(GuiOpenAtStart, FilesOpenInOrderAndOneOfAnotherKindIsNamed) {
    const std::string picture = std::string(FW_SOURCE_DIR) + "/res/Sprite.png";
    const std::string notes = m_work->file("notes.txt");
    std::ofstream(notes) << "not for the editor";
    const std::string flower = TestPlistsDir() + "cocos2d-objc/Flower.plist";
    const std::string missing = m_work->file("gone.plist");

    m_frame->openAtStart({wxString::FromUTF8(picture), wxString::FromUTF8(notes), wxString::FromUTF8(flower),
                          wxString::FromUTF8(missing)});
    ASSERT_TRUE(pumpUntil([this] { return m_dialogs.boxes.size() >= 2; }));
    pump(100);

    ASSERT_EQ(m_dialogs.boxes.size(), 2u);
    EXPECT_EQ(m_dialogs.boxes[0].caption, wxString::FromUTF8("提示"));
    EXPECT_EQ(m_dialogs.boxes[0].message, wxString::FromUTF8("不支持的文件类型：notes.txt"));
    EXPECT_TRUE(
        m_dialogs.boxes[1].message.StartsWith(wxString::FromUTF8("无法加载粒子文件！\n") + wxString::FromUTF8(missing)))
        << m_dialogs.boxes[1].message;
    cocos2d::Scene* scene = cocos2d::Director::getInstance()->getRunningScene();
    EXPECT_NE(dynamic_cast<cocos2d::Sprite*>(scene->getChildByName("bg_for_debug_particle")), nullptr);
    EXPECT_EQ(treeRows().size(), 1u) << "the particle file was not opened";

    // Nothing named: nothing opens, nothing is said.
    m_dialogs.boxes.clear();
    m_frame->openAtStart({});
    pump(200);
    EXPECT_TRUE(m_dialogs.boxes.empty());
    EXPECT_EQ(treeRows().size(), 1u);
}

} // namespace
