// particle-render FILE.plist: draw a particle effect through the engine with no display, to PNG frames or a sprite
// sheet.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "RenderOptions.h"
#include "render/ParticleFrames.h"
#include "render/PngFrames.h"
#include "render/SpriteSheet.h"

namespace {

const int kExitDone = 0, kExitFailed = 1, kExitUnloadable = 2, kExitUsage = 3;

int fail(const std::string& why, int status = kExitFailed) {
    std::fprintf(stderr, "particle-render: %s\n", why.c_str());
    return status;
}

} // namespace

int main(int argc, char** argv) {
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
    SpriteSheet sheet(o.frames, o.width, o.height);
    if (!o.sheetPath.empty() && !sheet.fits())
        return fail("the sprite sheet would be larger than 16384 pixels on a side; use fewer or smaller frames",
                    kExitUsage);
    // Output directories are made before the rendering, so that a bad path fails at once.
    const std::string sheetDir = std::filesystem::path(o.sheetPath).parent_path().string();
    for (const std::string& dir : {o.outDir, sheetDir}) {
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
    int status = kExitDone;
    for (int frame = 0; frame < o.frames && status == kExitDone; ++frame) {
        double time = 0.0;
        const std::vector<unsigned char> rgba = frames.next(&time);
        const std::string path = o.outDir + "/" + PngFrames::fileName(frame);
        if (!o.outDir.empty() && !PngFrames::write(path, rgba, o.width, o.height, o.transparent))
            status = fail("cannot write " + path);
        if (!o.sheetPath.empty()) sheet.place(frame, rgba, time);
    }
    if (status == kExitDone && !o.sheetPath.empty() && !sheet.write(o.sheetPath, o.fps, o.transparent))
        status = fail("cannot write " + o.sheetPath + " or " + SpriteSheet::jsonPathFor(o.sheetPath));
    frames.close();
    return status;
}
