// The spawn area over a selected effect on the real main window: rectangle and circles where the parameters put them.
#include "MainFrameFixture.h"
#include "X11Window.h"

#include "editor/SelectionManager.h"
#include "editor/wxRealPointVariantData.h"
#include "particle/ParticleSystem2DEditor.h"
#include "ui/MainFrame.h"
#include "ui/MainFrameIds.h"
#include "ui/PreviewCommands.h"
#include "view/wxCCGLViewImpl.h"

#include <wx/menu.h>
#include <wx/propgrid/manager.h>

#include <cmath>

namespace {

bool IsRed(const Rgb& c) {
    return c.r > 200 && c.g < 70 && c.b < 70;
}

} // namespace

class GuiSpawnArea : public GuiMainFrameFixture {
protected:
    void SetUp() override {
        GuiMainFrameFixture::SetUp();
        if (HasFatalFailure()) return;
        command(wxID_NEW);
        pump(100);
        ASSERT_FALSE(selection().empty());
        m_flower = dynamic_cast<ParticleSystem2DEditor*>(selection().front());
        ASSERT_NE(m_flower, nullptr);
        // Nothing but the marks on the black background.
        m_frame->preview().clock().setPaused(true);
        m_flower->restartFromNothing();
        m_flower->stopSystem();
    }
    void TearDown() override {
        if (m_frame) m_frame->preview().clock().setPaused(false);
        GuiMainFrameFixture::TearDown();
    }

    void edit(const char* name, const wxVariant& value) {
        wxPropertyGrid* grid = m_frame->propertyGridManager()->GetGrid();
        wxPGProperty* row = grid->GetPropertyByName(wxString::FromUTF8(name));
        ASSERT_NE(row, nullptr) << name;
        ASSERT_TRUE(grid->ChangePropertyValue(row, value)) << name;
        pump(50);
    }

    void shoot() {
        pump(150);
        wxGLViewImpl* view = m_frame->engineView();
        const wxPoint origin = view->ClientToScreen(wxPoint(0, 0));
        const wxSize size = view->GetClientSize();
        X11Session x11;
        ASSERT_TRUE(x11.ok());
        m_shot = x11.grab(origin.x, origin.y, size.x, size.y);
        // Design points to view pixels, from the view's own mapping the other way.
        const cocos2d::Vec2 a = view->toDesignPoint(0, 0), b = view->toDesignPoint(100, 100);
        m_scaleX = (b.x - a.x) / 100;
        m_scaleY = (b.y - a.y) / 100;
        m_origin = a;
    }

    // Whether a red pixel lies within two pixels of the design point at
    // offset (dx, dy) from the effect.
    bool redAt(float dx, float dy) const {
        const cocos2d::Vec2 at = m_flower->getPosition() + cocos2d::Vec2(dx, dy);
        const int x = static_cast<int>(std::lround((at.x - m_origin.x) / m_scaleX));
        const int y = static_cast<int>(std::lround((at.y - m_origin.y) / m_scaleY));
        for (int j = y - 2; j <= y + 2; ++j)
            for (int i = x - 2; i <= x + 2; ++i)
                if (i >= 0 && j >= 0 && i < m_shot.width && j < m_shot.height && IsRed(m_shot.at(i, j))) return true;
        return false;
    }

    ParticleSystem2DEditor* m_flower = nullptr;
    Screenshot m_shot;
    cocos2d::Vec2 m_origin;
    float m_scaleX = 1, m_scaleY = 1;
};

TEST_F(GuiSpawnArea, GravityModeRectangleFollowsTheVarianceEditAndTheMenuHidesIt) {
    ASSERT_EQ(m_flower->getEmitterMode(), cocos2d::ParticleSystem::Mode::GRAVITY);
    wxVariant variance;
    variance << wxRealPoint(90, 60);
    edit("sourcePositionVariance", variance);
    shoot();
    // The middles of the four sides, well away from the 40-point frame.
    EXPECT_TRUE(redAt(90, 0));
    EXPECT_TRUE(redAt(-90, 0));
    EXPECT_TRUE(redAt(0, 60));
    EXPECT_TRUE(redAt(0, -60));
    EXPECT_TRUE(redAt(60, 60)) << "top side";
    EXPECT_FALSE(redAt(50, 40)) << "inside";
    EXPECT_FALSE(redAt(120, 0)) << "outside";

    // Away from the origin with the source position.
    wxVariant source;
    source << wxRealPoint(100, 0);
    edit("sourcePosition", source);
    shoot();
    EXPECT_TRUE(redAt(190, 0));
    EXPECT_TRUE(redAt(10, 30));
    EXPECT_FALSE(redAt(-90, 0));

    command(ID_PREVIEW_SPAWN_AREA);
    EXPECT_FALSE(m_frame->GetMenuBar()->IsChecked(ID_PREVIEW_SPAWN_AREA));
    shoot();
    EXPECT_FALSE(redAt(190, 0));
    EXPECT_TRUE(redAt(20, 0)) << "the selection frame stays";
    command(ID_PREVIEW_SPAWN_AREA);
    EXPECT_TRUE(m_frame->GetMenuBar()->IsChecked(ID_PREVIEW_SPAWN_AREA));
}

TEST_F(GuiSpawnArea, RadiusModeCirclesOfStartAndEndRadiusAroundTheEmitter) {
    edit("emitterType", wxVariant(1L));
    edit("emitterType.maxRadius", wxVariant(100.0));
    edit("emitterType.maxRadiusVariance", wxVariant(25.0));
    edit("emitterType.minRadius", wxVariant(50.0));
    edit("emitterType.minRadiusVariance", wxVariant(0.0));
    shoot();
    for (float r : {75.0f, 125.0f, 50.0f}) {
        EXPECT_TRUE(redAt(r, 0)) << r;
        EXPECT_TRUE(redAt(0, -r)) << r;
        EXPECT_TRUE(redAt(-r * 0.7071f, r * 0.7071f)) << r;
    }
    EXPECT_FALSE(redAt(100, 0)) << "between the start circles";
    EXPECT_FALSE(redAt(0, 150)) << "outside";

    // An edit of the variance moves the circles at once.
    edit("emitterType.maxRadiusVariance", wxVariant(40.0));
    shoot();
    EXPECT_TRUE(redAt(140, 0));
    EXPECT_TRUE(redAt(0, 60));
    EXPECT_FALSE(redAt(125, 0));
}

TEST_F(GuiSpawnArea, OnlyTheSelectedEffectShowsItsArea) {
    wxVariant variance;
    variance << wxRealPoint(90, 60);
    edit("sourcePositionVariance", variance);
    SelectionManager::getInstance()->clearSelection();
    shoot();
    EXPECT_FALSE(redAt(90, 0));
    EXPECT_FALSE(redAt(0, 60));
}
