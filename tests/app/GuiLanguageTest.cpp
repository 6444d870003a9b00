// The real program speaks the language of the user's locale: English under en_US, Chinese under zh_CN.
#include "ChildProcess.h"
#include "ProgramFolder.h"
#include "TempDir.h"
#include "X11Window.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <string>

namespace {

struct Seen {
    bool box = false;        // the box about the unreadable file came up with the expected title
    bool otherTitle = false; // a box with the other language's title came up instead
    Screenshot menuBar;
};

// Starts the program on a file it cannot read, under `lang`, and notes the
// title of the box that says so and the pixels of the menu bar. `chosen` is
// the value of FLAREWICK_LANG.
Seen RunOnBrokenFile(X11Session& x, const std::string& lang, const std::string& title, const std::string& otherTitle,
                     const std::string& chosen = "") {
    Seen seen;
    TempDir work;
    if (!LinkProgramPictures(work)) return seen;
    std::ofstream(work.file("broken.plist")) << "this is not a plist";
    ChildProcess app(FW_FLAREWICK_EXE, {"broken.plist"}, work.path(),
                     {"LANG=" + lang, "LANGUAGE=", "LC_ALL=", "LC_MESSAGES=", "FLAREWICK_LANG=" + chosen},
                     work.file("output.log"));
    const XWindow box = x.waitForWindow(title, 30);
    seen.box = box != 0;
    seen.otherTitle = x.waitForWindow(otherTitle, 0.2) != 0;
    if (box) x.closeAndWait(box, 10);
    const XWindow frame = x.waitForWindow("Flarewick(Cocos2dx)", 10);
    if (frame) {
        int left, top, width, height;
        x.geometry(frame, left, top, width, height);
        // Once the window has drawn itself again after the box: two equal grabs in a row.
        for (int tries = 0; tries < 50; ++tries) {
            Screenshot now = x.grab(left, top, 360, 24);
            const bool settled = now.pixels == seen.menuBar.pixels;
            seen.menuBar = std::move(now);
            if (settled) break;
            usleep(100 * 1000);
        }
        x.requestClose(frame);
    }
    app.waitExit(20);
    return seen;
}

TEST(GuiLanguage, EnglishUnderAnEnglishLocaleAndChineseUnderAChineseOne) {
    X11Session x;
    ASSERT_TRUE(x.ok()) << "no X display: run the GUI tests under Xvfb";
    const Seen english = RunOnBrokenFile(x, "en_US.UTF-8", "Notice", "提示");
    EXPECT_TRUE(english.box) << "no \"Notice\" box under en_US.UTF-8";
    EXPECT_FALSE(english.otherTitle);
    const Seen chinese = RunOnBrokenFile(x, "zh_CN.UTF-8", "提示", "Notice");
    EXPECT_TRUE(chinese.box) << "no \"提示\" box under zh_CN.UTF-8";
    EXPECT_FALSE(chinese.otherTitle);
    // The program's own variable over the locale. Under the same locale the
    // toolkit draws with the same fonts, so only the menu titles' words differ.
    const Seen chosen = RunOnBrokenFile(x, "en_US.UTF-8", "提示", "Notice", "zh");
    EXPECT_TRUE(chosen.box) << "FLAREWICK_LANG=zh did not give a \"提示\" box";
    EXPECT_FALSE(chosen.otherTitle);
    ASSERT_EQ(english.menuBar.pixels.size(), chosen.menuBar.pixels.size());
    ASSERT_FALSE(english.menuBar.pixels.empty());
    int differing = 0;
    for (size_t i = 0; i < english.menuBar.pixels.size(); ++i) {
        const Rgb a = english.menuBar.pixels[i], b = chosen.menuBar.pixels[i];
        if (std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b) > 60) ++differing;
    }
    EXPECT_GT(differing, 100) << "the menu bar looks the same in both languages";
}

} // namespace
