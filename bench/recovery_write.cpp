// Benchmark (needs an X display): what keeping ten unsaved effects for crash recovery costs the main thread and the
// frames. Run under xvfb-run.
#include <benchmark/benchmark.h>

#include "lib/EditorHarness.h"

#include "editor/RegisterEditorObject.h"
#include "editor/SceneDocument.h"
#include "editor/SelectionManager.h"
#include "particle/ParticleRecovery.h"
#include "particle/ParticleSystem2DEditor.h"

#include "base/CCDirector.h"
#include "base/CCScheduler.h"

#include <wx/app.h>

#include <glib.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

using namespace cocos2d;

namespace {

constexpr int kEffects = 10;

// The toolkit, a tree and a grid like the main window's, a document, an
// engine view and ten effects whose textures are embedded in their files.
struct Editor {
    SceneDocument* document = nullptr;
    std::vector<ParticleSystem2DEditor*> effects;
    std::string root;
    bool ready = false;

    Editor() {
        document = StartEditorHarness();
        if (!document) return;
        for (int i = 0; i < kEffects; ++i) {
            auto* effect =
                ParticleSystem2DEditor::createFromFile(FW_SOURCE_DIR "/tests/data/plists/cocos2d-objc/Galaxy.plist");
            if (!effect || effect->embeddedTexture().empty()) return;
            if (!RegisterEditorObject(effect, wxS("Particle2D"))) return;
            effects.push_back(effect);
        }
        // Six seconds of simulation without drawing: the Galaxies reach their
        // steady number of particles, so that runs measured later draw no more.
        for (int i = 0; i < 360; ++i) Director::getInstance()->getScheduler()->update(1.0f / 60.0f);
        Director::getInstance()->mainLoop(1.0f / 60.0f);
        char folder[] = "/tmp/flarewick-bench-recovery-XXXXXX";
        if (!mkdtemp(folder)) return;
        root = folder;
        ready = true;
    }
    ~Editor() {
        if (!root.empty()) std::filesystem::remove_all(root);
    }

    // Every effect gets an edit of its own.
    void changeAll() {
        for (ParticleSystem2DEditor* effect : effects) effect->revision = SceneDocument::newRevision();
        document->changed();
    }
};

Editor& editor() {
    static Editor e;
    return e;
}

bool Ready(benchmark::State& state) {
    if (editor().ready) return true;
    state.SkipWithError("needs an X display with GLX (run under xvfb-run)");
    return false;
}

// The main thread's share of a pass: each effect's plist made in memory.
void SerialiseTenEffects(benchmark::State& state) {
    if (!Ready(state)) return;
    for (auto _ : state)
        for (ParticleSystem2DEditor* effect : editor().effects)
            benchmark::DoNotOptimize(ParticleRecoveryContent(*effect).plist);
}
BENCHMARK(SerialiseTenEffects)->Unit(benchmark::kMillisecond);

// A whole pass of ten changed effects, until the thread has written them.
void PassAndWriteOfTenEffects(benchmark::State& state) {
    if (!Ready(state)) return;
    Editor& e = editor();
    e.document->startRecovery(e.root, ParticleRecoveryContent);
    for (auto _ : state) {
        state.PauseTiming();
        e.changeAll();
        state.ResumeTiming();
        e.document->writeRecoveryNow();
    }
    e.document->endRecovery();
}
BENCHMARK(PassAndWriteOfTenEffects)->Unit(benchmark::kMillisecond);

// Four seconds of frames at up to 60 Hz, all ten effects changing ten times
// a second as under a drag, the recovery timer writing them once a second
// (argument 1) or no recovery at all (argument 0): the median and the
// longest time between two frames.
void FrameGapsWhileTenEffectsAreKept(benchmark::State& state) {
    if (!Ready(state)) return;
    Editor& e = editor();
    using Clock = std::chrono::steady_clock;
    const auto slot = std::chrono::microseconds(16667);
    std::vector<double> gaps;
    for (auto _ : state) {
        if (state.range(0)) e.document->startRecovery(e.root, ParticleRecoveryContent);
        const auto end = Clock::now() + std::chrono::seconds(4);
        auto last = Clock::now();
        auto next = last;
        auto nextChange = last;
        while (Clock::now() < end) {
            if (Clock::now() >= nextChange) {
                e.changeAll();
                nextChange += std::chrono::milliseconds(100);
            }
            while (g_main_context_iteration(nullptr, FALSE)) {
            }
            Director::getInstance()->mainLoop(1.0f / 60.0f);
            const auto now = Clock::now();
            gaps.push_back(std::chrono::duration<double, std::milli>(now - last).count());
            last = now;
            next = std::max(next + slot, now);
            std::this_thread::sleep_until(next);
        }
        e.document->endRecovery();
    }
    std::sort(gaps.begin(), gaps.end());
    state.counters["frames"] = static_cast<double>(gaps.size());
    state.counters["median_gap_ms"] = gaps.empty() ? 0 : gaps[gaps.size() / 2];
    state.counters["longest_gap_ms"] = gaps.empty() ? 0 : gaps.back();
}
BENCHMARK(FrameGapsWhileTenEffectsAreKept)->Arg(0)->Arg(1)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
