// The spawn area over a selected effect on the real main window: rectangle and circles where the parameters put them.
#include "MainFrameFixture.h"
#include "ViewShot.h"

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

class GuiSpawnArea : public GuiMainFrameFixture {
protected:
    void SetUp() override {
        GuiMainFrameFixture::SetUp();
        if (HasFatalFailure()) return;
        m_flower = newParticle();
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
        m_view = ViewShot::of(m_frame->engineView());
        ASSERT_GT(m_view.shot.width, 0);
    }

    // Whether the mark passes near the design point at offset (dx, dy) from the effect.
    bool redAt(float dx, float dy) const { return m_view.redNear(m_flower->getPosition() + cocos2d::Vec2(dx, dy)); }

    ParticleSystem2DEditor* m_flower = nullptr;
    ViewShot m_view;
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
