// The particle-render program with no display: a golden sheet, clean transparent edges, seeds, frames and usage.
#include <gtest/gtest.h>
#include <json/json.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "TempDir.h"
#include "TestData.h"
#include "ToolRun.h"
#include "platform/CCImage.h"

namespace {

const std::string kData = std::string(FW_TEST_DIR) + "/data";
const std::string kTextures = std::string(FW_SOURCE_DIR) + "/res";

ToolRun render(const std::string& plist, const std::string& args) {
    return runTool(FW_PARTICLE_RENDER_EXE, shellQuote(plist) + " --search-path " + shellQuote(kTextures) + " " + args,
                   kData);
}

// A PNG as RGBA bytes, top row first. RGBA files come premultiplied (the
// engine's loader does that), which is the picture composited over black.
struct Pixels {
    int width = 0;
    int height = 0;
    bool alpha = false;
    std::vector<unsigned char> rgba;
};

testing::AssertionResult loadPng(const std::string& path, Pixels* p) {
    cocos2d::Image* image = new cocos2d::Image();
    const bool ok = image->initWithImageFile(path);
    if (ok) {
        p->width = image->getWidth();
        p->height = image->getHeight();
        p->alpha = image->hasAlpha();
        const size_t n = static_cast<size_t>(p->width) * p->height;
        p->rgba.assign(n * 4, 255);
        const unsigned char* src = image->getData();
        for (size_t i = 0; i < n; ++i)
            for (int c = 0; c < (p->alpha ? 4 : 3); ++c) p->rgba[i * 4 + c] = src[i * (p->alpha ? 4 : 3) + c];
    }
    image->release();
    return ok ? testing::AssertionSuccess() : testing::AssertionFailure() << "cannot read the PNG " << path;
}

// Largest difference of any colour channel, how many channels differ at all and by more than 2.
struct Difference {
    int largest = 0;
    size_t differing = 0;
    size_t beyondTwo = 0;
};

Difference compareColour(const Pixels& a, const Pixels& b) {
    Difference d;
    for (size_t i = 0; i < a.rgba.size() && i < b.rgba.size(); ++i) {
        if (i % 4 == 3) continue;
        const int diff = std::abs(a.rgba[i] - b.rgba[i]);
        d.largest = std::max(d.largest, diff);
        d.differing += diff > 0 ? 1 : 0;
        d.beyondTwo += diff > 2 ? 1 : 0;
    }
    return d;
}

// The premultiplied picture laid over an opaque background colour.
Pixels over(const Pixels& premultiplied, const unsigned char background[3]) {
    Pixels out = premultiplied;
    for (size_t i = 0; i < out.rgba.size(); i += 4) {
        const int showing = 255 - premultiplied.rgba[i + 3];
        for (int c = 0; c < 3; ++c)
            out.rgba[i + c] = static_cast<unsigned char>(
                std::min(255, premultiplied.rgba[i + c] + (background[c] * showing + 127) / 255));
        out.rgba[i + 3] = 255;
    }
    return out;
}

// Galaxy, seed 7, as the golden sheet beside the test data was drawn.
const char* const kGoldenArgs = "--seed 7 --size 96x96 --frames 4 --fps 10 --warmup 1";

} // namespace

TEST(ParticleRenderTool, TemplateFramesWithAFixedSeedMatchTheGoldenSheet) {
    ASSERT_TRUE(TestFileExists(kData + "/galaxy-seed7.png"));
    TempDir out;
    const ToolRun r = render("galaxy.plist", std::string(kGoldenArgs) + " --sheet " + shellQuote(out.file("g.png")));
    ASSERT_EQ(r.status, 0) << r.err;
    Pixels golden, drawn;
    ASSERT_TRUE(loadPng(kData + "/galaxy-seed7.png", &golden));
    ASSERT_TRUE(loadPng(out.file("g.png"), &drawn));
    ASSERT_EQ(drawn.width, 192);
    ASSERT_EQ(drawn.height, 192);
    EXPECT_FALSE(drawn.alpha);
    // Software rasterisers may round a blend differently: 3 levels, on at most 1% of the channels.
    const Difference d = compareColour(drawn, golden);
    EXPECT_LE(d.largest, 3);
    EXPECT_LE(d.differing, drawn.rgba.size() / 4 * 3 / 100);
    // The effect is there: blue light near the centre of each frame, black in the corners.
    const unsigned char* centre = &drawn.rgba[(48 * 192 + 48) * 4];
    EXPECT_GT(centre[2], 150);
    EXPECT_GT(centre[2], centre[0]);
    EXPECT_EQ(drawn.rgba[0] + drawn.rgba[1] + drawn.rgba[2], 0);

    Json::Value list;
    std::string errors;
    Json::CharReaderBuilder b;
    Json::CharReaderBuilder::strictMode(&b.settings_);
    const std::string text = out.read("g.json");
    std::unique_ptr<Json::CharReader> reader(b.newCharReader());
    ASSERT_TRUE(reader->parse(text.data(), text.data() + text.size(), &list, &errors)) << errors;
    EXPECT_EQ(list["image"].asString(), "g.png");
    EXPECT_EQ(list["columns"].asInt(), 2);
    ASSERT_EQ(list["frames"].size(), 4u);
    const Json::Value& last = list["frames"][3];
    EXPECT_EQ(last["x"].asInt(), 96);
    EXPECT_EQ(last["y"].asInt(), 96);
    EXPECT_EQ(last["w"].asInt(), 96);
    // One second of warm-up, then frames 0.1 s apart.
    EXPECT_NEAR(last["time"].asDouble(), 1.4, 1e-9);
}

TEST(ParticleRenderTool, TransparentFramesCompositeLikeFramesDrawnOnThatBackground) {
    TempDir out;
    const std::string common = "--seed 3 --size 128x128 --frames 2 --warmup 2";
    struct Background {
        const char* option;
        unsigned char rgb[3];
    };
    const Background backgrounds[] = {
        {"'#000000'", {0, 0, 0}}, {"'#ffffff'", {255, 255, 255}}, {"'#3c8a5a'", {60, 138, 90}}};
    ToolRun r = render("smoke.plist", common + " --background transparent --out " + shellQuote(out.file("clear")));
    ASSERT_EQ(r.status, 0) << r.err;
    Pixels clear;
    ASSERT_TRUE(loadPng(out.file("clear/frame_0001.png"), &clear));
    ASSERT_TRUE(clear.alpha);
    size_t partlyCovered = 0;
    for (size_t i = 3; i < clear.rgba.size(); i += 4)
        partlyCovered += clear.rgba[i] > 10 && clear.rgba[i] < 245 ? 1 : 0;
    // The soft edges this is about are there to be checked.
    EXPECT_GT(partlyCovered, 1000u);

    int n = 0;
    for (const Background& bg : backgrounds) {
        const std::string dir = out.file("bg" + std::to_string(n++));
        r = render("smoke.plist", common + " --background " + bg.option + " --out " + shellQuote(dir));
        ASSERT_EQ(r.status, 0) << r.err;
        Pixels solid;
        ASSERT_TRUE(loadPng(dir + "/frame_0001.png", &solid));
        EXPECT_FALSE(solid.alpha);
        // A fringe would be a band of pixels tens of levels off along every edge.
        const Difference d = compareColour(over(clear, bg.rgb), solid);
        // Each blend step rounds to 8 bits on its own background, so a few
        // levels of difference build up where many particles overlap.
        EXPECT_LE(d.largest, 5) << bg.option;
        EXPECT_LE(d.beyondTwo, solid.rgba.size() / 4 * 3 / 100) << bg.option;
    }
}

TEST(ParticleRenderTool, TheSameSeedGivesTheSameFilesAndAnotherSeedDoesNot) {
    TempDir out;
    const std::string args = "--size 64x64 --frames 3 --warmup 0.5 --background transparent";
    for (const char* run : {"a", "b"}) {
        const ToolRun r =
            render("galaxy.plist", args + " --seed 11 --sheet " + shellQuote(out.file(run) + "/sheet.png"));
        ASSERT_EQ(r.status, 0) << r.err;
    }
    ASSERT_EQ(render("galaxy.plist", args + " --seed 12 --sheet " + shellQuote(out.file("c.png"))).status, 0);
    const std::string a = out.read("a/sheet.png");
    ASSERT_GT(a.size(), 100u);
    EXPECT_TRUE(a == out.read("b/sheet.png"));
    EXPECT_TRUE(out.read("a/sheet.json") == out.read("b/sheet.json"));
    EXPECT_FALSE(a == out.read("c.png"));
}

TEST(ParticleRenderTool, FramesGoIntoTheOutputDirectoryAtTheGivenPosition) {
    TempDir out;
    const ToolRun r =
        render("galaxy.plist", "--size 80x60 --frames 3 --warmup 1 --position 0,0 --out " +
                                   shellQuote(out.file("deep/frames")) + " --sheet " + shellQuote(out.file("s.png")));
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* name : {"frame_0000.png", "frame_0001.png", "frame_0002.png"})
        EXPECT_TRUE(out.exists("deep/frames/" + std::string(name))) << name;
    EXPECT_FALSE(out.exists("deep/frames/frame_0003.png"));
    Pixels frame, sheet;
    ASSERT_TRUE(loadPng(out.file("deep/frames/frame_0002.png"), &frame));
    EXPECT_EQ(frame.width, 80);
    EXPECT_EQ(frame.height, 60);
    // The emitter at the bottom-left corner: light there, none at the top right.
    auto brightness = [&](int x, int y) {
        const unsigned char* p = &frame.rgba[(static_cast<size_t>(y) * 80 + x) * 4];
        return p[0] + p[1] + p[2];
    };
    EXPECT_GT(brightness(2, 57), 100);
    EXPECT_EQ(brightness(77, 2), 0);
    // The sheet holds the same frames (2 columns, 2 rows for 3 frames).
    ASSERT_TRUE(loadPng(out.file("s.png"), &sheet));
    EXPECT_EQ(sheet.width, 160);
    EXPECT_EQ(sheet.height, 120);
    const unsigned char* inSheet = &sheet.rgba[(static_cast<size_t>(60 + 57) * 160 + 2) * 4];
    EXPECT_EQ(inSheet[0] + inSheet[1] + inSheet[2], brightness(2, 57));
}

TEST(ParticleRenderTool, UsageErrorsAndUnloadableFiles) {
    TempDir out;
    const std::string sheet = " --sheet " + shellQuote(out.file("s.png"));
    for (const std::string& args :
         {std::string(""), std::string("--frames 0") + sheet, std::string("--size 10") + sheet,
          std::string("--size 0x5") + sheet, std::string("--background red") + sheet, std::string("--fps -1") + sheet,
          std::string("--seed x") + sheet, std::string("--sheet s.jpg"), std::string("--warmup")}) {
        const ToolRun r = render("galaxy.plist", args);
        EXPECT_EQ(r.status, 3) << args;
        EXPECT_NE(r.err.find("usage: particle-render"), std::string::npos) << args;
    }
    const ToolRun r = render("no-such.plist", sheet);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("no-such.plist"), std::string::npos) << r.err;
    EXPECT_FALSE(out.exists("s.png"));
}
