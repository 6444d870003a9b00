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

#include "2d/CCParticleSystemQuad.h"
#include "2d/CCScene.h"
#include "OffscreenEGLView.h"
#include "RenderOptions.h"
#include "SpriteSheet.h"
#include "StraightAlphaMatte.h"
#include "base/CCDirector.h"
#include "platform/CCFileUtils.h"
#include "platform/CCImage.h"

using namespace cocos2d;

namespace {

const int kExitDone = 0, kExitFailed = 1, kExitUnloadable = 2, kExitUsage = 3;

int fail(const std::string& why, int status = kExitFailed) {
    std::fprintf(stderr, "particle-render: %s\n", why.c_str());
    return status;
}

// Draws the current state once over a clear colour and reads it back.
std::vector<unsigned char> drawOver(Director* director, OffscreenEGLView* view, const Color4F& clear) {
    director->setClearColor(clear);
    director->mainLoop();
    std::vector<unsigned char> rgba;
    view->readPixels(&rgba);
    return rgba;
}

std::vector<unsigned char> drawFrame(Director* director, OffscreenEGLView* view, const RenderOptions& o) {
    if (o.transparent)
        return StraightAlphaMatte::fromBlackAndWhite(drawOver(director, view, Color4F(0, 0, 0, 1)),
                                                     drawOver(director, view, Color4F(1, 1, 1, 1)));
    std::vector<unsigned char> rgba = drawOver(
        director, view, Color4F(o.background[0] / 255.0f, o.background[1] / 255.0f, o.background[2] / 255.0f, 1));
    for (size_t i = 3; i < rgba.size(); i += 4) rgba[i] = 255;
    return rgba;
}

bool writePng(const std::string& path, const std::vector<unsigned char>& rgba, int w, int h, bool transparent) {
    Image* image = new Image();
    const bool ok = image->initWithRawData(rgba.data(), static_cast<ssize_t>(rgba.size()), w, h, 8, false) &&
                    image->saveToFile(path, !transparent);
    image->release();
    return ok;
}

std::string frameName(int index) {
    char name[32];
    std::snprintf(name, sizeof name, "frame_%04d.png", index);
    return name;
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

    OffscreenEGLView* view = OffscreenEGLView::create(o.width, o.height);
    if (!view) return fail("no offscreen OpenGL: " + OffscreenEGLView::lastError());
    Director* director = Director::getInstance();
    director->setOpenGLView(view);
    view->setDesignResolutionSize(static_cast<float>(o.width), static_cast<float>(o.height),
                                  ResolutionPolicy::EXACT_FIT);
    for (const std::string& dir : o.searchPaths) FileUtils::getInstance()->addSearchPath(dir);

    // The engine draws every emission's random stream from rand().
    std::srand(o.seed);
    ParticleSystemQuad* system = ParticleSystemQuad::create(o.file);
    if (!system) {
        const std::string reason = ParticleSystem::getLastInitError();
        return fail(o.file + ": " + (reason.empty() ? "cannot load" : reason), kExitUnloadable);
    }
    system->setPosition(o.hasPosition ? Vec2(o.x, o.y) : Vec2(o.width / 2.0f, o.height / 2.0f));
    Scene* scene = Scene::create();
    scene->addChild(system);
    director->runWithScene(scene);
    // The tool steps the system itself, in exact frame times; the director only draws.
    director->pause();
    director->mainLoop();

    const float dt = static_cast<float>(1.0 / o.fps);
    const long warmupSteps = std::lround(o.warmup * o.fps);
    for (long i = 0; i < warmupSteps; ++i) system->update(dt);
    int status = kExitDone;
    for (int frame = 0; frame < o.frames && status == kExitDone; ++frame) {
        system->update(dt);
        const std::vector<unsigned char> rgba = drawFrame(director, view, o);
        const double time = (warmupSteps + frame + 1) / o.fps;
        if (!o.outDir.empty() && !writePng(o.outDir + "/" + frameName(frame), rgba, o.width, o.height, o.transparent))
            status = fail("cannot write " + o.outDir + "/" + frameName(frame));
        if (!o.sheetPath.empty()) sheet.place(frame, rgba, time);
    }
    if (status == kExitDone && !o.sheetPath.empty() && !sheet.write(o.sheetPath, o.fps, o.transparent))
        status = fail("cannot write " + o.sheetPath + " or " + SpriteSheet::jsonPathFor(o.sheetPath));

    director->end();
    director->mainLoop();
    return status;
}
