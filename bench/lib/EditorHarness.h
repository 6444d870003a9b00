// The editor's pieces for benchmarks under X: the toolkit, a tree and a grid like the main window's, a document and an
// offscreen engine view.
#pragma once

#include "support/OffscreenGLView.h"

#include "editor/ObjectTree.h"
#include "editor/PropertyExtention.h"
#include "editor/SceneDocument.h"
#include "editor/SelectionManager.h"

#include "2d/CCScene.h"
#include "base/CCDirector.h"

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/init.h>
#include <wx/propgrid/manager.h>
#include <wx/sizer.h>

#include <cstdlib>

// Starts everything once for the process, with a running scene; the
// document, or null without a display or a GL context.
inline SceneDocument* StartEditorHarness() {
    if (!std::getenv("DISPLAY")) return nullptr;
    static int argc = 1;
    static char name[] = "flarewick_bench";
    static char* argv[] = {name, nullptr};
    setenv("GDK_BACKEND", "x11", 0);
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) return nullptr;
    RegisterPropertyExtensions();
    auto* frame = new wxFrame(nullptr, wxID_ANY, wxS("bench"), wxDefaultPosition, wxSize(600, 900));
    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    auto* tree = new ObjectTree(frame, wxDefaultPosition, wxSize(200, 900));
    tree->AddRoot(wxS("Objects"));
    auto* manager = new wxPropertyGridManager(frame, wxID_ANY, wxDefaultPosition, wxSize(400, 900),
                                              wxPG_SPLITTER_AUTO_CENTER | wxPG_DESCRIPTION);
    manager->AddPage(wxS("Properties"));
    sizer->Add(tree, 0, wxEXPAND);
    sizer->Add(manager, 1, wxEXPAND);
    frame->SetSizer(sizer);
    frame->Show();
    SelectionManager::getInstance()->propertyManager = manager;
    auto* document = new SceneDocument();

    OffscreenGLView* view = OffscreenGLView::create(1280, 1000);
    if (!view) return nullptr;
    cocos2d::Director::getInstance()->setOpenGLView(view);
    view->setDesignResolutionSize(1280, 1000, ResolutionPolicy::SHOW_ALL);
    cocos2d::Director::getInstance()->runWithScene(cocos2d::Scene::create());
    // The scene runs from the first frame on.
    cocos2d::Director::getInstance()->mainLoop(1.0f / 60.0f);
    return document;
}
