// The export's parts without a display: the render's command line, the staging folder and the child's progress.
#include "ui/ExportOptions.h"
#include "ui/ExportStaging.h"
#include "ui/RenderProcess.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The value after `option`, or "(absent)".
std::string After(const std::vector<std::string>& args, const std::string& option) {
    const auto at = std::find(args.begin(), args.end(), option);
    return at == args.end() || at + 1 == args.end() ? "(absent)" : *(at + 1);
}

bool Has(const std::vector<std::string>& args, const std::string& option) {
    return std::find(args.begin(), args.end(), option) != args.end();
}

ExportScene Scene() {
    ExportScene s;
    s.plistPath = "fx.plist";
    s.searchPaths = {"/a", "/b"};
    s.x = 12.5f;
    s.y = 40;
    s.backdrop = "/bg/back.png";
    s.backdropX = 100;
    s.backdropY = 150;
    return s;
}

} // namespace

TEST(ExportOptions, TheRenderGetsTheDialogsChoicesAsOptions) {
    ExportOptions o;
    o.width = 320;
    o.height = 200;
    o.fps = 24;
    o.seconds = 1.5;
    o.warmup = 0.25;
    o.seed = 9;
    std::vector<std::string> args = RenderArguments(o, Scene(), "/out/f");
    EXPECT_EQ(args.front(), "fx.plist");
    EXPECT_EQ(After(args, "--format"), "png");
    EXPECT_EQ(After(args, "--out"), "/out/f");
    EXPECT_EQ(After(args, "--frames"), "36");
    EXPECT_EQ(After(args, "--fps"), "24");
    EXPECT_EQ(After(args, "--size"), "320x200");
    EXPECT_EQ(After(args, "--seed"), "9");
    EXPECT_EQ(After(args, "--warmup"), "0.25");
    EXPECT_EQ(After(args, "--background"), "transparent");
    // The effect where it is in the scene; no backdrop unless the scene's background is asked for.
    EXPECT_EQ(After(args, "--position"), "12.5,40");
    EXPECT_FALSE(Has(args, "--backdrop"));
    EXPECT_EQ(std::count(args.begin(), args.end(), "--search-path"), 2);
    EXPECT_TRUE(Has(args, "--progress"));
    EXPECT_FALSE(Has(args, "--quality"));
    EXPECT_FALSE(Has(args, "--matte"));

    // Centred, over the scene's background (opaque, as the view shows it), lossy WebP.
    o.centred = true;
    o.background = ExportBackground::Scene;
    o.format = ExportFormat::Webp;
    o.lossy = true;
    o.quality = 35;
    args = RenderArguments(o, Scene(), "/out/a.webp");
    EXPECT_EQ(After(args, "--position"), "160,100");
    EXPECT_EQ(After(args, "--background"), "#000000");
    EXPECT_EQ(After(args, "--backdrop"), "/bg/back.png");
    // The background moves with the effect: 147.5 right, 60 up.
    EXPECT_EQ(After(args, "--backdrop-position"), "247.5,210");
    EXPECT_EQ(After(args, "--quality"), "35");

    // A GIF over a transparent background has its edge colour; over black it has none.
    o.format = ExportFormat::Gif;
    o.background = ExportBackground::Transparent;
    o.matte[0] = 255;
    o.matte[2] = 16;
    args = RenderArguments(o, Scene(), "/out/a.gif");
    EXPECT_EQ(After(args, "--matte"), "#ff0010");
    EXPECT_FALSE(Has(args, "--quality"));
    o.background = ExportBackground::Black;
    EXPECT_FALSE(Has(RenderArguments(o, Scene(), "/out/a.gif"), "--matte"));
}

TEST(ExportOptions, FrameCountsRoundAndNeverReachZero) {
    ExportOptions o;
    o.fps = 30;
    o.seconds = 2;
    EXPECT_EQ(o.frameCount(), 60);
    o.seconds = 0.01;
    EXPECT_EQ(o.frameCount(), 1);
    o.fps = 60;
    o.seconds = 0.125;
    EXPECT_EQ(o.frameCount(), 8);
    EXPECT_STREQ(ExportExtension(ExportFormat::PngFrames), "");
    EXPECT_STREQ(ExportExtension(ExportFormat::Sheet), "png");
}

TEST(ExportStaging, OutputAppearsOnlyOnCommitAndADiscardLeavesNothing) {
    TempDir dir;
    {
        ExportStaging staging;
        int error = 0;
        ASSERT_TRUE(staging.create(dir.file("a.gif"), &error)) << error;
        EXPECT_EQ(fs::path(staging.renderPath()).filename(), "a.gif");
        dir.write(fs::relative(staging.renderPath(), dir.path()).string(), "GIF89a");
        EXPECT_FALSE(dir.exists("a.gif"));
        ASSERT_TRUE(staging.commit(false, &error)) << error;
        EXPECT_EQ(dir.read("a.gif"), "GIF89a");
    }
    {
        // A render that never finished: nothing of it stays.
        ExportStaging staging;
        int error = 0;
        ASSERT_TRUE(staging.create(dir.file("b.webp"), &error));
        dir.write(fs::relative(staging.renderPath(), dir.path()).string(), "half");
    }
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir.path())) names.push_back(e.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"a.gif"});
}

TEST(ExportStaging, ASheetTakesItsJsonAndFramesReplaceAnOldFolder) {
    TempDir dir;
    int error = 0;
    {
        ExportStaging staging;
        ASSERT_TRUE(staging.create(dir.file("s.png"), &error));
        const std::string rendered = staging.renderPath();
        dir.write(fs::relative(rendered, dir.path()).string(), "png");
        dir.write(fs::relative(rendered.substr(0, rendered.size() - 4) + ".json", dir.path()).string(), "{}");
        ASSERT_TRUE(staging.commit(true, &error)) << error;
    }
    EXPECT_EQ(dir.read("s.json"), "{}");
    EXPECT_EQ(dir.read("s.png"), "png");

    dir.write("frames/frame_0009.png", "old");
    {
        ExportStaging staging;
        ASSERT_TRUE(staging.create(dir.file("frames"), &error));
        fs::create_directory(staging.renderPath());
        dir.write(fs::relative(staging.renderPath() + "/frame_0000.png", dir.path()).string(), "new");
        ASSERT_TRUE(staging.commit(false, &error)) << error;
    }
    EXPECT_EQ(dir.read("frames/frame_0000.png"), "new");
    EXPECT_FALSE(dir.exists("frames/frame_0009.png"));
}

TEST(ExportStaging, AFolderThatCannotTakeTheOutputIsRefusedWithItsReason) {
    TempDir dir;
    ExportStaging staging;
    int error = 0;
    EXPECT_FALSE(staging.create(dir.file("no-such/a.gif"), &error));
    EXPECT_EQ(error, ENOENT);
    dir.write("file", "x");
    EXPECT_FALSE(staging.create(dir.file("file/a.gif"), &error));
    EXPECT_EQ(error, ENOTDIR);
    // No write bit at all is refused even for root, as saves are.
    fs::create_directory(dir.file("locked"));
    ASSERT_EQ(chmod(dir.file("locked").c_str(), 0555), 0);
    EXPECT_FALSE(staging.create(dir.file("locked/a.gif"), &error));
    EXPECT_EQ(error, EACCES);
    EXPECT_TRUE(fs::is_empty(dir.file("locked")));
    chmod(dir.file("locked").c_str(), 0755);
}

TEST(RenderProcess, ProgressLinesCountAndTheRestIsTheReason) {
    RenderProcess child;
    std::string why;
    ASSERT_TRUE(child.start("/bin/sh",
                            {"-c", "echo 'frame 1/3' >&2; echo 'frame 2/3' >&2; echo out; "
                                   "echo 'particle-render: cannot write x' >&2; printf 'tail' >&2; exit 1"},
                            &why))
        << why;
    while (child.poll(50)) {
    }
    EXPECT_EQ(child.framesDone(), 2);
    EXPECT_EQ(child.status(), 1);
    EXPECT_EQ(child.errors(), "cannot write x\ntail");
}

TEST(RenderProcess, AKillStopsTheChildAtOnceAndAMissingProgramIsAReason) {
    RenderProcess child;
    std::string why;
    ASSERT_TRUE(child.start("/bin/sleep", {"30"}, &why)) << why;
    EXPECT_TRUE(child.poll(20));
    const auto start = std::chrono::steady_clock::now();
    child.kill();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(child.status(), 128 + 9);
    EXPECT_FALSE(child.poll(0));

    RenderProcess missing;
    EXPECT_FALSE(missing.start("/no/such/particle-render", {}, &why));
    EXPECT_NE(why.find("/no/such/particle-render"), std::string::npos) << why;
}
