// particle-render's animated WebP and GIF and its sheet format, read back by Pillow and webpmux, against PNG frames.
#include <gtest/gtest.h>
#include <json/json.h>

#include <cstdlib>
#include <string>

#include <sys/wait.h>

#include "AnimationReader.h"
#include "TempDir.h"
#include "ToolRun.h"
#include "platform/CCImage.h"

namespace {

const std::string kData = std::string(FW_TEST_DIR) + "/data";
const std::string kTextures = std::string(FW_SOURCE_DIR) + "/res";
// Smoke has the soft, half-covered edges where a wrong alpha would show.
const std::string kSmoke = "smoke.plist --seed 5 --size 120x90 --frames 6 --fps 30 --warmup 1.5";

ToolRun render(const std::string& args) {
    return runTool(FW_PARTICLE_RENDER_EXE, "--search-path " + shellQuote(kTextures) + " " + args, kData);
}

// The same frames as PNGs on a background ("transparent" or '#rrggbb') into `dir`.
void renderPngs(const std::string& background, const std::string& dir) {
    const ToolRun r = render(kSmoke + " --background " + background + " --out " + shellQuote(dir));
    ASSERT_EQ(r.status, 0) << r.err;
}

} // namespace

TEST(ParticleRenderFormats, LosslessWebpHoldsThePngFramesAndLoopsAtTheFrameRate) {
    TempDir out;
    const ToolRun r =
        render(kSmoke + " --background transparent --format webp --out " + shellQuote(out.file("a/s.webp")));
    ASSERT_EQ(r.status, 0) << r.err;
    std::string mux;
    ASSERT_TRUE(webpmuxInfo(out.file("a/s.webp"), &mux));
    EXPECT_NE(mux.find("Canvas size: 120 x 90"), std::string::npos) << mux;
    EXPECT_NE(mux.find("Loop Count : 0"), std::string::npos) << mux;
    EXPECT_NE(mux.find("Number of frames: 6"), std::string::npos) << mux;
    EXPECT_NE(mux.find("transparency"), std::string::npos) << mux;
    EXPECT_NE(mux.find("lossless"), std::string::npos) << mux;
    EXPECT_EQ(mux.find("lossy"), std::string::npos) << mux;
    // 30 frames a second: 33 or 34 ms each.
    EXPECT_NE(mux.find(" 33 "), std::string::npos) << mux;
    EXPECT_NE(mux.find(" 34 "), std::string::npos) << mux;

    renderPngs("transparent", out.file("png"));
    Json::Value cmp;
    ASSERT_TRUE(readAnimation({"compare", out.file("a/s.webp"), out.file("png")}, &cmp));
    EXPECT_EQ(cmp["frames"].asInt(), 6);
    EXPECT_EQ(cmp["largest"].asInt(), 0) << cmp;
}

TEST(ParticleRenderFormats, WebpFramesOverBlackAndWhiteMatchFramesDrawnThereWithNoFringe) {
    TempDir out;
    renderPngs("'#000000'", out.file("black"));
    renderPngs("'#ffffff'", out.file("white"));
    for (const char* quality : {"", " --quality 80"}) {
        const std::string file = out.file(std::string("s") + (*quality ? "80" : "") + ".webp");
        const ToolRun r =
            render(kSmoke + " --background transparent --format webp" + quality + " --out " + shellQuote(file));
        ASSERT_EQ(r.status, 0) << r.err;
        const bool lossy = *quality != '\0';
        for (const auto& bg : {std::make_pair("0,0,0", "black"), std::make_pair("255,255,255", "white")}) {
            Json::Value cmp;
            ASSERT_TRUE(readAnimation({"compare", file, out.file(bg.second), "--over", bg.first}, &cmp));
            EXPECT_EQ(cmp["frames"].asInt(), 6);
            // A dark fringe would be tens of levels off along every soft edge.
            EXPECT_LE(cmp["largest"].asInt(), lossy ? 24 : 5) << bg.second << quality << cmp;
            EXPECT_LT(cmp["mean"].asDouble(), lossy ? 1.5 : 0.3) << bg.second << quality << cmp;
        }
    }
    // Lossy is the smaller file.
    EXPECT_LT(out.read("s80.webp").size(), out.read("s.webp").size());
}

TEST(ParticleRenderFormats, GifLoopsWithFrameDelaysAndKeepsHalfCoveredPixelsOverTheMatte) {
    TempDir out;
    const ToolRun r = render(kSmoke + " --background transparent --format gif --matte '#ffffff' --out " +
                             shellQuote(out.file("s.gif")));
    ASSERT_EQ(r.status, 0) << r.err;
    Json::Value info;
    ASSERT_TRUE(readAnimation({"info", out.file("s.gif")}, &info));
    EXPECT_EQ(info["format"].asString(), "GIF");
    EXPECT_EQ(info["width"].asInt(), 120);
    EXPECT_EQ(info["frames"].asInt(), 6);
    EXPECT_EQ(info["loop"].asInt(), 0);
    EXPECT_TRUE(info["transparency"].asBool());
    // Hundredths of a second rounded from the start: 3, 4, 3, 3, 4, 3 make 0.2 s for 6 frames at 30.
    const int expected[] = {30, 40, 30, 30, 40, 30};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(info["durations"][i].asInt(), expected[i]) << i;

    renderPngs("transparent", out.file("png"));
    Json::Value cmp;
    ASSERT_TRUE(readAnimation({"compare", out.file("s.gif"), out.file("png"), "--gif-matte", "255,255,255"}, &cmp));
    // One palette of 255 colours a frame: small quantising errors, no wrong coverage.
    EXPECT_LE(cmp["largest"].asInt(), 16) << cmp;
    EXPECT_LT(cmp["mean"].asDouble(), 3.0) << cmp;

    // An opaque background has no clear entry.
    ASSERT_EQ(render(kSmoke + " --format gif --out " + shellQuote(out.file("o.gif"))).status, 0);
    ASSERT_TRUE(readAnimation({"info", out.file("o.gif")}, &info));
    EXPECT_FALSE(info["transparency"].asBool());
}

TEST(ParticleRenderFormats, SheetFormatWritesWhatSheetWritesAndTheDefaultFormatIsFrames) {
    TempDir out;
    ASSERT_EQ(render(kSmoke + " --format sheet --out " + shellQuote(out.file("a.png"))).status, 0);
    ASSERT_EQ(render(kSmoke + " --sheet " + shellQuote(out.file("b.png"))).status, 0);
    EXPECT_TRUE(out.read("a.png") == out.read("b.png"));
    EXPECT_EQ(out.read("b.json").size(), out.read("a.json").size());
    ASSERT_EQ(render(kSmoke + " --format png --out " + shellQuote(out.file("f"))).status, 0);
    EXPECT_TRUE(out.exists("f/frame_0005.png"));
}

TEST(ParticleRenderFormats, UsageErrorsOfTheFormatOptions) {
    TempDir out;
    const std::string file = shellQuote(out.file("x.webp"));
    for (const std::string& args :
         {"--format bmp --out " + file, "--format webp --quality 101 --out " + file,
          "--format webp --quality -1 --out " + file, "--format gif --quality 50 --out " + file,
          "--format gif --matte '#fff' --background transparent --out " + file,
          "--format gif --matte '#ffffff' --out " + file, "--format sheet --out " + file,
          "--format webp --sheet " + shellQuote(out.file("s.png")), "--backdrop-position 3 --out " + file}) {
        const ToolRun r = render("smoke.plist " + args);
        EXPECT_EQ(r.status, 3) << args;
        EXPECT_NE(r.err.find("usage: particle-render"), std::string::npos) << args;
    }
    EXPECT_FALSE(out.exists("x.webp"));
    // A folder where the file should go: the failure names it and no file appears.
    const ToolRun r = render(kSmoke + " --format gif --out " + shellQuote(out.path()));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("cannot write " + out.path()), std::string::npos) << r.err;
}

TEST(ParticleRenderFormats, ABackdropImageStandsCentredBehindTheEffectAndAMissingOneIsUnloadable) {
    TempDir out;
    // The picture is 64 x 64, clear in its corners and blue inside.
    const std::string picture = shellQuote(kTextures + "/Sprite.png");
    ToolRun r = render("smoke.plist --size 64x64 --background '#ff0000' --backdrop " + picture + " --out " +
                       shellQuote(out.file("f")));
    ASSERT_EQ(r.status, 0) << r.err;
    cocos2d::Image* image = new cocos2d::Image();
    ASSERT_TRUE(image->initWithImageFile(out.file("f/frame_0000.png")));
    ASSERT_FALSE(image->hasAlpha());
    const unsigned char* px = image->getData();
    auto at = [&](int x, int y) { return px + (static_cast<size_t>(y) * 64 + x) * 3; };
    EXPECT_EQ(at(1, 1)[0], 255);
    EXPECT_EQ(at(1, 1)[2], 0);
    EXPECT_GT(at(24, 32)[2], 150);
    EXPECT_LT(at(24, 32)[0], 120);
    image->release();

    r = render("smoke.plist --backdrop no-such.png --out " + shellQuote(out.file("g")));
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("no-such.png"), std::string::npos) << r.err;
}

TEST(ParticleRenderFormats, MemoryThatRunsOutIsAFailureWithItsReasonAndNoFile) {
    TempDir out;
    // A 16384-pixel-square sheet needs a gigabyte; the address space is held below that.
    const std::string command = "cd " + shellQuote(kData) + " && ulimit -v 900000 && env -u DISPLAY " +
                                shellQuote(FW_PARTICLE_RENDER_EXE) + " smoke.plist --search-path " +
                                shellQuote(kTextures) + " --size 8192x8192 --frames 4 --format sheet --out " +
                                shellQuote(out.file("big.png")) + " 2>" + shellQuote(out.file("err"));
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_NE(out.read("err").find("particle-render: out of memory"), std::string::npos) << out.read("err");
    EXPECT_FALSE(out.exists("big.png"));
}
