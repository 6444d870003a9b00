// Added cost per frame of the preview's live counts, spawn-area drawing and moving emitter, with six selected effects
// run by the director offscreen (640 x 960): each part timed alone, and whole frames with and without all three.
// Needs X (run under xvfb-run).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <vector>

#include "2d/CCScene.h"
#include "base/CCDirector.h"
#include "base/CCScheduler.h"
#include "editor/EmitterMotion.h"
#include "editor/SelectionManager.h"
#include "particle/ParticleSystem2DEditor.h"
#include "particle/SpawnArea.h"
#include "platform/CCGL.h"
#include "support/OffscreenGLView.h"
#include "particle/EffectWatch.h"

using namespace cocos2d;

namespace {

using Clock = std::chrono::steady_clock;
const int kEffects = 6;
const int kFrames = 400;

// The director on an offscreen view with six playing effects, all selected
// (a multiple selection draws the marks of each one).
struct Stage {
    OffscreenGLView* view = nullptr;
    Scene* scene = nullptr;
    std::vector<EditorObject*> selected;

    bool start() {
        view = OffscreenGLView::create(640, 960);
        if (!view) return false;
        view->retain();
        Director* director = Director::getInstance();
        director->setOpenGLView(view);
        view->setDesignResolutionSize(640, 960, ResolutionPolicy::SHOW_ALL);
        std::srand(1);
        scene = Scene::create();
        director->runWithScene(scene);
        for (int i = 0; i < kEffects; ++i) {
            ParticleSystem2DEditor* effect = ParticleSystem2DEditor::createFromTemplate(i);
            effect->setPosition(120 + 200 * (i % 3), 240 + 420 * (i / 3));
            effect->setPosVar(Vec2(40, 30));
            effect->setSelected(true);
            scene->addChild(effect);
            selected.push_back(effect);
        }
        // Full of particles before anything is measured.
        for (int f = 0; f < 200; ++f) director->mainLoop(1.0f / 60);
        return true;
    }
    void stop() {
        EmitterMotion::instance().clear();
        for (EditorObject* object : selected) object->setSelected(false);
        Director::getInstance()->end();
        Director::getInstance()->mainLoop();
        view->release();
    }
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Microseconds per frame of each addition for the six effects: the counts'
// watch, the emitter paths, and the selection marks drawn with and without
// the spawn areas (GL work finished inside the timing).
void BM_PreviewAdditions(benchmark::State& state) {
    if (!std::getenv("DISPLAY")) {
        state.SkipWithError("needs an X display (run under xvfb-run)");
        return;
    }
    Stage stage;
    if (!stage.start()) {
        state.SkipWithError(("no GL context: " + OffscreenGLView::lastError()).c_str());
        return;
    }
    Director* director = Director::getInstance();
    EffectWatch watch;
    EmitterMotion& motion = EmitterMotion::instance();
    motion.setPath(EmitterMotion::Path::Circle);
    auto drawMarks = [&](bool areas) {
        ShowSpawnAreas(areas);
        glFinish();
        const auto t0 = Clock::now();
        for (EditorObject* object : stage.selected) {
            auto* effect = dynamic_cast<ParticleSystem2DEditor*>(object);
            effect->drawSelection(effect->getNodeToWorldTransform(), 0);
        }
        glFinish();
        return std::chrono::duration<double, std::micro>(Clock::now() - t0).count();
    };
    std::vector<double> watchUs, motionUs, marksUs, marksAreasUs;
    for (auto _ : state) {
        for (int f = 0; f < kFrames; ++f) {
            director->mainLoop(1.0f / 60);
            auto t0 = Clock::now();
            watch.watchFrame(stage.scene, 1.0f / 60);
            auto t1 = Clock::now();
            motion.advance(1.0f / 60, stage.selected);
            auto t2 = Clock::now();
            watchUs.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
            motionUs.push_back(std::chrono::duration<double, std::micro>(t2 - t1).count());
            // Each drawn twice, in alternating order, so that drift in the
            // machine's load and the first draw's set-up hit both alike.
            drawMarks(f % 2 == 0);
            if (f % 2 == 0) {
                marksUs.push_back(drawMarks(false));
                marksAreasUs.push_back(drawMarks(true));
            } else {
                marksAreasUs.push_back(drawMarks(true));
                marksUs.push_back(drawMarks(false));
            }
        }
    }
    const double areas = median(marksAreasUs) - median(marksUs);
    state.counters["counts_us"] = median(watchUs);
    state.counters["motion_us"] = median(motionUs);
    state.counters["frames_us"] = median(marksUs);
    state.counters["areas_us"] = areas;
    state.counters["added_us"] = median(watchUs) + median(motionUs) + areas;
    stage.stop();
}
BENCHMARK(BM_PreviewAdditions)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
