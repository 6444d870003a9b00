// particle-render FILE.plist: draw a particle effect through the engine with no display, to PNG frames, a sprite
// sheet, an animated WebP or GIF.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "RenderOptions.h"
#include "render/FrameWriter.h"
#include "render/ParticleFrames.h"
#include "render/SpriteSheet.h"

namespace {

const int kExitDone = 0, kExitFailed = 1, kExitUnloadable = 2, kExitUsage = 3;

int fail(const std::string& why, int status = kExitFailed) {
    std::fprintf(stderr, "particle-render: %s\n", why.c_str());
    return status;
}

} // namespace

namespace {

int run(int argc, char** argv);

} // namespace

int main(int argc, char** argv) {
    // Frames of a large size or a long sheet may not fit in memory; that is a failure with its reason, not a crash.
    try {
        return run(argc, argv);
    } catch (const std::bad_alloc&) {
        return fail("out of memory");
    }
}

namespace {

int run(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(RenderOptions::usage(), stdout);
        return kExitDone;
    }
    RenderOptions o;
    std::string why;
    if (!o.parse(argc, argv, &why)) {
        std::fprintf(stderr, "particle-render: %s\n%s", why.c_str(), RenderOptions::usage());
        return kExitUsage;
    }
    const bool anySheet = !o.sheetPath.empty() || o.format == FrameFormat::Sheet;
    if (anySheet && !SpriteSheet(o.frames, o.width, o.height).fits())
        return fail("the sprite sheet would be larger than 16384 pixels on a side; use fewer or smaller frames",
                    kExitUsage);
    // Output directories are made before the rendering, so that a bad path fails at once.
    const std::string outDir =
        o.format == FrameFormat::Png ? o.outDir : std::filesystem::path(o.outDir).parent_path().string();
    const std::string sheetDir = std::filesystem::path(o.sheetPath).parent_path().string();
    for (const std::string& dir : {outDir, sheetDir}) {
        if (dir.empty()) continue;
        std::error_code error;
        std::filesystem::create_directories(dir, error);
        if (!std::filesystem::is_directory(dir)) return fail("cannot create the directory " + dir);
    }
    // The engine logs to standard output; nothing of ours goes there.
    std::fflush(stdout);
    const int devNull = open("/dev/null", O_WRONLY);
    if (devNull >= 0) {
        dup2(devNull, STDOUT_FILENO);
        close(devNull);
    }

    ParticleFrames frames;
    switch (frames.open(o)) {
    case ParticleFrames::Opened:
        break;
    case ParticleFrames::NoOpenGL:
        return fail(frames.error());
    case ParticleFrames::Unloadable:
        return fail(frames.error(), kExitUnloadable);
    }
    std::vector<std::unique_ptr<FrameWriter>> writers;
    if (!o.outDir.empty()) writers.push_back(FrameWriter::create(o.output(false)));
    if (!o.sheetPath.empty()) writers.push_back(FrameWriter::create(o.output(true)));
    int status = kExitDone;
    for (int frame = 0; frame < o.frames && status == kExitDone; ++frame) {
        double time = 0.0;
        const std::vector<unsigned char> rgba = frames.next(&time);
        for (auto& w : writers)
            if (status == kExitDone && !w->add(rgba, time)) status = fail(w->error());
        if (o.progress && status == kExitDone) std::fprintf(stderr, "frame %d/%d\n", frame + 1, o.frames);
    }
    for (auto& w : writers)
        if (status == kExitDone && !w->finish()) status = fail(w->error());
    frames.close();
    return status;
}

} // namespace
