// Frame cost of a heavy scene (four Fireworks, a Sun, a Smoke over a background image, 1280 x 1000) run by the
// director offscreen for 600 frames: median and 95th percentile of update, draw submission and GL time, and the
// processor time per frame of all threads. Needs X (run under xvfb-run).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <sys/resource.h>
#include <vector>

#include "2d/CCParticleExamples.h"
#include "2d/CCScene.h"
#include "2d/CCSprite.h"
#include "base/CCDirector.h"
#include "base/CCEventDispatcher.h"
#include "base/CCEventListenerCustom.h"
#include "renderer/CCTexture2D.h"
#include "support/OffscreenGLView.h"

using namespace cocos2d;

namespace {

using Clock = std::chrono::steady_clock;

const int kWidth = 1280;
const int kHeight = 1000;
const int kWarmUpFrames = 250;
const int kMeasuredFrames = 600;
const float kTick = 0.02f;

// The offscreen view with a swap that waits for the GL work to finish instead
// of reading the frame back, so that the GL time is the drawing alone.
class FrameCostView : public OffscreenGLView {
public:
    static FrameCostView* create(int width, int height) {
        auto* view = new FrameCostView();
        if (!view->init(width, height)) {
            delete view;
            return nullptr;
        }
        view->autorelease();
        return view;
    }
    void swapBuffers() override {
        glFinish();
        swapped = Clock::now();
    }
    Clock::time_point swapped;
};

// A 1280 x 1000 opaque gradient, as a designer's backdrop would be.
Texture2D* backgroundTexture() {
    std::vector<unsigned char> pixels(static_cast<size_t>(kWidth) * kHeight * 4);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            unsigned char* p = &pixels[(static_cast<size_t>(y) * kWidth + x) * 4];
            p[0] = static_cast<unsigned char>(x * 255 / kWidth);
            p[1] = static_cast<unsigned char>(y * 255 / kHeight);
            p[2] = 96;
            p[3] = 255;
        }
    }
    auto* texture = new Texture2D();
    texture->initWithData(pixels.data(), static_cast<ssize_t>(pixels.size()), Texture2D::PixelFormat::RGBA8888, kWidth,
                          kHeight, Size(kWidth, kHeight));
    texture->autorelease();
    return texture;
}

// The heavy scene, or a part of it (for finding where the time goes).
Scene* heavyScene(bool withBackground, bool withParticles) {
    Scene* scene = Scene::create();
    if (withBackground) {
        Sprite* background = Sprite::createWithTexture(backgroundTexture());
        background->setPosition(kWidth / 2.0f, kHeight / 2.0f);
        scene->addChild(background, -1);
    }
    if (!withParticles) return scene;
    const Vec2 fireworks[] = {{320, 250}, {960, 250}, {320, 750}, {960, 750}};
    for (const Vec2& at : fireworks) {
        ParticleSystem* s = ParticleFireworks::create();
        s->setPosition(at);
        scene->addChild(s);
    }
    ParticleSystem* sun = ParticleSun::create();
    sun->setPosition(640, 500);
    scene->addChild(sun);
    ParticleSystem* smoke = ParticleSmoke::create();
    smoke->setPosition(640, 100);
    scene->addChild(smoke);
    return scene;
}

double ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// Processor time of every thread of the process (Mesa's rasterizer threads
// included): the work of a frame, less sensitive to other load than its span.
double cpuMicroseconds(const rusage& r) {
    return static_cast<double>(r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1e6 +
           static_cast<double>(r.ru_utime.tv_usec + r.ru_stime.tv_usec);
}

double percentile(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    return v[static_cast<size_t>(q * static_cast<double>(v.size() - 1))];
}

void BM_HeavySceneFrame(benchmark::State& state) {
    if (!std::getenv("DISPLAY")) {
        state.SkipWithError("needs an X display (run under xvfb-run)");
        return;
    }
    FrameCostView* view = FrameCostView::create(kWidth, kHeight);
    if (!view) {
        state.SkipWithError(("no GL context: " + OffscreenGLView::lastError()).c_str());
        return;
    }
    view->retain();
    Director* director = Director::getInstance();
    director->setOpenGLView(view);
    view->setDesignResolutionSize(kWidth, kHeight, ResolutionPolicy::SHOW_ALL);
    std::srand(1);
    Scene* scene = heavyScene((state.range(0) & 1) != 0, (state.range(0) & 2) != 0);
    scene->setBackdropCaching((state.range(0) & 4) != 0);
    director->runWithScene(scene);

    Clock::time_point beforeUpdate, afterUpdate, afterVisit;
    EventDispatcher* events = director->getEventDispatcher();
    auto* l1 = events->addCustomEventListener(Director::EVENT_BEFORE_UPDATE,
                                              [&](EventCustom*) { beforeUpdate = Clock::now(); });
    auto* l2 =
        events->addCustomEventListener(Director::EVENT_AFTER_UPDATE, [&](EventCustom*) { afterUpdate = Clock::now(); });
    auto* l3 =
        events->addCustomEventListener(Director::EVENT_AFTER_VISIT, [&](EventCustom*) { afterVisit = Clock::now(); });

    std::vector<double> update, submit, gl, total;
    double cpuMs = 0;
    for (auto _ : state) {
        for (int f = 0; f < kWarmUpFrames; ++f) director->mainLoop(kTick);
        update.clear();
        submit.clear();
        gl.clear();
        total.clear();
        rusage before{}, after{};
        getrusage(RUSAGE_SELF, &before);
        for (int f = 0; f < kMeasuredFrames; ++f) {
            const Clock::time_point start = Clock::now();
            director->mainLoop(kTick);
            update.push_back(ms(afterUpdate - beforeUpdate));
            submit.push_back(ms(afterVisit - afterUpdate));
            gl.push_back(ms(view->swapped - afterVisit));
            total.push_back(ms(view->swapped - start));
        }
        getrusage(RUSAGE_SELF, &after);
        cpuMs = (cpuMicroseconds(after) - cpuMicroseconds(before)) / 1000.0 / kMeasuredFrames;
    }
    state.counters["update_med_ms"] = percentile(update, 0.5);
    state.counters["update_p95_ms"] = percentile(update, 0.95);
    state.counters["submit_med_ms"] = percentile(submit, 0.5);
    state.counters["submit_p95_ms"] = percentile(submit, 0.95);
    state.counters["gl_med_ms"] = percentile(gl, 0.5);
    state.counters["gl_p95_ms"] = percentile(gl, 0.95);
    state.counters["frame_med_ms"] = percentile(total, 0.5);
    state.counters["frame_p95_ms"] = percentile(total, 0.95);
    state.counters["cpu_ms_per_frame"] = cpuMs;

    events->removeEventListener(l1);
    events->removeEventListener(l2);
    events->removeEventListener(l3);
    director->end();
    director->mainLoop();
    view->release();
}

} // namespace

// parts: 3 the whole scene, 2 the particles alone, 1 the background alone, 0 an empty scene; 4 added: the
// background kept between frames (7 the whole scene as the editor draws it, 5 the background alone).
BENCHMARK(BM_HeavySceneFrame)
    ->ArgName("parts")
    ->Arg(7)
    ->Arg(5)
    ->Arg(3)
    ->Arg(2)
    ->Arg(1)
    ->Arg(0)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
