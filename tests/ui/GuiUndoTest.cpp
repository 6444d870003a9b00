// Undo and redo of every kind of step through real Ctrl+Z / Ctrl+Y presses in the view, the tree and the grid.
#include "MainFrameFixture.h"
#include "X11Window.h"

#include "editor/ObjectTree.h"
#include "editor/SceneDocument.h"
#include "editor/SelectionManager.h"
#include "editor/SpriteEditor.h"
#include "particle/ParticleSystem2DEditor.h"
#include "particle/PlistDocument.h"
#include "ui/BackgroundLoader.h"
#include "ui/MainFrame.h"
#include "ui/MainFrameIds.h"
#include "view/wxCCGLViewImpl.h"

#include "2d/CCScene.h"
#include "base/CCDirector.h"
#include "base/CCScheduler.h"

#include <wx/aui/auibar.h>
#include <wx/cmdproc.h>
#include <wx/menu.h>
#include <wx/propgrid/manager.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>

using cocos2d::Node;

namespace {

// Everything undo must bring back, as the user sees it.
struct Look {
    std::vector<Node*> order; // the scene's editor objects, depth first in drawing order
    std::vector<std::unique_ptr<ObjectState>> states;
    std::vector<std::string> plists;
    std::vector<wxString> rows;
    std::vector<wxString> grid;
    std::vector<EditorObject*> selection;
    Node* background = nullptr;
    Screenshot pixels;
};

void Walk(Node* node, Look& look) {
    node->sortAllChildren();
    for (Node* child : node->getChildren()) {
        if (auto* object = dynamic_cast<EditorObject*>(child)) {
            look.order.push_back(child);
            look.states.push_back(object->captureState());
            look.plists.push_back(dynamic_cast<ParticleSystem2DEditor*>(object)
                                      ? PlistDocument::text([object](wxXmlNode* d) { object->writeXml(d); })
                                      : std::string());
        }
        Walk(child, look);
    }
}

class GuiUndo : public GuiMainFrameFixture {
protected:
    void SetUp() override {
        GuiMainFrameFixture::SetUp();
        if (HasFatalFailure()) return;
        // Particles stand still, so that the same values draw the same pixels.
        cocos2d::Director::getInstance()->getScheduler()->setTimeScale(0);
        focusFrame();
    }
    void TearDown() override {
        cocos2d::Director::getInstance()->getScheduler()->setTimeScale(1);
        GuiMainFrameFixture::TearDown();
    }

    SceneDocument& document() { return m_frame->sceneDocument(); }
    wxPropertyGrid* grid() { return m_frame->propertyGridManager()->GetGrid(); }
    wxWindow* target(int i) {
        wxWindow* targets[] = {m_frame->engineView(), m_frame->objectTree(), grid()};
        return targets[i % 3];
    }

    void press(wxWindow* window, int code, int modifiers) {
        window->SetFocus();
        ASSERT_TRUE(pumpUntil([&] { return wxWindow::FindFocus() == window; }, 2));
        wxUIActionSimulator user;
        user.Char(code, modifiers);
        pump(120);
    }

    // A committed change of a row, as the grid sends it.
    void edit(const char* name, const wxVariant& value, int settle = 50) {
        wxPGProperty* row = grid()->GetPropertyByName(wxString::FromUTF8(name));
        ASSERT_NE(row, nullptr) << name;
        ASSERT_TRUE(grid()->ChangePropertyValue(row, value)) << name;
        pump(settle);
    }

    Look look() {
        pump(150);
        Look seen;
        Walk(cocos2d::Director::getInstance()->getRunningScene(), seen);
        seen.rows = treeRows();
        for (wxPropertyGridIterator it = grid()->GetIterator(); !it.AtEnd(); ++it)
            seen.grid.push_back((*it)->GetName() + wxS("=") + (*it)->GetValueAsString());
        seen.selection = selection();
        seen.background = BackgroundLoader::current();
        wxGLViewImpl* view = m_frame->engineView();
        const wxPoint origin = view->ClientToScreen(wxPoint(0, 0));
        const wxSize size = view->GetClientSize();
        X11Session x11;
        if (x11.ok()) seen.pixels = x11.grab(origin.x, origin.y, size.x, size.y);
        return seen;
    }

    static void expectSame(const Look& expected, const Look& seen) {
        ASSERT_EQ(seen.order, expected.order);
        for (size_t i = 0; i < expected.states.size(); ++i) {
            EXPECT_TRUE(seen.states[i]->sameAs(*expected.states[i])) << "values of object " << i;
            EXPECT_EQ(seen.plists[i], expected.plists[i]) << "plist of object " << i;
        }
        EXPECT_EQ(seen.rows, expected.rows);
        EXPECT_TRUE(seen.grid == expected.grid) << "grid rows differ";
        EXPECT_EQ(seen.selection, expected.selection);
        EXPECT_EQ(seen.background, expected.background);
        ASSERT_EQ(seen.pixels.pixels.size(), expected.pixels.pixels.size());
        int differ = 0;
        for (size_t i = 0; i < seen.pixels.pixels.size(); ++i) {
            const Rgb a = seen.pixels.pixels[i], b = expected.pixels.pixels[i];
            if (std::abs(a.r - b.r) > 8 || std::abs(a.g - b.g) > 8 || std::abs(a.b - b.b) > 8) ++differ;
        }
        EXPECT_LE(differ, 20) << "pixels differing";
    }

    // Does the step, then undoes and redoes it with the keys from the view,
    // the tree and the grid in turn, comparing with what was there before
    // and after it.
    void checkStep(const std::function<void()>& step, const char* menuName) {
        const Look before = look();
        step();
        if (HasFatalFailure()) return;
        const Look after = look();
        ASSERT_TRUE(document().canUndo());
        const wxString undoLabel = m_frame->GetMenuBar()->GetLabel(wxID_UNDO);
        EXPECT_EQ(undoLabel, wxString::FromUTF8("撤销 ") + wxString::FromUTF8(menuName) + wxS("\tCtrl+Z"));
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(testing::Message() << "keys in window " << i);
            press(target(i), 'Z', wxMOD_CONTROL);
            expectSame(before, look());
            EXPECT_EQ(m_frame->GetMenuBar()->GetLabel(wxID_REDO),
                      wxString::FromUTF8("重做 ") + wxString::FromUTF8(menuName) + wxS("\tCtrl+Y"));
            if (i == 2)
                press(target(i), 'Z', wxMOD_CONTROL | wxMOD_SHIFT);
            else
                press(target(i), 'Y', wxMOD_CONTROL);
            expectSame(after, look());
        }
    }

    // A sprite beside the effects, unselected, so that most pixels do not depend on particles.
    SpriteEditor* addSprite() {
        command(ID_CREATE_FIRST + 1);
        auto* sprite = selection().empty() ? nullptr : dynamic_cast<SpriteEditor*>(selection().front());
        EXPECT_NE(sprite, nullptr);
        if (sprite) sprite->setPosition(200, 200);
        SelectionManager::getInstance()->clearSelection();
        return sprite;
    }
};

TEST_F(GuiUndo, GridChangesOfParticleSpriteAndNodeRowsComeBackThroughTheSameRows) {
    command(wxID_NEW);
    auto* particle = dynamic_cast<ParticleSystem2DEditor*>(selection().front());
    ASSERT_NE(particle, nullptr);
    checkStep([&] { edit("emitterType.speed", wxVariant(12.5)); }, "速度");
    // A count change moves the linked rate; undo brings both back.
    const float rate = particle->getEmissionRate();
    const int total = particle->getTotalParticles();
    checkStep([&] { edit("maxParticles", wxVariant(77L)); }, "最大粒子数");
    EXPECT_NE(particle->getEmissionRate(), rate);
    document().undo();
    EXPECT_EQ(particle->getEmissionRate(), rate);
    EXPECT_EQ(particle->getTotalParticles(), total);
    document().redo();
    // The mode switch swaps the group below it, and undo swaps it back.
    checkStep([&] { edit("emitterType", wxVariant(1L)); }, "发射模式");
    SpriteEditor* sprite = addSprite();
    ASSERT_NE(sprite, nullptr);
    SelectionManager::getInstance()->select(sprite);
    wxVariant colour;
    colour << wxColour(200, 30, 40);
    checkStep([&] { edit("_Color", colour); }, "叠加颜色");
    checkStep([&] { edit("_Rotation", wxVariant(30.0)); }, "旋转");
}

TEST_F(GuiUndo, ATextureChangeAndItsEmbeddedPictureComeBack) {
    const std::string galaxy = dataPath("plists/cocos2d-objc/Galaxy.plist");
    answerPaths({wxString::FromUTF8(galaxy)});
    command(wxID_OPEN);
    auto* particle = dynamic_cast<ParticleSystem2DEditor*>(selection().front());
    ASSERT_NE(particle, nullptr);
    ASSERT_FALSE(particle->embeddedTexture().empty());
    const std::string embedded = particle->embeddedTexture();
    checkStep([&] { edit("textureFileName", wxVariant(wxS("res/particle-fire.png"))); }, "发射图片");
    EXPECT_TRUE(particle->embeddedTexture().empty());
    EXPECT_EQ(particle->textureName, wxS("particle-fire.png"));
    document().undo();
    EXPECT_EQ(particle->embeddedTexture(), embedded);
    EXPECT_EQ(particle->textureName, wxS("Galaxy.png"));
}

TEST_F(GuiUndo, ADragIsOneStepFromPressToRelease) {
    SpriteEditor* sprite = addSprite();
    ASSERT_NE(sprite, nullptr);
    // The press selects; only the moves are the step.
    SelectionManager* selecting = SelectionManager::getInstance();
    selecting->select(sprite);
    checkStep(
        [&] {
            // Several moves of one drag, as the view sends them.
            selecting->moveSelectedBy(cocos2d::Vec2(10, 0));
            selecting->moveSelectedBy(cocos2d::Vec2(15, -20));
            selecting->endMove();
        },
        "移动");
}

TEST_F(GuiUndo, CreateAndOpenAreTakenBackAndBroughtBackAsTheSameObject) {
    addSprite();
    checkStep([&] { command(wxID_NEW); }, "创建");
    checkStep([&] { command(ID_EXAMPLE_FIRST + 3); }, "创建");
    // Opened once first: the check notice it brings stays, and the view keeps its size.
    const wxString galaxy = wxString::FromUTF8(dataPath("plists/cocos2d-objc/Galaxy.plist"));
    answerPaths({galaxy, galaxy});
    command(wxID_OPEN);
    checkStep([&] { command(wxID_OPEN); }, "打开");
    EXPECT_EQ(treeRows().back(), wxS("Galaxy.plist"));
}

TEST_F(GuiUndo, DeleteBringsBackValuesTextureFilePlaceInTreeAndSceneAndSelection) {
    addSprite();
    answerPaths({wxString::FromUTF8(dataPath("plists/cocos2d-objc/Galaxy.plist"))});
    command(wxID_OPEN);
    command(wxID_NEW);
    // The opened effect, in the middle of the tree and of the scene's order.
    auto* galaxy = dynamic_cast<ParticleSystem2DEditor*>(document().objects()[1]);
    ASSERT_NE(galaxy, nullptr);
    edit("emitterType.speed", wxVariant(3.0));
    SelectionManager::getInstance()->select(galaxy);
    checkStep([&] { command(wxID_DELETE); }, "删除");
    EXPECT_EQ(galaxy->filePath, wxString::FromUTF8(dataPath("plists/cocos2d-objc/Galaxy.plist")));
    EXPECT_FALSE(galaxy->embeddedTexture().empty());
}

TEST_F(GuiUndo, ABackgroundOpenedIsTakenBackToThePreviousOneOrNone) {
    addSprite();
    const std::string first = std::string(FW_SOURCE_DIR) + "/res/Sprite.png";
    const std::string second = std::string(FW_SOURCE_DIR) + "/res/particle-fire.png";
    answerPaths({wxString::FromUTF8(first)});
    checkStep([&] { command(wxID_OPEN); }, "更换背景");
    answerPaths({wxString::FromUTF8(second)});
    checkStep([&] { command(wxID_OPEN); }, "更换背景");
}

TEST_F(GuiUndo, MenuAndToolsAreGreyedWithNothingToTakeBackAndHistoryKeepsAtMostTwoHundredSteps) {
    wxMenuBar* bar = m_frame->GetMenuBar();
    EXPECT_FALSE(bar->IsEnabled(wxID_UNDO));
    EXPECT_FALSE(bar->IsEnabled(wxID_REDO));
    EXPECT_EQ(bar->GetLabel(wxID_UNDO), wxString::FromUTF8("撤销(&U)\tCtrl+Z"));
    wxAuiToolBar* toolbar = nullptr;
    for (size_t i = 0; i < m_frame->paneManager().GetAllPanes().size(); ++i)
        if (auto* found = dynamic_cast<wxAuiToolBar*>(m_frame->paneManager().GetAllPanes()[i].window)) toolbar = found;
    ASSERT_NE(toolbar, nullptr);
    EXPECT_FALSE(toolbar->GetToolEnabled(wxID_UNDO));
    EXPECT_FALSE(toolbar->GetToolEnabled(wxID_REDO));
    // After "另存为", with their tooltips.
    EXPECT_EQ(toolbar->GetToolIndex(wxID_UNDO), toolbar->GetToolIndex(wxID_SAVEAS) + 1);
    EXPECT_EQ(toolbar->GetToolIndex(wxID_REDO), toolbar->GetToolIndex(wxID_SAVEAS) + 2);
    EXPECT_EQ(toolbar->FindTool(wxID_UNDO)->GetShortHelp(), wxString::FromUTF8("撤销"));
    EXPECT_EQ(toolbar->FindTool(wxID_REDO)->GetShortHelp(), wxString::FromUTF8("重做"));
    command(wxID_NEW);
    EXPECT_TRUE(bar->IsEnabled(wxID_UNDO));
    EXPECT_FALSE(bar->IsEnabled(wxID_REDO));
    EXPECT_TRUE(toolbar->GetToolEnabled(wxID_UNDO));
    // Unpainted meanwhile: repainting the grid after each of these would take most of the test.
    m_frame->Freeze();
    for (int i = 0; i < 210; ++i) edit("angle", wxVariant(static_cast<double>(i + 1)), 0);
    EXPECT_EQ(document().history().GetCommands().GetCount(), 200u);
    while (document().canUndo()) document().undo();
    m_frame->Thaw();
    EXPECT_FALSE(bar->IsEnabled(wxID_UNDO));
    EXPECT_TRUE(bar->IsEnabled(wxID_REDO));
    EXPECT_TRUE(toolbar->GetToolEnabled(wxID_REDO));
    // The oldest ten went: the first angle still in force is the tenth.
    auto* particle = dynamic_cast<ParticleSystem2DEditor*>(selection().front());
    ASSERT_NE(particle, nullptr);
    EXPECT_EQ(particle->getAngle(), 10.0f);
}

TEST_F(GuiUndo, CtrlZInACellBeingEditedStaysWithTheCellsText) {
    command(wxID_NEW);
    edit("angle", wxVariant(45.0));
    wxPGProperty* row = grid()->GetPropertyByName(wxS("angle"));
    ASSERT_NE(row, nullptr);
    grid()->SelectProperty(row, true);
    pump(100);
    wxWindow* editor = grid()->GetEditorControl();
    auto* text = dynamic_cast<wxTextCtrl*>(editor);
    ASSERT_NE(text, nullptr);
    press(text, 'Z', wxMOD_CONTROL);
    auto* particle = dynamic_cast<ParticleSystem2DEditor*>(selection().front());
    EXPECT_EQ(particle->getAngle(), 45.0f);
    EXPECT_TRUE(document().canUndo());
    EXPECT_FALSE(document().canRedo());
}

} // namespace
