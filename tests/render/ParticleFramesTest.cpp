// The render library in process: frames in exact simulated times, the seed repeating a frame, the effect placed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "2d/CCNode.h"
#include "render/Backdrop.h"
#include "render/ParticleFrames.h"

namespace {

size_t litPixels(const std::vector<unsigned char>& rgba, int width, int x0, int x1) {
    size_t lit = 0;
    for (size_t i = 0; i < rgba.size(); i += 4) {
        const int x = static_cast<int>(i / 4 % width);
        lit += x >= x0 && x < x1 && rgba[i + 3] > 0 ? 1 : 0;
    }
    return lit;
}

} // namespace

// The director is global: one effect per process, so this is one test.
TEST(ParticleFrames, StepsInFrameTimesAndDrawsStraightAlphaWhereTheEmitterIs) {
    FrameSettings s;
    // A bare name: the engine looks for the plist and its texture along the search paths.
    s.file = "galaxy.plist";
    s.searchPaths = {FW_TOOLS_DATA_DIR, std::string(FW_SOURCE_DIR) + "/res"};
    s.width = 160;
    s.height = 48;
    s.fps = 20;
    s.warmup = 0.5;
    s.transparent = true;
    s.hasPosition = true;
    s.x = 20;
    s.y = 24;
    ParticleFrames frames;
    ASSERT_EQ(frames.open(s), ParticleFrames::Opened) << frames.error();
    double t0 = 0, t1 = 0;
    const std::vector<unsigned char> first = frames.next(&t0);
    const std::vector<unsigned char> second = frames.next(&t1);
    // Ten warm-up steps, then one step a frame.
    EXPECT_DOUBLE_EQ(t0, 11 / 20.0);
    EXPECT_DOUBLE_EQ(t1, 12 / 20.0);
    ASSERT_EQ(first.size(), 160u * 48 * 4);
    EXPECT_NE(first, second);
    // The emitter sits in the left half; the light and its soft edges are there, not on the far right.
    EXPECT_GT(litPixels(first, 160, 0, 40), 50u);
    EXPECT_EQ(litPixels(first, 160, 120, 160), 0u);

    // A background keeps its file, so that an export elsewhere can draw the same one.
    const std::string picture = std::string(FW_SOURCE_DIR) + "/res/Sprite.png";
    cocos2d::Node* backdrop = Backdrop::fromFile(picture);
    ASSERT_NE(backdrop, nullptr);
    EXPECT_EQ(Backdrop::sourceOf(backdrop), picture);
    EXPECT_EQ(Backdrop::sourceOf(nullptr), "");
    Backdrop::Failure why;
    EXPECT_EQ(Backdrop::fromFile("no-such.csb", &why), nullptr);
    EXPECT_EQ(why.reason, "找不到文件");
    EXPECT_EQ(why.message(), "找不到文件");
    frames.close();
}

TEST(ParticleFrames, ABackdropsReasonTakesItsDetailWhereTheSentenceLeavesRoom) {
    // The command-line render prints the sentence as the editor showed it before it had a catalog.
    EXPECT_EQ((Backdrop::Failure{"无法创建根节点（类型 \"%s\"）", "Node"}).message(),
              "无法创建根节点（类型 \"Node\"）");
    EXPECT_EQ((Backdrop::Failure{"无法创建根节点（类型 \"%s\"）", ""}).message(), "无法创建根节点（类型 \"\"）");
    EXPECT_EQ((Backdrop::Failure{"文件中没有节点树", "ignored"}).message(), "文件中没有节点树");
    // A "%s" inside the detail is the file's own text, not a second place.
    EXPECT_EQ((Backdrop::Failure{"[%s] %s", "a%sb"}).message(), "[a%sb] %s");
}
