// Files dropped on the engine view of a real main window (the drop target's handler called with real files).
#include "MainFrameFixture.h"

#include "TestData.h"

#include "editor/EditorObject.h"
#include "editor/SceneDocument.h"
#include "ui/MainFrame.h"
#include "view/wxCCGLViewImpl.h"

#include "2d/CCScene.h"
#include "2d/CCSprite.h"
#include "base/CCDirector.h"

#include <wx/dnd.h>

#include <fstream>

namespace {

using GuiViewDrop = GuiMainFrameFixture;

cocos2d::Node* Background() {
    return cocos2d::Director::getInstance()->getRunningScene()->getChildByName("bg_for_debug_particle");
}

TEST_F(GuiViewDrop, ParticleFilesLandAtTheDropPointAndPicturesBecomeTheBackground) {
    wxGLViewImpl* view = m_frame->engineView();
    auto* target = dynamic_cast<wxFileDropTarget*>(view->GetDropTarget());
    ASSERT_NE(target, nullptr) << "the view takes no dropped files";

    const wxString flower = wxString::FromUTF8(TestPlistsDir() + "cocos2d-objc/Flower.plist");
    const wxString picture = wxString::FromUTF8(std::string(FW_SOURCE_DIR) + "/res/Sprite.png");
    const wxSize size = view->GetClientSize();
    const int x = size.x / 2 - 100, y = size.y / 2 + 50;
    wxArrayString files;
    files.Add(flower);
    files.Add(picture);
    files.Add(flower);
    ASSERT_TRUE(target->OnDropFiles(x, y, files));

    ASSERT_EQ(treeRows().size(), 2u);
    const cocos2d::Vec2 expected = view->toDesignPoint(static_cast<float>(x), static_cast<float>(y));
    auto* dropped = dynamic_cast<cocos2d::Node*>(selection().front());
    ASSERT_NE(dropped, nullptr);
    EXPECT_NEAR(dropped->getPosition().x, expected.x, 0.01f);
    EXPECT_NEAR(dropped->getPosition().y, expected.y, 0.01f);
    // The centre of the design area is not where it went.
    const cocos2d::Size win = cocos2d::Director::getInstance()->getWinSize();
    EXPECT_GT(std::abs(dropped->getPosition().x - win.width / 2), 50.0f);
    EXPECT_NE(dynamic_cast<cocos2d::Sprite*>(Background()), nullptr);
    EXPECT_TRUE(m_dialogs.boxes.empty());

    // Opening at the drop point is one step: one undo takes the last effect
    // away instead of moving it back to the centre.
    ASSERT_NE(theSceneDocument, nullptr);
    ASSERT_TRUE(theSceneDocument->undo());
    EXPECT_EQ(treeRows().size(), 1u);
}

TEST_F(GuiViewDrop, ADropWithAFileOfAnotherKindChangesNothing) {
    auto* target = dynamic_cast<wxFileDropTarget*>(m_frame->engineView()->GetDropTarget());
    ASSERT_NE(target, nullptr);
    const std::string notes = m_work->file("notes.txt");
    std::ofstream(notes) << "not for the editor";
    wxArrayString files;
    files.Add(wxString::FromUTF8(TestPlistsDir() + "cocos2d-objc/Flower.plist"));
    files.Add(wxString::FromUTF8(notes));
    const int children = sceneChildCount();

    EXPECT_FALSE(target->OnDropFiles(10, 10, files));
    ASSERT_EQ(m_dialogs.boxes.size(), 1u);
    EXPECT_EQ(m_dialogs.boxes[0].caption, wxString::FromUTF8("提示"));
    EXPECT_EQ(m_dialogs.boxes[0].message, wxString::FromUTF8("不支持的文件类型：notes.txt"));
    EXPECT_TRUE(treeRows().empty());
    EXPECT_EQ(sceneChildCount(), children);
    EXPECT_EQ(Background(), nullptr);
}

} // namespace
