// The real program's engine view on screen: the design area's place and size, and a clean close.
#include "EngineHostScreen.h"

#include "view/GLViewMath.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>

namespace {

// The design area as the main window's re-layout places it, for a view
// that fills a client area of cw x ch.
PixelBox ExpectedArea(int cw, int ch, int dw, int dh) {
    ViewMath::DesignAreaFit fit = ViewMath::FitDesignArea(cw, ch, dw, dh);
    return PixelBox{static_cast<int>(fit.x), static_cast<int>(fit.y), fit.width, fit.height};
}

void ExpectBoxNear(const PixelBox& actual, const PixelBox& expected) {
    EXPECT_NEAR(actual.width, expected.width, 1);
    EXPECT_NEAR(actual.height, expected.height, 1);
    // Centres within a pixel.
    EXPECT_NEAR(actual.x * 2 + actual.width, expected.x * 2 + expected.width, 2);
    EXPECT_NEAR(actual.y * 2 + actual.height, expected.y * 2 + expected.height, 2);
}

void CloseAndExpectCleanExit(RunningEditor& editor) {
    editor.x().requestClose(editor.window());
    ASSERT_TRUE(editor.process().waitExit(20)) << "the program did not end after the close request";
    EXPECT_EQ(editor.process().exitStatus(), 0) << editor.log();
    std::string log = editor.log();
    EXPECT_EQ(log.find("X Error"), std::string::npos) << log;
    EXPECT_EQ(log.find("GLXBad"), std::string::npos) << log;
    EXPECT_EQ(log.find("Gdk-ERROR"), std::string::npos) << log;
}

} // namespace

TEST(GuiEngineHost, DesignAreaIsCentredAtOneToOneInMidGreyAndClosesCleanly) {
    TempDir work;
    RunningEditor editor(work.path(), {"FLAREWICK_FRAME_STATS=1"});
    ASSERT_NE(editor.window(), 0u) << "main window did not appear\n" << editor.log();

    Screenshot frame = editor.shoot();
    ASSERT_EQ(frame.width, 1280);
    ASSERT_GE(frame.height, 1000); // the client area, with menu bar and status bar around it
    // The view is the centre pane: the panes and the toolbar take the rest.
    Screenshot shot = editor.shootView();
    ASSERT_GT(shot.width, 400);
    ASSERT_GT(shot.height, 900);
    ASSERT_LT(shot.width, 1280);
    PixelBox area = DarkBox(shot);
    ExpectBoxNear(area, ExpectedArea(shot.width, shot.height, 640, 960));
    EXPECT_TRUE(IsMidGrey(shot.at(2, 2)));
    EXPECT_TRUE(IsMidGrey(shot.at(shot.width - 3, shot.height / 2)));
    Rgb inside = shot.at(shot.width / 2, shot.height / 2);
    EXPECT_LT(inside.r + inside.g + inside.b, 30);

    CloseAndExpectCleanExit(editor);
    std::string log = editor.log();
    EXPECT_NE(log.find("fps; tick median"), std::string::npos) << log;
    EXPECT_NE(log.find("frames after close 0"), std::string::npos) << log;
}

TEST(GuiEngineHost, SmallerWindowScalesTheDesignAreaDownUniformly) {
    TempDir work;
    RunningEditor editor(work.path());
    ASSERT_NE(editor.window(), 0u) << editor.log();

    struct Size {
        int w, h;
    } sizes[] = {{1100, 700}, {1300, 400}, {1280, 1000}};
    for (Size s : sizes) {
        ASSERT_TRUE(editor.resizeTo(s.w, s.h)) << s.w << "x" << s.h;
        Screenshot shot = editor.shootView();
        SCOPED_TRACE(testing::Message() << s.w << "x" << s.h << ", view " << shot.width << "x" << shot.height);
        ExpectBoxNear(DarkBox(shot), ExpectedArea(shot.width, shot.height, 640, 960));
    }
    CloseAndExpectCleanExit(editor);
}

TEST(GuiEngineHost, DesignSizeComesFromTheConfigurationFile) {
    TempDir work;
    work.write("editor-config.json", "{\n   \"DesignWidth\" : 400,\n   \"DesignHeight\" : 300\n}\n");
    RunningEditor editor(work.path());
    ASSERT_NE(editor.window(), 0u) << editor.log();

    Screenshot shot = editor.shootView();
    PixelBox area = DarkBox(shot);
    ExpectBoxNear(area, ExpectedArea(shot.width, shot.height, 400, 300));
    EXPECT_EQ(area.width, 400);
    EXPECT_EQ(area.height, 300);

    ASSERT_TRUE(editor.resizeTo(1000, 500));
    shot = editor.shootView();
    ExpectBoxNear(DarkBox(shot), ExpectedArea(shot.width, shot.height, 400, 300));
    CloseAndExpectCleanExit(editor);
}
