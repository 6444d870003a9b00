// Design resolution: scale factors, viewport and visible area for each policy; scissor mapping.
#include <gtest/gtest.h>

#include "2d/CCCamera.h"
#include "base/CCTouch.h"
#include "base/CCDirector.h"
#include "support/EngineTestSupport.h"

using namespace cocos2d;

namespace {

using GLViewResolution = EngineTest;

void ExpectRect(const Rect& r, float x, float y, float w, float h) {
    EXPECT_NEAR(r.origin.x, x, 1e-2);
    EXPECT_NEAR(r.origin.y, y, 1e-2);
    EXPECT_NEAR(r.size.width, w, 1e-2);
    EXPECT_NEAR(r.size.height, h, 1e-2);
}

TEST_F(GLViewResolution, ShowAllKeepsTheDesignAreaWholeAndCentred) {
    struct Case {
        float fw, fh, dw, dh, scale, vx, vy, vw, vh;
    } cases[] = {
        {1000, 500, 800, 600, 500.0f / 600, 166.667f, 0, 666.667f, 500},
        {1280, 1000, 640, 960, 1000.0f / 960, 306.667f, 0, 666.667f, 1000},
        {640, 960, 640, 960, 1, 0, 0, 640, 960},
        {800, 2000, 400, 400, 2, 0, 600, 800, 800},
        {300, 300, 640, 960, 300.0f / 960, 50, 0, 200, 300},
    };
    for (const auto& c : cases) {
        auto* view = HeadlessGLView::create(c.fw, c.fh);
        view->setDesignResolutionSize(c.dw, c.dh, ResolutionPolicy::SHOW_ALL);
        SCOPED_TRACE(testing::Message() << c.fw << "x" << c.fh << " design " << c.dw << "x" << c.dh);
        EXPECT_NEAR(view->getScaleX(), c.scale, 1e-4);
        EXPECT_NEAR(view->getScaleY(), c.scale, 1e-4);
        ExpectRect(view->getViewPortRect(), c.vx, c.vy, c.vw, c.vh);
        EXPECT_EQ(view->getVisibleSize(), Size(c.dw, c.dh));
        EXPECT_EQ(view->getVisibleOrigin(), Vec2::ZERO);
        EXPECT_EQ(view->getDesignResolutionSize(), Size(c.dw, c.dh));
    }
}

TEST_F(GLViewResolution, OtherPolicies) {
    auto* view = HeadlessGLView::create(1000, 500);
    view->setDesignResolutionSize(800, 600, ResolutionPolicy::EXACT_FIT);
    EXPECT_NEAR(view->getScaleX(), 1.25, 1e-5);
    EXPECT_NEAR(view->getScaleY(), 500.0 / 600, 1e-5);
    ExpectRect(view->getViewPortRect(), 0, 0, 1000, 500);

    view->setDesignResolutionSize(800, 600, ResolutionPolicy::NO_BORDER);
    EXPECT_NEAR(view->getScaleX(), 1.25, 1e-5);
    EXPECT_NEAR(view->getScaleY(), 1.25, 1e-5);
    ExpectRect(view->getViewPortRect(), 0, -125, 1000, 750);
    EXPECT_NEAR(view->getVisibleSize().width, 800, 1e-3);
    EXPECT_NEAR(view->getVisibleSize().height, 400, 1e-3);
    EXPECT_NEAR(view->getVisibleOrigin().y, 100, 1e-3);

    view->setDesignResolutionSize(800, 600, ResolutionPolicy::FIXED_HEIGHT);
    EXPECT_NEAR(view->getScaleX(), 500.0 / 600, 1e-5);
    EXPECT_EQ(view->getDesignResolutionSize(), Size(1200, 600));

    view->setDesignResolutionSize(800, 600, ResolutionPolicy::FIXED_WIDTH);
    EXPECT_NEAR(view->getScaleY(), 1.25, 1e-5);
    EXPECT_EQ(view->getDesignResolutionSize(), Size(800, 400));
}

TEST_F(GLViewResolution, FrameSizeAloneDoesNotRescale) {
    auto* view = HeadlessGLView::create(640, 960);
    EXPECT_EQ(view->getDesignResolutionSize(), Size(640, 960));  // taken from the first frame size
    view->setDesignResolutionSize(640, 960, ResolutionPolicy::SHOW_ALL);
    view->setFrameSize(1280, 1920);
    EXPECT_FLOAT_EQ(view->getScaleX(), 1.0f);
    view->updateDesignResolutionSize();
    EXPECT_FLOAT_EQ(view->getScaleX(), 2.0f);
    // A zero design size is ignored.
    view->setDesignResolutionSize(0, 100, ResolutionPolicy::SHOW_ALL);
    EXPECT_EQ(view->getDesignResolutionSize(), Size(640, 960));
}

TEST_F(GLViewResolution, DirectorFollowsTheDesignSizeAndViewport) {
    auto* view = HeadlessGLView::create(1280, 1000);
    auto* director = Director::getInstance();
    director->setOpenGLView(view);
    view->setDesignResolutionSize(640, 960, ResolutionPolicy::SHOW_ALL);
    EXPECT_EQ(director->getWinSize(), Size(640, 960));
    EXPECT_EQ(director->getVisibleSize(), Size(640, 960));
    EXPECT_EQ(director->getWinSizeInPixels(), Size(640, 960));
    EXPECT_NEAR(director->getZEye(), 960 / 1.1547005383792515, 1e-2);

    // The projection step set the default viewport to the whole design area.
    const auto& vp = Camera::getDefaultViewport();
    EXPECT_NEAR(vp._left, 306.667, 1e-2);
    EXPECT_NEAR(vp._bottom, 0, 1e-2);
    EXPECT_NEAR(vp._width, 666.667, 1e-2);
    EXPECT_NEAR(vp._height, 1000, 1e-2);

    view->setViewPortInPoints(10, 20, 100, 200);
    const auto& vp2 = Camera::getDefaultViewport();
    float s = 1000.0f / 960;
    EXPECT_NEAR(vp2._left, 10 * s + 306.667f, 1e-2);
    EXPECT_NEAR(vp2._bottom, 20 * s, 1e-2);
    EXPECT_NEAR(vp2._width, 100 * s, 1e-2);
}

TEST_F(GLViewResolution, ContextAttributesAreStatic) {
    GLContextAttrs saved = GLView::getGLContextAttrs();
    EXPECT_EQ(saved.redBits, 8);
    EXPECT_EQ(saved.depthBits, 24);
    EXPECT_EQ(saved.stencilBits, 8);
    EXPECT_EQ(saved.multisamplingCount, 0);
    GLContextAttrs changed = {5, 6, 5, 0, 16, 0, 0};
    GLView::setGLContextAttrs(changed);
    EXPECT_EQ(GLView::getGLContextAttrs().greenBits, 6);
    GLView::setGLContextAttrs(saved);
}

TEST_F(GLViewResolution, TouchesMapToDesignPoints) {
    auto* view = HeadlessGLView::create(1280, 1000);
    Director::getInstance()->setOpenGLView(view);
    view->setDesignResolutionSize(640, 960, ResolutionPolicy::SHOW_ALL);
    intptr_t id = 0;
    float x = 306.667f + 100 * (1000.0f / 960), y = 50 * (1000.0f / 960);
    view->handleTouchesBegin(1, &id, &x, &y);
    auto touches = view->getAllTouches();
    ASSERT_EQ(touches.size(), 1u);
    EXPECT_NEAR(touches[0]->getLocationInView().x, 100, 1e-2);
    EXPECT_NEAR(touches[0]->getLocationInView().y, 50, 1e-2);
    // A second begin for the same id is ignored.
    view->handleTouchesBegin(1, &id, &x, &y);
    EXPECT_EQ(view->getAllTouches().size(), 1u);
    view->handleTouchesEnd(1, &id, &x, &y);
    EXPECT_TRUE(view->getAllTouches().empty());
}

}  // namespace
