// The engine view's arithmetic: viewport, scissor, the retina rule and fitting the design area.
#include "view/GLViewMath.h"

#include <gtest/gtest.h>

using namespace ViewMath;

TEST(GLViewMath, ViewportScalesEveryTermByRetinaAndZoomButTheOriginOnlyByThem) {
    // sx 0.5, sy 0.25, engine viewport origin (10, 20), retina 2, zoom 1.5: k = 3.
    PixelRect r = PointsToPixels(100, 40, 200, 80, 0.5f, 0.25f, 10, 20, 2, 1.5f);
    EXPECT_FLOAT_EQ(r.x, 100 * 0.5f * 3 + 10 * 3);
    EXPECT_FLOAT_EQ(r.y, 40 * 0.25f * 3 + 20 * 3);
    EXPECT_FLOAT_EQ(r.width, 200 * 0.5f * 3);
    EXPECT_FLOAT_EQ(r.height, 80 * 0.25f * 3);

    PixelRect plain = PointsToPixels(0, 0, 640, 960, 1, 1, 320, 20, 1, 1);
    EXPECT_FLOAT_EQ(plain.x, 320);
    EXPECT_FLOAT_EQ(plain.y, 20);
    EXPECT_FLOAT_EQ(plain.width, 640);
    EXPECT_FLOAT_EQ(plain.height, 960);
}

TEST(GLViewMath, ScissorTruncatesTheViewportFormula) {
    ScissorBox b = PointsToScissor(10.9f, 3, 33.3f, 7.7f, 0.5f, 1, 0.6f, 0.5f, 1, 1);
    EXPECT_EQ(b.x, 6);      // 5.45 + 0.6
    EXPECT_EQ(b.y, 3);      // 3 + 0.5
    EXPECT_EQ(b.width, 16); // 16.65
    EXPECT_EQ(b.height, 7); // 7.7
    ScissorBox zoomed = PointsToScissor(10, 10, 10, 10, 1, 1, 0, 0, 2, 0.75f);
    EXPECT_EQ(zoomed.x, 15);
    EXPECT_EQ(zoomed.width, 15);
}

TEST(GLViewMath, FrameSizeFollowsRetinaAndZoom) {
    // Ordinary screen: the window gets frame x zoom.
    FrameSizeUpdate u = UpdateFrameSize(640, 480, 640, 480, 640, 480, false, false, 1, 2.0f);
    EXPECT_EQ(u.retinaFactor, 1);
    EXPECT_FALSE(u.inRetinaMonitor);
    EXPECT_EQ(u.windowWidth, 1280);
    EXPECT_EQ(u.windowHeight, 960);

    // Framebuffer twice the window: retina factor 2, window = frame / 2 x 2 x zoom.
    u = UpdateFrameSize(640, 480, 320, 240, 640, 480, false, false, 1, 1.0f);
    EXPECT_EQ(u.retinaFactor, 2);
    EXPECT_TRUE(u.inRetinaMonitor);
    EXPECT_EQ(u.windowWidth, 640);
    EXPECT_EQ(u.windowHeight, 480);
    // With retina enabled the factor stays 1 and the window is halved.
    u = UpdateFrameSize(640, 480, 320, 240, 640, 480, true, false, 1, 1.0f);
    EXPECT_EQ(u.retinaFactor, 1);
    EXPECT_EQ(u.windowWidth, 320);

    // Leaving a retina screen drops the factor back to 1; twice in one
    // direction only is not retina.
    u = UpdateFrameSize(640, 480, 640, 240, 1280, 240, false, true, 2, 1.0f);
    EXPECT_EQ(u.retinaFactor, 1);
    EXPECT_FALSE(u.inRetinaMonitor);
    EXPECT_EQ(u.windowWidth, 640);
}

TEST(GLViewMath, DesignAreaIsDrawnAtMostOneToOneAndCentred) {
    // 640 x 960 in 1280 x 1000: min(1000/960, 1280/640) = 1.04.. is capped to 1.
    DesignAreaFit f = FitDesignArea(1280, 1000, 640, 960);
    EXPECT_FLOAT_EQ(f.scale, 1);
    EXPECT_EQ(f.width, 640);
    EXPECT_EQ(f.height, 960);
    EXPECT_FLOAT_EQ(f.x, 320);
    EXPECT_FLOAT_EQ(f.y, 20);

    // Smaller: the tighter ratio wins, sizes truncate, centre stays centred.
    f = FitDesignArea(500, 700, 640, 960);
    EXPECT_FLOAT_EQ(f.scale, 700.0f / 960.0f); // height is the tighter ratio
    EXPECT_EQ(f.width, 466);                   // 640 x 0.7291.. = 466.67
    EXPECT_EQ(f.height, 700);
    EXPECT_FLOAT_EQ(f.x, 250 - 233);
    EXPECT_FLOAT_EQ(f.y, 0);
    f = FitDesignArea(1000, 301, 800, 600);
    EXPECT_EQ(f.height, 301);
    EXPECT_EQ(f.width, 401); // 800 x 301/600 = 401.33
    EXPECT_FLOAT_EQ(f.x, 500 - 200.5f);

    // A design size of zero must not divide by zero.
    f = FitDesignArea(100, 100, 0, 960);
    EXPECT_EQ(f.width, 0);
}

TEST(GLViewMath, ClientPixelsBecomeDesignPointsWithYUp) {
    // The design area of 640 x 960 centred at 1:1 in a view of 1000 x 1000:
    // viewport origin (180, 20), height 960.
    DesignPoint p = ClientToDesign(180, 980, 180, 20, 960, 1, 1);
    EXPECT_FLOAT_EQ(p.x, 0); // the lower left corner
    EXPECT_FLOAT_EQ(p.y, 0);
    p = ClientToDesign(820, 20, 180, 20, 960, 1, 1);
    EXPECT_FLOAT_EQ(p.x, 640); // the upper right corner
    EXPECT_FLOAT_EQ(p.y, 960);
    // Outside the drawn area the points run past the design size.
    p = ClientToDesign(10, 995, 180, 20, 960, 1, 1);
    EXPECT_FLOAT_EQ(p.x, -170);
    EXPECT_FLOAT_EQ(p.y, -15);

    // Scaled down by a half: one pixel is two design points.
    p = ClientToDesign(100 + 30, 10 + 480 - 40, 100, 10, 480, 0.5f, 0.5f);
    EXPECT_FLOAT_EQ(p.x, 60);
    EXPECT_FLOAT_EQ(p.y, 80);

    // No scale yet (no layout): no division by zero.
    p = ClientToDesign(50, 50, 0, 0, 0, 0, 0);
    EXPECT_FLOAT_EQ(p.x, 0);
    EXPECT_FLOAT_EQ(p.y, 0);
}
