// The frame pump in the real main window draws only when the picture can have changed, and never behind a hidden one.
#include "MainFrameFixture.h"

#include "EngineHostScreen.h"
#include "X11Window.h"
#include "editor/EditorObject.h"
#include "editor/ObjectTree.h"
#include "ui/MainFrame.h"
#include "ui/MainFrameIds.h"
#include "view/wxCCGLViewImpl.h"

#include "2d/CCParticleSystem.h"
#include "2d/CCScene.h"
#include "base/CCDirector.h"
#include "base/CCEventCustom.h"
#include "base/CCEventDispatcher.h"
#include "base/CCEventListenerCustom.h"

#include <wx/image.h>
#include <wx/propgrid/manager.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <chrono>

USING_NS_CC;

namespace {

using Clock = std::chrono::steady_clock;

class GuiFrameDemand : public GuiMainFrameFixture {
protected:
    void SetUp() override {
        GuiMainFrameFixture::SetUp();
        m_listener = Director::getInstance()->getEventDispatcher()->addCustomEventListener(
            Director::EVENT_AFTER_DRAW, [this](EventCustom*) {
                ++m_frames;
                m_lastFrameAt = Clock::now();
                m_lastDelta = Director::getInstance()->getDeltaTime();
                if (m_watched) m_particlesDrawn = m_watched->getParticleCount();
                if (m_particlesDrawn > 0) ++m_framesWithParticles;
            });
    }
    void TearDown() override {
        Director::getInstance()->getEventDispatcher()->removeEventListener(m_listener);
        GuiMainFrameFixture::TearDown();
    }

    int framesDuring(int ms) {
        const int before = m_frames;
        pump(ms);
        return m_frames - before;
    }
    // Runs events until no frame has been drawn for 300 ms.
    bool settle() {
        return pumpUntil([this] { return Clock::now() - m_lastFrameAt > std::chrono::milliseconds(300); }, 8);
    }
    // Seconds from now until the next frame is drawn; -1 when none comes within `seconds`.
    double secondsToNextFrame(double seconds = 2) {
        const int before = m_frames;
        const Clock::time_point start = Clock::now();
        if (!pumpUntil([&] { return m_frames > before; }, seconds)) return -1;
        return std::chrono::duration<double>(m_lastFrameAt - start).count();
    }
    ParticleSystem* selectedSystem() {
        return selection().empty() ? nullptr : dynamic_cast<ParticleSystem*>(selection().front());
    }
    unsigned long frameXid() {
        return gdk_x11_window_get_xid(gtk_widget_get_window(static_cast<GtkWidget*>(m_frame->GetHandle())));
    }
    // A plain window of another client over the whole engine view.
    unsigned long coverView(X11Session& x) {
        wxGLViewImpl* view = m_frame->engineView();
        const wxPoint at = view->ClientToScreen(wxPoint(0, 0));
        const wxSize size = view->GetClientSize();
        Display* d = x.display();
        XSetWindowAttributes attributes;
        attributes.override_redirect = True;
        attributes.background_pixel = WhitePixel(d, DefaultScreen(d));
        const unsigned long w =
            XCreateWindow(d, DefaultRootWindow(d), at.x - 5, at.y - 5, size.x + 10, size.y + 10, 0, CopyFromParent,
                          InputOutput, CopyFromParent, CWOverrideRedirect | CWBackPixel, &attributes);
        XMapRaised(d, w);
        XSync(d, False);
        return w;
    }

    EventListenerCustom* m_listener = nullptr;
    int m_frames = 0;
    Clock::time_point m_lastFrameAt = Clock::now();
    float m_lastDelta = 0;
    ParticleSystem* m_watched = nullptr;
    int m_particlesDrawn = -1;
    int m_framesWithParticles = 0;
};

TEST_F(GuiFrameDemand, StillScenesDrawNothingUntilSomethingChanges) {
    ASSERT_TRUE(settle()) << "the empty scene never stopped drawing";
    EXPECT_EQ(framesDuring(1000), 0) << "empty scene";

    command(ID_CREATE_FIRST + 1); // a sprite
    EXPECT_GT(framesDuring(200), 0) << "the new sprite was not drawn";
    ASSERT_TRUE(settle());
    EXPECT_EQ(framesDuring(1000), 0) << "a sprite";

    // An Explosion made short-lived before its first frame: it plays, its
    // end is drawn, and then the pump rests.
    command(ID_EXAMPLE_FIRST + 3);
    m_watched = selectedSystem();
    ASSERT_NE(m_watched, nullptr);
    m_watched->setLife(1.2f);
    m_watched->setLifeVar(0);
    ASSERT_TRUE(pumpUntil([&] { return !m_watched->isActive() && m_watched->getParticleCount() == 0; }, 5));
    EXPECT_GE(m_framesWithParticles, 3) << "the live explosion was not drawn as it played";
    ASSERT_TRUE(settle());
    EXPECT_EQ(m_particlesDrawn, 0) << "the last frame drawn still shows particles";
    EXPECT_EQ(framesDuring(1000), 0) << "a finished explosion";

    // A background image.
    wxImage picture(64, 64);
    picture.SetRGB(wxRect(0, 0, 64, 64), 200, 40, 40);
    ASSERT_TRUE(picture.SaveFile(wxString::FromUTF8(m_work->file("backdrop.png")), wxBITMAP_TYPE_PNG));
    answerPaths({wxString::FromUTF8(m_work->file("backdrop.png"))});
    command(wxID_OPEN);
    ASSERT_NE(Director::getInstance()->getRunningScene()->getChildByName("bg_for_debug_particle"), nullptr);
    EXPECT_GT(framesDuring(200), 0) << "the background was not drawn";
    ASSERT_TRUE(settle());
    EXPECT_EQ(framesDuring(1000), 0) << "finished effect, sprite and background";
}

TEST_F(GuiFrameDemand, InputEditsSelectionResizeAndExposeEachDrawAFrame) {
    X11Session x;
    ASSERT_TRUE(x.ok());
    focusFrame();
    command(ID_CREATE_FIRST + 1);
    command(ID_CREATE_FIRST + 1);
    ASSERT_TRUE(settle());
    wxUIActionSimulator sim;

    // Pointer movement over the view, as real X input.
    // (The simulator waits for its own events, so frames may come inside it.)
    wxGLViewImpl* view = m_frame->engineView();
    int before = m_frames;
    sim.MouseMove(view->ClientToScreen(wxPoint(40, 40)));
    sim.MouseMove(view->ClientToScreen(wxPoint(60, 50)));
    pump(200);
    EXPECT_GT(m_frames - before, 0) << "pointer movement";
    ASSERT_TRUE(settle());

    // A rotation typed into the grid and committed with Enter.
    wxPropertyGrid* grid = m_frame->propertyGridManager()->GetGrid();
    wxPGProperty* row = grid->GetPropertyByName("_Rotation");
    ASSERT_NE(row, nullptr) << "no rotation row on the sprite's page";
    ASSERT_TRUE(grid->SelectProperty(row, true));
    pump(100);
    auto* editor = wxDynamicCast(grid->GetEditorControl(), wxTextCtrl);
    ASSERT_NE(editor, nullptr);
    editor->SetFocus();
    editor->SelectAll();
    pump(100);
    ASSERT_TRUE(settle());
    before = m_frames;
    sim.Text("17");
    sim.Char(WXK_RETURN);
    pump(300);
    EXPECT_GT(m_frames - before, 0) << "an edit in the grid";
    EXPECT_EQ(row->GetValue().GetDouble(), 17.0) << "the typed value did not reach the grid";
    ASSERT_TRUE(settle());

    // A click on the other row of the object tree selects the other sprite.
    ObjectTree* tree = m_frame->objectTree();
    wxTreeItemIdValue cookie;
    const wxTreeItemId first = tree->GetFirstChild(tree->GetRootItem(), cookie);
    ASSERT_TRUE(first.IsOk());
    EditorObject* selectedBefore = selection().front();
    wxRect rowRect;
    ASSERT_TRUE(tree->GetBoundingRect(first, rowRect, true));
    sim.MouseMove(tree->ClientToScreen(rowRect.GetPosition() + wxPoint(4, rowRect.height / 2)));
    pump(50);
    ASSERT_TRUE(settle());
    before = m_frames;
    sim.MouseClick();
    pump(300);
    EXPECT_GT(m_frames - before, 0) << "a selection change";
    ASSERT_NE(selection().front(), selectedBefore) << "the click did not change the selection";
    ASSERT_TRUE(settle());

    // A resize of the window.
    const wxSize size = m_frame->GetSize();
    m_frame->SetSize(size.x - 60, size.y - 40);
    EXPECT_GT(framesDuring(300), 0) << "a resize";
    ASSERT_TRUE(settle());

    // Another client's window over the view, then gone: the uncovered view
    // is drawn again, not left showing that window's white.
    const unsigned long cover = coverView(x);
    pump(200);
    ASSERT_TRUE(settle());
    XDestroyWindow(x.display(), cover);
    XSync(x.display(), False);
    EXPECT_GT(framesDuring(300), 0) << "an expose";
    const wxPoint at = view->ClientToScreen(wxPoint(0, 0));
    const Screenshot shot = x.grab(at.x, at.y, view->GetClientSize().x, view->GetClientSize().y);
    EXPECT_TRUE(IsMidGrey(shot.at(2, 2))) << shot.at(2, 2).r << "," << shot.at(2, 2).g << "," << shot.at(2, 2).b;
    EXPECT_TRUE(IsMidGrey(shot.at(shot.width - 3, shot.height / 2)));

    // A new effect draws, and keeps drawing while it lives.
    command(ID_EXAMPLE_FIRST); // Flower
    EXPECT_GT(framesDuring(1000), 15) << "a live effect";
}

TEST_F(GuiFrameDemand, AMinimizedOrCoveredWindowDrawsNothingAndDrawsAtOnceWhenBack) {
    X11Session x;
    ASSERT_TRUE(x.ok());
    command(ID_EXAMPLE_FIRST); // Flower: frames all the time while it can be seen
    EXPECT_GT(framesDuring(500), 5);

    // Minimized: the window manager's part (there is none under the test
    // server) is to unmap the window, which the toolkit takes as iconified.
    m_frame->Iconize(true);
    XUnmapWindow(x.display(), frameXid());
    XSync(x.display(), False);
    ASSERT_TRUE(pumpUntil([&] { return m_frame->IsIconized(); }, 3));
    pump(100);
    EXPECT_EQ(framesDuring(1000), 0) << "frames drawn behind a minimized window";
    XMapWindow(x.display(), frameXid());
    XSync(x.display(), False);
    const double restored = secondsToNextFrame();
    EXPECT_GE(restored, 0) << "nothing drawn after the window came back";
    EXPECT_LT(restored, 0.15);
    EXPECT_GT(framesDuring(500), 5) << "the effect did not go on playing";

    // Fully covered by another client's window.
    const unsigned long cover = coverView(x);
    pump(200);
    EXPECT_EQ(framesDuring(1000), 0) << "frames drawn behind a covering window";
    XDestroyWindow(x.display(), cover);
    XSync(x.display(), False);
    const double uncovered = secondsToNextFrame();
    EXPECT_GE(uncovered, 0) << "nothing drawn after the cover went";
    EXPECT_LT(uncovered, 0.15);
}

// Code that changes the scene outside a toolkit event asks for its frame;
// the resting pump draws it at once, and the engine's clock has not jumped
// over the still spell (nor over the pump's resting period).
TEST_F(GuiFrameDemand, ARequestedFrameAfterAStillSpellComesAtOnceAndSeesOneTicksTime) {
    ASSERT_TRUE(settle());
    pump(1500);
    m_frame->engineHost().requestFrame();
    const double wait = secondsToNextFrame();
    ASSERT_GE(wait, 0);
    // At once, not at the resting pump's next tick 200 ms later (with room
    // for a loaded machine).
    EXPECT_LT(wait, 0.15);
    EXPECT_LT(m_lastDelta, 0.05f) << "the engine's clock jumped over the frames not drawn";
    EXPECT_GT(m_lastDelta, 0.0f);
}

} // namespace
