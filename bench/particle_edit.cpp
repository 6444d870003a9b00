// Benchmarks of particle editing (needs an X display): selecting a particle object until its page is built,
// and a committed grid edit until the next frame is drawn. Run under xvfb-run; the medians are the figures.
#include <benchmark/benchmark.h>

#include "particle/ParticleSystem2DEditor.h"
#include "support/OffscreenGLView.h"

#include "editor/PropertyExtention.h"
#include "editor/PropertyValue.h"
#include "editor/SelectionManager.h"

#include "2d/CCScene.h"
#include "base/CCDirector.h"

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/init.h>
#include <wx/propgrid/manager.h>

#include <cstdlib>

using namespace cocos2d;

namespace {

// The toolkit, a grid like the main window's, a 1280 x 1000 engine view and
// one Flower running in the scene, made once for the process.
struct Editor {
    wxFrame* frame = nullptr;
    wxPropertyGridManager* manager = nullptr;
    ParticleSystem2DEditor* flower = nullptr;
    bool ready = false;

    Editor() {
        if (!std::getenv("DISPLAY")) return;
        static int argc = 1;
        static char name[] = "bench_particle_edit";
        static char* argv[] = {name, nullptr};
        setenv("GDK_BACKEND", "x11", 0);
        wxApp::SetInstance(new wxApp);
        if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) return;
        RegisterPropertyExtensions();
        frame = new wxFrame(nullptr, wxID_ANY, wxS("bench"), wxDefaultPosition, wxSize(400, 900));
        manager = new wxPropertyGridManager(frame, wxID_ANY, wxDefaultPosition, wxSize(400, 900),
                                            wxPG_SPLITTER_AUTO_CENTER | wxPG_DESCRIPTION);
        manager->AddPage(wxS("Properties"));
        manager->Bind(wxEVT_PG_CHANGED, [](wxPropertyGridEvent& event) { ApplyGridChange(event.GetProperty()); });
        frame->Show();
        SelectionManager::getInstance()->propertyManager = manager;

        OffscreenGLView* view = OffscreenGLView::create(1280, 1000);
        if (!view) return;
        Director::getInstance()->setOpenGLView(view);
        view->setDesignResolutionSize(1280, 1000, ResolutionPolicy::SHOW_ALL);
        Scene* scene = Scene::create();
        flower = ParticleSystem2DEditor::createFromTemplate(0);
        flower->setPosition(640, 500);
        flower->propertyPage = manager->GetPage(wxS("Properties"));
        scene->addChild(flower);
        Director::getInstance()->runWithScene(scene);
        for (int i = 0; i < 60; ++i) Director::getInstance()->mainLoop(1.0f / 60.0f);
        ready = true;
    }
};

Editor& editor() {
    static Editor e;
    return e;
}

void SelectToPageBuilt(benchmark::State& state) {
    Editor& e = editor();
    if (!e.ready) {
        state.SkipWithError("needs an X display with GLX (run under xvfb-run)");
        return;
    }
    SelectionManager* selection = SelectionManager::getInstance();
    for (auto _ : state) {
        state.PauseTiming();
        selection->clearSelection();
        wxTheApp->ProcessIdle();
        state.ResumeTiming();
        selection->select(e.flower);
        // Rows the grid deletes or lays out later count as building.
        wxTheApp->ProcessIdle();
    }
}
BENCHMARK(SelectToPageBuilt)->Iterations(1)->Repetitions(20)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

void CommittedEditToNextFrame(benchmark::State& state) {
    Editor& e = editor();
    if (!e.ready) {
        state.SkipWithError("needs an X display with GLX (run under xvfb-run)");
        return;
    }
    SelectionManager::getInstance()->select(e.flower);
    wxPropertyGrid* grid = e.manager->GetGrid();
    wxPGProperty* speed = e.manager->GetPage(wxS("Properties"))->GetPropertyByName(wxS("emitterType.speed"));
    double value = 80;
    for (auto _ : state) {
        value = value == 80 ? 90 : 80;
        // The commit reaches the object through the grid's changed event;
        // the frame that follows is the one that shows it.
        grid->ChangePropertyValue(speed, wxVariant(value));
        Director::getInstance()->mainLoop(1.0f / 60.0f);
    }
}
BENCHMARK(CommittedEditToNextFrame)
    ->Iterations(1)
    ->Repetitions(20)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

}
