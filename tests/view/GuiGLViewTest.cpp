// The engine view on a real child window: visual, context, zoom and the recorded viewport.
#include <gtest/gtest.h>

#include "WxToolkit.h"

#include <wx/frame.h>

#include "view/GLLayer.h"
#include "view/GLViewMath.h"
#include "view/wxCCGLViewImpl.h"

#include "2d/CCCamera.h"
#include "base/CCDirector.h"

#include <GL/glx.h>
#include <X11/Xlib.h>

USING_NS_CC;

namespace {

class GuiGLView : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(StartToolkit()) << "no X display for the engine view";
        frame = new wxFrame(nullptr, wxID_ANY, "view test", wxPoint(0, 0), wxSize(900, 700));
    }
    void TearDown() override {
        if (frame) frame->Destroy();
        PumpEvents(50);
    }

    wxGLViewImpl* MakeView(bool shownFirst) {
        if (shownFirst) {
            frame->Show();
            PumpEvents(100);
        }
        wxGLViewImpl* view = wxGLViewImpl::create("test view", Rect(0, 0, 320, 240), frame, 1.0f);
        EXPECT_NE(view, nullptr) << wxGLViewImpl::lastCreateError();
        if (view && !shownFirst) frame->Show();
        PumpEvents(100);
        return view;
    }

    VisualID VisualOf(unsigned long xid) {
        XWindowAttributes a{};
        XGetWindowAttributes(GLLayer::getX11Display(), xid, &a);
        return XVisualIDFromVisual(a.visual);
    }

    wxFrame* frame = nullptr;
};

}  // namespace

TEST_F(GuiGLView, ChildInAShownFrameGetsTheChosenVisualAndAContext) {
    wxGLViewImpl* view = MakeView(true);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetName(), "GLFW30");
    EXPECT_EQ(view->GetParent(), frame);
    EXPECT_EQ(view->getViewName(), "test view");
    EXPECT_TRUE(view->isOpenGLReady());
    EXPECT_FALSE(view->windowShouldClose());
    ASSERT_NE(view->getX11Window(), 0u);
    EXPECT_EQ(VisualOf(view->getX11Window()), GLLayer::chooseVisual());
    EXPECT_EQ(view->GetClientSize(), wxSize(320, 240));
    EXPECT_EQ(view->getRetinaFactor(), 1);
    EXPECT_NE(glXGetCurrentContext(), nullptr);
}

TEST_F(GuiGLView, ChildInAHiddenFrameGetsTheChosenVisualToo) {
    wxGLViewImpl* view = MakeView(false);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(VisualOf(view->getX11Window()), GLLayer::chooseVisual());
}

TEST_F(GuiGLView, SameZoomFactorTwiceLeavesTheWindowSizeAlone) {
    wxGLViewImpl* view = MakeView(true);
    ASSERT_NE(view, nullptr);
    view->SetClientSize(200, 100);
    view->setFrameZoomFactor(1.0f);
    view->setFrameZoomFactor(1.0f + 1e-8f);  // below the smallest float step
    EXPECT_EQ(view->GetClientSize(), wxSize(200, 100));

    view->setFrameZoomFactor(1.5f);  // a real change resizes to frame x zoom
    EXPECT_FLOAT_EQ(view->getFrameZoomFactor(), 1.5f);
    EXPECT_EQ(view->GetClientSize(), wxSize(480, 360));
    view->SetClientSize(200, 100);
    view->setFrameZoomFactor(1.5f);
    EXPECT_EQ(view->GetClientSize(), wxSize(200, 100));
}

TEST_F(GuiGLView, ViewportRectangleIsRecordedAlsoWhenTheEngineSetsIt) {
    wxGLViewImpl* view = MakeView(true);
    ASSERT_NE(view, nullptr);
    Director* director = Director::getInstance();
    director->setOpenGLView(view);

    // The engine sets the viewport itself while it applies the design size.
    view->setFrameSize(640, 480);
    view->setDesignResolutionSize(320, 480, ResolutionPolicy::SHOW_ALL);
    EXPECT_EQ(view->getDisplayRect().size.width, 320);
    EXPECT_EQ(view->getDisplayRect().size.height, 480);
    EXPECT_EQ(view->getDisplayRect().origin.x, 0);

    // Called directly: recorded, and the camera gets the scaled rectangle.
    view->setViewPortInPoints(10, 20, 100, 50);
    EXPECT_EQ(view->getDisplayRect().origin.x, 10);
    EXPECT_EQ(view->getDisplayRect().size.height, 50);
    ViewMath::PixelRect expected = ViewMath::PointsToPixels(
        10, 20, 100, 50, view->getScaleX(), view->getScaleY(), view->getViewPortRect().origin.x,
        view->getViewPortRect().origin.y, 1, 1.0f);
    const experimental::Viewport& vp = Camera::getDefaultViewport();
    EXPECT_FLOAT_EQ(vp._left, expected.x);
    EXPECT_FLOAT_EQ(vp._bottom, expected.y);
    EXPECT_FLOAT_EQ(vp._width, expected.width);
    EXPECT_FLOAT_EQ(vp._height, expected.height);
}

TEST_F(GuiGLView, ApplyDisplayRectCentresTheScaledDesignArea) {
    wxGLViewImpl* view = MakeView(true);
    ASSERT_NE(view, nullptr);
    Director::getInstance()->setOpenGLView(view);
    view->SetClientSize(500, 700);
    view->setFrameSize(500, 700);
    view->setDesignResolutionSize(640, 960, ResolutionPolicy::SHOW_ALL);
    ViewMath::DesignAreaFit fit = ViewMath::FitDesignArea(500, 700, 640, 960);
    view->setViewPortInPoints(fit.x, fit.y, fit.width, fit.height);
    view->applyDisplayRect();

    const Rect& vp = view->getViewPortRect();
    EXPECT_NEAR(vp.size.width, fit.width, 1);
    EXPECT_NEAR(vp.size.height, fit.height, 1);
    EXPECT_NEAR(vp.origin.x + vp.size.width / 2, 250, 0.5);
    EXPECT_NEAR(vp.origin.y + vp.size.height / 2, 350, 0.5);
    // The frame size is the whole view again afterwards.
    EXPECT_EQ(view->getFrameSize().width, 500);
}

TEST_F(GuiGLView, EndForgetsTheGLWindow) {
    wxGLViewImpl* view = MakeView(true);
    ASSERT_NE(view, nullptr);
    view->retain();  // the end releases one reference
    GLLayer::GLWindow* window = view->getGLWindow();
    ASSERT_NE(window, nullptr);
    view->end();
    EXPECT_FALSE(view->isOpenGLReady());
    EXPECT_TRUE(view->windowShouldClose());
    EXPECT_EQ(view->getX11Window(), 0u);
    EXPECT_TRUE(GLLayer::windowShouldClose(window));
}
