// The program's command line: help, version, a wrong option, and files opened at start.
#include "ChildProcess.h"
#include "ProgramFolder.h"
#include "TempDir.h"
#include "X11Window.h"

#include "base/CCRef.h"
#include "platform/CCImage.h"

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>
#include <vector>

namespace {

struct Ended {
    int status = -1;
    std::string output;
};

// Runs the program to its end (it must end by itself) with args, and no
// display: a terminal over ssh, or a packaging script.
Ended RunToEnd(const std::vector<std::string>& args) {
    TempDir work;
    ChildProcess app(FW_FLAREWICK_EXE, args, work.path(), {"DISPLAY=", "WAYLAND_DISPLAY="}, work.file("output.log"));
    Ended run;
    if (!app.waitExit(30)) return run;
    run.status = app.exitStatus();
    run.output = work.read("output.log");
    return run;
}

TEST(GuiCommandLine, HelpAndVersionPrintAndEndAWrongOptionEndsWithStatus2WithoutADisplay) {
    Ended help = RunToEnd({"--help"});
    EXPECT_EQ(help.status, 0) << help.output;
    EXPECT_NE(help.output.find("--version"), std::string::npos) << help.output;
    EXPECT_EQ(RunToEnd({"-h"}).status, 0);

    Ended version = RunToEnd({"--version"});
    EXPECT_EQ(version.status, 0) << version.output;
    EXPECT_EQ(version.output, "Flarewick 1.7\n");

    Ended wrong = RunToEnd({"--no-such-option", "a.plist"});
    EXPECT_EQ(wrong.status, 2) << wrong.output;
    EXPECT_NE(wrong.output.find("no-such-option"), std::string::npos) << wrong.output;
    EXPECT_NE(wrong.output.find("flarewick [--help] [--version]"), std::string::npos) << wrong.output;
}

// A picture of one colour, written through the engine.
bool WriteSolidPng(const std::string& path, int width, int height, unsigned char r, unsigned char g, unsigned char b) {
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 4);
    for (size_t i = 0; i < pixels.size(); i += 4) {
        pixels[i] = r;
        pixels[i + 1] = g;
        pixels[i + 2] = b;
        pixels[i + 3] = 255;
    }
    auto* image = new cocos2d::Image;
    bool ok = image->initWithRawData(pixels.data(), static_cast<ssize_t>(pixels.size()), width, height, 8, false) &&
              image->saveToFile(path, false);
    image->release();
    return ok;
}

TEST(GuiCommandLine, FilesNamedAtStartOpenOverTheShownWindow) {
    X11Session x;
    ASSERT_TRUE(x.ok()) << "no X display: run the GUI tests under Xvfb";
    TempDir work;
    ASSERT_TRUE(LinkProgramPictures(work));
    ASSERT_TRUE(WriteSolidPng(work.file("green.png"), 1600, 1200, 0, 255, 0));
    std::ofstream(work.file("notes.txt")) << "not for the editor";

    x.watchMaps();
    // A relative name is taken from the folder the program starts in.
    ChildProcess app(FW_FLAREWICK_EXE, {"green.png", work.file("notes.txt")}, work.path(),
                     {"FLAREWICK_SERVER=127.0.0.1:1"}, work.file("output.log"));
    XWindow box = x.waitForWindow("提示", 30);
    ASSERT_NE(0u, box) << "a file of another kind was not named\n" << work.read("output.log");
    XWindow main = x.waitForWindow("Flarewick(Cocos2dx)", 1);
    ASSERT_NE(0u, main) << "the notice came before the main window";
    EXPECT_EQ(x.transientFor(box), main);

    // The background fills the design area: green in the middle of the
    // window's left half (the box sits over the middle).
    int wx, wy, ww, wh;
    ASSERT_TRUE(x.geometry(main, wx, wy, ww, wh));
    EXPECT_TRUE(x.closeAndWait(box, 5)) << "the box did not close";
    usleep(300000);
    Rgb centre = x.grab(wx + ww / 2, wy + wh / 2, 1, 1).at(0, 0);
    EXPECT_EQ(centre.r, 0);
    EXPECT_EQ(centre.g, 255);
    EXPECT_EQ(centre.b, 0);

    x.requestClose(main);
    ASSERT_TRUE(app.waitExit(15)) << work.read("output.log");
    EXPECT_EQ(app.exitStatus(), 0) << work.read("output.log");
}

} // namespace
