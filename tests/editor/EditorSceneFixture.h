// Test fixture: the grid page, an object tree in a shown frame and a running engine scene in an offscreen GL view.
#pragma once

#include "GuiGridFixture.h"

#include "editor/EditorNode.h"
#include "editor/ObjectTree.h"
#include "editor/SelectionManager.h"

#include "2d/CCNode.h"
#include "2d/CCScene.h"
#include "base/ccTypes.h"

#include <wx/app.h>
#include <wx/utils.h>

#include <string>

class OffscreenGLView;

// A bare editable node (content size 0 unless set): stands in for a particle system.
class TestEditorNode : public cocos2d::Node, public EditorNode {
public:
    static TestEditorNode* create(float x = 0, float y = 0);
    void draw(cocos2d::Renderer* renderer, const cocos2d::Mat4& transform, uint32_t flags) override;
    // Counts live instances, to see that removed objects really went.
    static int alive;

protected:
    TestEditorNode() { ++alive; }
    ~TestEditorNode() override { --alive; }
};

class EditorSceneFixture : public GuiGridFixture {
protected:
    static constexpr int kWidth = 480;
    static constexpr int kHeight = 320;

    void SetUp() override;
    void TearDown() override;

    SelectionManager* selection() const { return SelectionManager::getInstance(); }
    // Empties the autorelease pool, as the end of an engine frame does.
    static void drainPool();
    // Draws one engine frame into the offscreen view.
    void drawFrame();
    // Colour of scene pixel (x, y), origin bottom left (design size = frame size).
    cocos2d::Color4B pixel(int x, int y) const;
    // Whether a pixel of the given colour lies within `slack` pixels of (x, y).
    bool colourNear(int x, int y, int r, int g, int b, int slack = 1) const;
    // Writes a width x height PNG of one opaque colour into the temporary folder
    // (on the engine's search path) and returns its file name.
    std::string makePng(const std::string& name, int width, int height, cocos2d::Color4B colour);
    // Runs the toolkit's pending events until done() or the time is up.
    template <class Done>
    bool pumpUntil(Done done, int milliseconds = 2000);
    // Real mouse click (XTest) on a tree row, optionally with the control key held.
    void clickRow(const wxTreeItemId& item, bool withControl = false);
    // Rows of the tree in order, and which are highlighted.
    wxArrayTreeItemIds rows() const;
    wxArrayTreeItemIds highlighted() const;
    // The property named name on the page, or null.
    wxPGProperty* row(const char* name) const { return m_page->GetPropertyByName(wxString::FromUTF8(name)); }
    size_t pageSize() const { return m_page->GetRoot()->GetChildCount(); }

    ObjectTree* m_tree = nullptr;
    OffscreenGLView* m_view = nullptr;
    cocos2d::Scene* m_scene = nullptr;
    std::string m_folder;
};

template <class Done>
bool EditorSceneFixture::pumpUntil(Done done, int milliseconds) {
    for (int waited = 0; waited <= milliseconds; waited += 10) {
        wxTheApp->Yield(true);
        wxTheApp->ProcessPendingEvents();
        if (done()) return true;
        wxMilliSleep(10);
    }
    return done();
}
