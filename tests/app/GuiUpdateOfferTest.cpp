// The update offered at start-up by the real program: the main window is on screen first, and the box belongs to it.
#include "ChildProcess.h"
#include "LocalHttpServer.h"
#include "ProgramFolder.h"
#include "TempDir.h"
#include "X11Window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <unistd.h>

namespace {

const char* const kMainTitle = "Flarewick(Cocos2dx)";
const char* const kOffer = "{\"cfg\":{\"version\":\"1.8\",\"verMsg\":\"发现新版本 1.8\","
                           "\"updateUrl\":\"http://get.example/\",\"helpUrl\":\"\"}}";

// Starts the program against a server that answers after `delayMs` and
// checks the order in which the X server mapped the two windows.
void CheckOfferComesAfterTheWindow(int delayMs) {
    X11Session x;
    ASSERT_TRUE(x.ok()) << "no X display: run the GUI tests under Xvfb";
    LocalHttpServer server;
    ASSERT_GT(server.port(), 0);
    server.setAnswer(LocalHttpServer::delayedReply(delayMs, 200, kOffer));
    TempDir work;
    ASSERT_TRUE(LinkProgramPictures(work));

    x.watchMaps();
    ChildProcess app(FW_FLAREWICK_EXE, {}, work.path(), {"FLAREWICK_SERVER=" + server.hostPort()},
                     work.file("output.log"));
    XWindow box = x.waitForWindow("提示", 30);
    ASSERT_NE(0u, box) << "no update offer appeared\n" << work.read("output.log");
    XWindow main = x.waitForWindow(kMainTitle, 1);
    ASSERT_NE(0u, main) << "the offer is up but the main window is not on screen";

    std::vector<XWindow> maps = x.mapsSeen();
    auto mainAt = std::find(maps.begin(), maps.end(), main);
    auto boxAt = std::find(maps.begin(), maps.end(), box);
    ASSERT_NE(mainAt, maps.end());
    ASSERT_NE(boxAt, maps.end());
    EXPECT_LT(mainAt - maps.begin(), boxAt - maps.begin()) << "the box was mapped before the main window";
    EXPECT_EQ(x.transientFor(box), main) << "the box does not belong to the main window";

    EXPECT_TRUE(x.closeAndWait(box, 5)) << "the box did not close";
    x.requestClose(main);
    ASSERT_TRUE(app.waitExit(15)) << work.read("output.log");
    EXPECT_EQ(app.exitStatus(), 0) << work.read("output.log");
}

TEST(GuiUpdateOffer, AnInstantAnswerWaitsForTheMainWindow) {
    CheckOfferComesAfterTheWindow(0);
}

TEST(GuiUpdateOffer, ALateAnswerOpensOverTheMainWindow) {
    CheckOfferComesAfterTheWindow(3000);
}

} // namespace
