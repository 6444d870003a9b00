// The preview's pause, step, speed and fixed seed through real keys, menus and tools of the main window.
#include "MainFrameFixture.h"
#include "X11Window.h"

#include "editor/ObjectTree.h"
#include "editor/SelectionManager.h"
#include "particle/ParticleSystem2DEditor.h"
#include "ui/MainFrame.h"
#include "ui/MainFrameIds.h"
#include "ui/PreviewCommands.h"
#include "ui/PreviewSeedDlg.h"
#include "view/wxCCGLViewImpl.h"

#include "base/CCDirector.h"
#include "base/CCScheduler.h"

#include <wx/aui/auibar.h>
#include <wx/menu.h>
#include <wx/propgrid/manager.h>
#include <wx/radiobut.h>
#include <wx/spinctrl.h>
#include <wx/uiaction.h>

#include <cmath>

namespace {

// The particles' own arrays, read through a member pointer of a class that may name them.
struct ParticleArrays : ParticleSystem2DEditor {
    static const cocos2d::ParticleData& of(const ParticleSystem2DEditor* system) {
        return system->*(&ParticleArrays::_particleData);
    }
};

int DifferentPixels(const Screenshot& a, const Screenshot& b) {
    if (a.pixels.size() != b.pixels.size()) return -1;
    int differ = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i) {
        const Rgb p = a.pixels[i], q = b.pixels[i];
        if (std::abs(p.r - q.r) > 4 || std::abs(p.g - q.g) > 4 || std::abs(p.b - q.b) > 4) ++differ;
    }
    return differ;
}

} // namespace

class GuiPreview : public GuiMainFrameFixture {
protected:
    void SetUp() override {
        GuiMainFrameFixture::SetUp();
        if (HasFatalFailure()) return;
        SetFixedPreviewSeed(std::nullopt);
        focusFrame();
    }
    void TearDown() override {
        SetFixedPreviewSeed(std::nullopt);
        if (m_frame) {
            m_frame->preview().clock().setPaused(false);
            m_frame->preview().clock().setSpeedIndex(PreviewClock::kNormalSpeed);
        }
        GuiMainFrameFixture::TearDown();
    }

    void press(wxWindow* window, int code, int modifiers = wxMOD_NONE) { pressIn(window, code, modifiers); }

    Screenshot shootView() {
        pump(100);
        wxGLViewImpl* view = m_frame->engineView();
        const wxPoint origin = view->ClientToScreen(wxPoint(0, 0));
        const wxSize size = view->GetClientSize();
        X11Session x11;
        return x11.ok() ? x11.grab(origin.x, origin.y, size.x, size.y) : Screenshot();
    }

    // Replays with Ctrl+R and steps `frames` frames, paused.
    Screenshot replayAndStep(int frames) {
        press(m_frame->engineView(), 'R', wxMOD_CONTROL);
        stepFrames(frames);
        return shootView();
    }

    bool paused() { return m_frame->preview().clock().paused(); }
    wxMenuBar* menus() { return m_frame->GetMenuBar(); }
    float timeScale() { return cocos2d::Director::getInstance()->getScheduler()->getTimeScale(); }
};

TEST_F(GuiPreview, SpaceInTheViewFreezesEveryEffectAndLetsItGoOn) {
    ParticleSystem2DEditor* flower = newParticle();
    ASSERT_NE(flower, nullptr);
    pump(400);
    wxWindow* view = m_frame->engineView();
    press(view, WXK_SPACE);
    ASSERT_TRUE(paused());
    EXPECT_TRUE(menus()->IsChecked(ID_PREVIEW_PAUSE));
    EXPECT_TRUE(menus()->IsEnabled(ID_PREVIEW_STEP));
    const int count = flower->getParticleCount();
    const Screenshot first = shootView();
    pump(500);
    const Screenshot second = shootView();
    EXPECT_EQ(DifferentPixels(first, second), 0) << "a paused preview still moves";
    EXPECT_EQ(flower->getParticleCount(), count);

    // A selection change still repaints while paused: the frame goes.
    SelectionManager::getInstance()->clearSelection();
    const Screenshot unselected = shootView();
    EXPECT_GT(DifferentPixels(second, unselected), 0) << "the deselection was not drawn";

    press(view, WXK_SPACE);
    EXPECT_FALSE(paused());
    EXPECT_FALSE(menus()->IsChecked(ID_PREVIEW_PAUSE));
    EXPECT_FALSE(menus()->IsEnabled(ID_PREVIEW_STEP));
    pump(300);
    EXPECT_GT(DifferentPixels(unselected, shootView()), 0) << "the preview did not go on";
}

TEST_F(GuiPreview, SpaceAndPeriodAreKeptForTheGridAndWorkFromTheTree) {
    ASSERT_NE(newParticle(), nullptr);
    wxWindow* grid = m_frame->propertyGridManager()->GetGrid();
    press(grid, WXK_SPACE);
    EXPECT_FALSE(paused()) << "Space in the grid paused the preview";
    press(m_frame->objectTree(), WXK_SPACE);
    EXPECT_TRUE(paused()) << "Space in the tree";
    const float before = timeScale();
    EXPECT_EQ(before, 0.0f);
    press(m_frame->objectTree(), WXK_SPACE);
    EXPECT_FALSE(paused());
}

TEST_F(GuiPreview, PeriodStepsOneFrameOnlyWhilePaused) {
    ParticleSystem2DEditor* flower = newParticle();
    ASSERT_NE(flower, nullptr);
    wxWindow* view = m_frame->engineView();
    press(view, WXK_SPACE);
    ASSERT_TRUE(paused());
    const cocos2d::ParticleData& data = ParticleArrays::of(flower);
    press(view, 'R', wxMOD_CONTROL);
    pump(100);
    ASSERT_EQ(flower->getParticleCount(), 0);
    // The Flower emits 62.5 a second: one particle in the first 1/60 s.
    press(view, '.');
    ASSERT_EQ(flower->getParticleCount(), 1);
    const float life = data.timeToLive[0];
    const Screenshot one = shootView();
    press(view, '.');
    EXPECT_NEAR(life - data.timeToLive[0], 1.0f / 60.0f, 1e-5f) << "a step is one frame of 1/60 s";
    EXPECT_GT(DifferentPixels(one, shootView()), 0);

    // Running, the key does nothing and the entry is greyed.
    press(view, WXK_SPACE);
    ASSERT_FALSE(paused());
    EXPECT_FALSE(menus()->IsEnabled(ID_PREVIEW_STEP));
}

TEST_F(GuiPreview, HalfSpeedGivesHalfTheTravelAfterTheSameSteps) {
    ParticleSystem2DEditor* flower = newParticle();
    ASSERT_NE(flower, nullptr);
    // Every particle flies straight out at the same speed.
    flower->setGravity(cocos2d::Vec2::ZERO);
    flower->setSpeedVar(0);
    flower->setRadialAccel(0);
    flower->setRadialAccelVar(0);
    flower->setTangentialAccel(0);
    flower->setTangentialAccelVar(0);
    flower->setPosVar(cocos2d::Vec2::ZERO);
    wxWindow* view = m_frame->engineView();
    press(view, WXK_SPACE);
    // How far the oldest particle flies in ten stepped frames.
    auto travel = [&] {
        replayAndStep(10);
        const cocos2d::ParticleData& data = ParticleArrays::of(flower);
        EXPECT_GT(flower->getParticleCount(), 0);
        const float x = data.posx[0], y = data.posy[0];
        stepFrames(10);
        return std::hypot(data.posx[0] - x, data.posy[0] - y);
    };
    const float normal = travel();
    ASSERT_GT(normal, 1.0f);

    // The speed chosen in the menu, as the menu sends it.
    command(ID_PREVIEW_SPEED_FIRST + 2);
    EXPECT_TRUE(menus()->IsChecked(ID_PREVIEW_SPEED_FIRST + 2));
    EXPECT_FALSE(menus()->IsChecked(ID_PREVIEW_SPEED_FIRST + 3));
    EXPECT_TRUE(paused()) << "a new speed does not end the pause";
    EXPECT_NEAR(travel() / normal, 0.5f, 0.001f);

    // Running, every effect sees the wall time times the factor.
    press(view, WXK_SPACE);
    EXPECT_EQ(timeScale(), 0.5f);
    command(ID_PREVIEW_SPEED_FIRST + 5);
    EXPECT_EQ(timeScale(), 4.0f);
    command(ID_PREVIEW_SPEED_FIRST + 3);
    EXPECT_EQ(timeScale(), 1.0f);
}

TEST_F(GuiPreview, FixedSeedReplaysTheSamePixelsAndRandomReplaysDiffer) {
    ASSERT_NE(newParticle(), nullptr);
    // A second effect in the scene draws from the same stream.
    command(ID_EXAMPLE_FIRST + 2);
    pump(100);
    ASSERT_EQ(selection().size(), 1u);
    wxWindow* view = m_frame->engineView();
    press(view, WXK_SPACE);
    ASSERT_TRUE(paused());

    SetFixedPreviewSeed(12345u);
    const Screenshot first = replayAndStep(30);
    pump(300);
    const Screenshot second = replayAndStep(30);
    ASSERT_GT(first.width, 0);
    EXPECT_EQ(DifferentPixels(first, second), 0) << "two replays with one seed differ";

    SetFixedPreviewSeed(std::nullopt);
    const Screenshot third = replayAndStep(30);
    const Screenshot fourth = replayAndStep(30);
    EXPECT_GT(DifferentPixels(third, fourth), 100) << "random replays look the same";
}

TEST_F(GuiPreview, SeedDialogOffersRandomOrAFixedSeedInRange) {
    PreviewSeedDlg dialog(m_frame, wxID_ANY, wxS("seed"));
    EXPECT_EQ(dialog.m_radioRandom->GetLabel(), wxString::FromUTF8("每次重播随机"));
    EXPECT_EQ(dialog.m_radioFixed->GetLabel(), wxString::FromUTF8("固定种子"));
    EXPECT_FALSE(dialog.seed().has_value()) << "random is the default";
    EXPECT_FALSE(dialog.m_spinSeed->IsEnabled());
    EXPECT_EQ(dialog.m_spinSeed->GetMin(), 0);
    EXPECT_EQ(dialog.m_spinSeed->GetMax(), 2147483647);
    dialog.setSeed(2147483647u);
    EXPECT_TRUE(dialog.m_radioFixed->GetValue());
    EXPECT_TRUE(dialog.m_spinSeed->IsEnabled());
    ASSERT_TRUE(dialog.seed().has_value());
    EXPECT_EQ(*dialog.seed(), 2147483647u);
    dialog.m_radioRandom->SetValue(true);
    EXPECT_FALSE(dialog.seed().has_value());

    // The menu entry opens it modally; a cancel keeps the seed as it was.
    SetFixedPreviewSeed(7u);
    const int before = m_dialogs.otherDialogs;
    command(ID_PREVIEW_SEED);
    EXPECT_EQ(m_dialogs.otherDialogs, before + 1);
    ASSERT_TRUE(FixedPreviewSeed().has_value());
    EXPECT_EQ(*FixedPreviewSeed(), 7u);
}

TEST_F(GuiPreview, NewEffectsStartFromTheFixedSeed) {
    wxWindow* view = m_frame->engineView();
    press(view, WXK_SPACE);
    SetFixedPreviewSeed(99u);
    std::vector<float> lives[2];
    for (auto& life : lives) {
        ParticleSystem2DEditor* flower = newParticle();
        ASSERT_NE(flower, nullptr);
        stepFrames(3);
        const cocos2d::ParticleData& data = ParticleArrays::of(flower);
        life.assign(data.timeToLive, data.timeToLive + flower->getParticleCount());
        command(wxID_DELETE);
        pump(50);
    }
    ASSERT_FALSE(lives[0].empty());
    EXPECT_EQ(lives[0], lives[1]);
}

TEST_F(GuiPreview, MenuSitsBetweenEditAndSettingsAndToolsFollowIt) {
    wxMenuBar* bar = menus();
    ASSERT_GE(bar->GetMenuCount(), 5u);
    EXPECT_EQ(bar->GetMenuLabel(1), wxString::FromUTF8("编辑(&E)"));
    EXPECT_EQ(bar->GetMenuLabel(2), wxString::FromUTF8("预览(&V)"));
    EXPECT_EQ(bar->GetMenuLabel(3), wxString::FromUTF8("设置(&S)"));
    wxMenu* preview = bar->GetMenu(2);
    const char* labels[] = {"暂停/继续", "单步", "速度", "随机种子…", "发射器运动", nullptr, "显示发射区域"};
    ASSERT_EQ(preview->GetMenuItemCount(), 7u);
    for (size_t i = 0; i < 7; ++i) {
        wxMenuItem* item = preview->FindItemByPosition(i);
        if (!labels[i])
            EXPECT_TRUE(item->IsSeparator());
        else
            EXPECT_EQ(item->GetItemLabelText(), wxString::FromUTF8(labels[i])) << i;
    }
    wxMenu* speed = preview->FindItemByPosition(2)->GetSubMenu();
    ASSERT_NE(speed, nullptr);
    const char* speeds[] = {"0.1×", "0.25×", "0.5×", "1×", "2×", "4×"};
    ASSERT_EQ(speed->GetMenuItemCount(), 6u);
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(speed->FindItemByPosition(i)->GetItemLabelText(), wxString::FromUTF8(speeds[i]));
        EXPECT_TRUE(speed->FindItemByPosition(i)->IsRadio());
    }
    EXPECT_TRUE(speed->FindItemByPosition(3)->IsChecked()) << "1× is the default";
    EXPECT_TRUE(preview->FindItemByPosition(6)->IsChecked()) << "the spawn area is shown by default";

    // The pause tool, clicked for real, pauses; its state and the step tool follow.
    wxAuiToolBar* tools = nullptr;
    wxAuiPaneInfoArray& panes = m_frame->paneManager().GetAllPanes();
    for (size_t i = 0; i < panes.size(); ++i)
        if (auto* found = dynamic_cast<wxAuiToolBar*>(panes[i].window)) tools = found;
    ASSERT_NE(tools, nullptr);
    EXPECT_FALSE(tools->GetToolEnabled(ID_PREVIEW_STEP));
    const wxRect rect = tools->GetToolRect(ID_PREVIEW_PAUSE);
    ASSERT_FALSE(rect.IsEmpty());
    wxUIActionSimulator user;
    user.MouseMove(tools->ClientToScreen(rect.GetPosition() + wxPoint(rect.width / 2, rect.height / 2)));
    pump(50);
    user.MouseClick();
    ASSERT_TRUE(pumpUntil([&] { return paused(); }, 2));
    EXPECT_TRUE(tools->GetToolToggled(ID_PREVIEW_PAUSE));
    EXPECT_TRUE(tools->GetToolEnabled(ID_PREVIEW_STEP));
    command(ID_PREVIEW_PAUSE);
    EXPECT_FALSE(tools->GetToolToggled(ID_PREVIEW_PAUSE));
    command(ID_PREVIEW_SPEED_FIRST);
    EXPECT_EQ(tools->GetToolShortHelp(ID_PREVIEW_SPEED), wxString::FromUTF8("速度 0.1×"));
}

TEST_F(GuiPreview, SpeedToolOpensTheSpeedChoicesUnderIt) {
    wxAuiToolBar* tools = nullptr;
    wxAuiPaneInfoArray& panes = m_frame->paneManager().GetAllPanes();
    for (size_t i = 0; i < panes.size(); ++i)
        if (auto* found = dynamic_cast<wxAuiToolBar*>(panes[i].window)) tools = found;
    ASSERT_NE(tools, nullptr);
    const wxRect rect = tools->GetToolRect(ID_PREVIEW_SPEED);
    ASSERT_FALSE(rect.IsEmpty());
    // Both the tool and its arrow open the choices; each is closed again
    // from inside the loop the open menu runs.
    std::unique_ptr<PopupWatch> watch;
    m_frame->Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent& event) {
        if (event.GetMenu() && !watch) watch = std::make_unique<PopupWatch>(event.GetMenu());
        event.Skip();
    });
    for (int x : {rect.x + 6, rect.GetRight() - 3}) {
        watch.reset();
        wxUIActionSimulator user;
        user.MouseMove(tools->ClientToScreen(wxPoint(x, rect.y + rect.height / 2)));
        pump(50);
        user.MouseClick();
        ASSERT_TRUE(pumpUntil([&] { return watch && watch->shown; }, 4)) << "no speed choices at x " << x;
        // Opened just below the tool.
        const wxPoint below = tools->ClientToScreen(rect.GetBottomLeft());
        EXPECT_NEAR(watch->y, below.y, 8);
        pump(200);
    }
}
