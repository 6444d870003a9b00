// Benchmark (needs an X display): one undo and one redo of deleting an effect whose texture is embedded in its file,
// with the tree, the selected page and the next frame as the user sees them. Run under xvfb-run.
#include <benchmark/benchmark.h>

#include "lib/EditorHarness.h"

#include "editor/RegisterEditorObject.h"
#include "editor/SceneDocument.h"
#include "editor/SelectionManager.h"
#include "particle/ParticleSystem2DEditor.h"

#include "base/CCDirector.h"

#include <wx/app.h>

#include <cstdlib>

using namespace cocos2d;

namespace {

// The toolkit, a tree and a grid like the main window's, a document, an
// engine view and the effect, made once for the process.
struct Editor {
    SceneDocument* document = nullptr;
    ParticleSystem2DEditor* effect = nullptr;
    bool ready = false;

    Editor() {
        document = StartEditorHarness();
        if (!document) return;
        effect = ParticleSystem2DEditor::createFromFile(FW_SOURCE_DIR "/tests/data/plists/cocos2d-objc/Galaxy.plist");
        if (!effect || effect->embeddedTexture().empty()) return;
        if (!RegisterEditorObject(effect, wxS("Particle2D"))) return;
        for (int i = 0; i < 60; ++i) Director::getInstance()->mainLoop(1.0f / 60.0f);
        ready = true;
    }
};

Editor& editor() {
    static Editor e;
    return e;
}

void frame() {
    wxTheApp->ProcessIdle();
    Director::getInstance()->mainLoop(1.0f / 60.0f);
}

// Argument 0 times the undo of the delete, 1 the redo; each up to the next
// frame drawn, untimed steps around it put the effect back in the scene.
void UndoOrRedoOfDeletingAnEmbeddedTextureEffect(benchmark::State& state) {
    Editor& e = editor();
    if (!e.ready) {
        state.SkipWithError("needs an X display with GLX (run under xvfb-run)");
        return;
    }
    const bool redo = state.range(0) == 1;
    for (auto _ : state) {
        state.PauseTiming();
        SelectionManager::getInstance()->select(e.effect);
        SelectionManager::getInstance()->deleteSelected();
        if (redo) e.document->undo();
        frame();
        state.ResumeTiming();
        if (redo)
            e.document->redo();
        else
            e.document->undo();
        frame();
        state.PauseTiming();
        if (redo) e.document->undo();
        state.ResumeTiming();
    }
}
BENCHMARK(UndoOrRedoOfDeletingAnEmbeddedTextureEffect)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Repetitions(30)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

}
