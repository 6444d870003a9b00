// The moving emitter on the real main window: paths, the three position types on screen, saved bytes, the Alt-drag.
#include "MainFrameFixture.h"
#include "ViewShot.h"

#include "editor/EmitterMotion.h"
#include "editor/SceneDocument.h"
#include "particle/ParticleSystem2DEditor.h"
#include "particle/PlistDocument.h"
#include "ui/MainFrame.h"
#include "ui/MainFrameIds.h"
#include "ui/PreviewCommands.h"
#include "view/wxCCGLViewImpl.h"

#include <wx/menu.h>
#include <wx/propgrid/manager.h>
#include <wx/uiaction.h>

#include <fstream>
#include <sstream>

using cocos2d::Vec2;

namespace {

int DifferentPixels(const Screenshot& a, const Screenshot& b) {
    int differ = 0;
    for (size_t i = 0; i < a.pixels.size() && i < b.pixels.size(); ++i) {
        const Rgb p = a.pixels[i], q = b.pixels[i];
        if (std::abs(p.r - q.r) > 4 || std::abs(p.g - q.g) > 4 || std::abs(p.b - q.b) > 4) ++differ;
    }
    return differ;
}

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

} // namespace

class GuiEmitterMotion : public GuiMainFrameFixture {
protected:
    void SetUp() override {
        GuiMainFrameFixture::SetUp();
        if (HasFatalFailure()) return;
        focusFrame();
        m_flower = newParticle();
        ASSERT_NE(m_flower, nullptr);
        m_frame->preview().clock().setPaused(true);
    }
    void TearDown() override {
        SetFixedPreviewSeed(std::nullopt);
        if (m_frame) {
            command(ID_PREVIEW_MOTION_FIRST);
            m_frame->preview().clock().setPaused(false);
        }
        GuiMainFrameFixture::TearDown();
    }

    Vec2 shownAt() const { return m_flower->convertToWorldSpace(Vec2::ZERO); }
    wxString gridPosition() {
        return m_frame->propertyGridManager()->GetGrid()->GetPropertyByName(wxS("_Position"))->GetValueAsString();
    }

    ParticleSystem2DEditor* m_flower = nullptr;
};

TEST_F(GuiEmitterMotion, EachPathCarriesTheShownEmitterWhileItsPositionStays) {
    const Vec2 position = m_flower->getPosition();
    const wxString row = gridPosition();
    const std::string plist = PlistDocument::text([this](wxXmlNode* d) { m_flower->writeXml(d); });
    struct Case {
        int id;
        EmitterMotion::Path path;
    };
    const Case cases[] = {{ID_PREVIEW_MOTION_FIRST + 1, EmitterMotion::Path::BackAndForth},
                          {ID_PREVIEW_MOTION_FIRST + 2, EmitterMotion::Path::Circle},
                          {ID_PREVIEW_MOTION_FIRST + 3, EmitterMotion::Path::FigureEight}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.path));
        command(c.id);
        EXPECT_TRUE(m_frame->GetMenuBar()->IsChecked(c.id));
        // A sixth and a quarter of a loop: every path is off its start in both directions it uses.
        for (int frames : {20, 30}) {
            stepFrames(frames == 20 ? 20 : 10);
            const Vec2 expected = position + EmitterMotion::offsetAt(c.path, frames / 60.0f);
            EXPECT_NEAR(shownAt().x, expected.x, 0.05f) << frames;
            EXPECT_NEAR(shownAt().y, expected.y, 0.05f) << frames;
        }
        EXPECT_GT(shownAt().distance(position), 40);
        // The selection's mark is drawn where the effect is shown.
        const ViewShot seen = ViewShot::of(m_frame->engineView());
        EXPECT_TRUE(seen.redNear(shownAt() + Vec2(20, 0)));
        EXPECT_FALSE(seen.redNear(position + Vec2(20, 0)));

        EXPECT_EQ(m_flower->getPosition(), position);
        EXPECT_EQ(gridPosition(), row);
        EXPECT_EQ(PlistDocument::text([this](wxXmlNode* d) { m_flower->writeXml(d); }), plist);
    }
    // The paths follow the speed: half speed, half the way along.
    command(ID_PREVIEW_MOTION_FIRST + 1);
    m_frame->preview().clock().setSpeedIndex(2);
    stepFrames(20);
    EXPECT_NEAR(shownAt().x, position.x + EmitterMotion::offsetAt(EmitterMotion::Path::BackAndForth, 10 / 60.0f).x,
                0.05f);
    m_frame->preview().clock().setSpeedIndex(PreviewClock::kNormalSpeed);

    command(ID_PREVIEW_MOTION_FIRST);
    stepFrames(1);
    EXPECT_EQ(shownAt(), position) << "still puts it back exactly";
}

TEST_F(GuiEmitterMotion, FreeTrailsStayWhereEmittedRelativeAndGroupedGoAlong) {
    SetFixedPreviewSeed(4242u);
    wxPropertyGrid* grid = m_frame->propertyGridManager()->GetGrid();
    auto look = [&](long type) {
        grid->ChangePropertyValue(grid->GetPropertyByName(wxS("positionType")), wxVariant(type));
        command(ID_REPLAY);
        stepFrames(45);
        pump(100);
        return ViewShot::of(m_frame->engineView()).shot;
    };
    // Standing still, where a particle lives does not matter.
    const Screenshot stillFree = look(0), stillGrouped = look(2);
    EXPECT_EQ(DifferentPixels(stillFree, stillGrouped), 0);

    command(ID_PREVIEW_MOTION_FIRST + 1);
    const Screenshot free = look(0), relative = look(1), grouped = look(2);
    EXPECT_GT(DifferentPixels(free, grouped), 2000) << "free particles must stay behind";
    EXPECT_GT(DifferentPixels(free, relative), 2000);
    // Carried along with their parent's space, relative and grouped particles
    // are placed alike by the engine.
    EXPECT_EQ(DifferentPixels(relative, grouped), 0);
    EXPECT_GT(DifferentPixels(free, stillFree), 2000) << "the path changed nothing";
}

TEST_F(GuiEmitterMotion, SavedFileAfterMovingIsTheSameBytes) {
    const std::string before = m_work->file("before.plist"), after = m_work->file("after.plist");
    answerPaths({wxString::FromUTF8(before), wxString::FromUTF8(after)});
    command(wxID_SAVE);
    ASSERT_FALSE(Bytes(before).empty());
    const bool couldUndo = m_frame->sceneDocument().canUndo();
    command(ID_PREVIEW_MOTION_FIRST + 2);
    stepFrames(25);
    ASSERT_NE(shownAt(), m_flower->getPosition());
    command(wxID_SAVEAS);
    EXPECT_EQ(Bytes(after), Bytes(before));
    EXPECT_EQ(m_frame->sceneDocument().canUndo(), couldUndo) << "moving made a step of the history";
}

TEST_F(GuiEmitterMotion, AltDragCarriesTheEffectUntilReleasedAndAPlainDragMovesIt) {
    const Vec2 position = m_flower->getPosition();
    const wxString row = gridPosition();
    const bool couldUndo = m_frame->sceneDocument().canUndo();
    wxGLViewImpl* view = m_frame->engineView();
    const ViewShot map = ViewShot::of(view);
    const wxPoint start = view->ClientToScreen(map.pixelOf(position));
    const wxPoint end = view->ClientToScreen(map.pixelOf(position + Vec2(120, 60)));

    wxUIActionSimulator user;
    user.MouseMove(start);
    pump(50);
    user.KeyDown(WXK_ALT);
    user.MouseDown();
    pump(50);
    for (int i = 1; i <= 6; ++i) {
        user.MouseMove(start + (end - start) * i / 6);
        pump(30);
    }
    pump(100);
    EXPECT_NEAR(shownAt().x, position.x + 120, 2);
    EXPECT_NEAR(shownAt().y, position.y + 60, 2);
    EXPECT_EQ(m_flower->getPosition(), position);
    user.MouseUp();
    user.KeyUp(WXK_ALT);
    pump(100);
    EXPECT_EQ(shownAt(), position) << "did not spring back";
    EXPECT_EQ(gridPosition(), row);
    EXPECT_EQ(m_frame->sceneDocument().canUndo(), couldUndo);

    user.MouseMove(start);
    pump(50);
    user.MouseDown();
    for (int i = 1; i <= 6; ++i) {
        user.MouseMove(start + (end - start) * i / 6);
        pump(30);
    }
    user.MouseUp();
    pump(100);
    EXPECT_NEAR(m_flower->getPosition().x, position.x + 120, 2);
    EXPECT_NEAR(m_flower->getPosition().y, position.y + 60, 2);
    EXPECT_TRUE(m_frame->sceneDocument().canUndo());
}
