// Test fixture: the grid page, an object tree in a shown frame and a running engine scene in an offscreen GL view.
#include "EditorSceneFixture.h"

#include "editor/PropertyValue.h"

#include "support/EngineTestSupport.h"
#include "support/OffscreenGLView.h"

#include "base/CCAutoreleasePool.h"
#include "base/CCDirector.h"
#include "platform/CCFileUtils.h"
#include "platform/CCImage.h"
#include "renderer/CCTextureCache.h"

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <cstdlib>
#include <unistd.h>
#include <vector>

int TestEditorNode::alive = 0;

TestEditorNode* TestEditorNode::create(float x, float y) {
    auto* node = new TestEditorNode();
    node->init();
    node->setPosition(x, y);
    node->autorelease();
    return node;
}

void TestEditorNode::draw(cocos2d::Renderer* renderer, const cocos2d::Mat4& transform, uint32_t flags) {
    cocos2d::Node::draw(renderer, transform, flags);
    queueSelectionFrame(renderer, transform, flags);
}

void EditorSceneFixture::SetUp() {
    GuiGridFixture::SetUp();
    if (HasFatalFailure()) return;
    m_node.propertyPage = nullptr;
    m_frame->SetSize(wxRect(0, 0, 760, 700));
    m_manager->SetSize(wxRect(0, 0, 500, 700));
    m_tree = new ObjectTree(m_frame, wxPoint(520, 0), wxSize(160, 250));
    m_tree->AddRoot(wxS("Objects"), 0, -1);
    m_frame->Show();
    pumpUntil([this] { return m_tree->IsShownOnScreen(); });
    // As the main window does with every committed grid edit.
    m_manager->Bind(wxEVT_PG_CHANGED, [](wxPropertyGridEvent& event) { ApplyGridChange(event.GetProperty()); });
    selection()->propertyManager = m_manager;

    PurgeDirector();
    m_view = OffscreenGLView::create(kWidth, kHeight);
    ASSERT_NE(m_view, nullptr) << "no GL context: " << OffscreenGLView::lastError();
    m_view->retain();
    auto* director = cocos2d::Director::getInstance();
    director->setOpenGLView(m_view);
    director->setClearColor(cocos2d::Color4F(0, 0, 0, 1));
    m_view->setDesignResolutionSize(kWidth, kHeight, ResolutionPolicy::SHOW_ALL);
    m_scene = cocos2d::Scene::create();
    director->runWithScene(m_scene);
    director->mainLoop(1.0f / 60);

    char pattern[] = "/tmp/fw-editor-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    m_folder = pattern;
    cocos2d::FileUtils::getInstance()->addSearchPath(m_folder + "/", true);
}

void EditorSceneFixture::TearDown() {
    selection()->clearSelection();
    selection()->propertyManager = nullptr;
    // Removing the director's scene destroys every editor object while the tree still exists.
    if (m_view) {
        PurgeDirector();
        m_view->release();
        m_view = nullptr;
    }
    drainPool();
    if (!m_folder.empty()) {
        auto* files = cocos2d::FileUtils::getInstance();
        std::vector<std::string> paths = files->getSearchPaths();
        paths.erase(std::remove(paths.begin(), paths.end(), m_folder + "/"), paths.end());
        files->setSearchPaths(paths);
        files->purgeCachedEntries();
        std::system(("rm -rf '" + m_folder + "'").c_str());
    }
    EXPECT_EQ(TestEditorNode::alive, 0) << "editor nodes outlived the scene";
    TestEditorNode::alive = 0;
    GuiGridFixture::TearDown();
    EXPECT_EQ(theObjectTree, nullptr);
}

void EditorSceneFixture::drainPool() {
    cocos2d::PoolManager::getInstance()->getCurrentPool()->clear();
}

void EditorSceneFixture::drawFrame() {
    cocos2d::Director::getInstance()->mainLoop(1.0f / 60);
}

cocos2d::Color4B EditorSceneFixture::pixel(int x, int y) const {
    return m_view->pixel(x, y);
}

bool EditorSceneFixture::colourNear(int x, int y, int r, int g, int b, int slack) const {
    for (int dy = -slack; dy <= slack; ++dy)
        for (int dx = -slack; dx <= slack; ++dx) {
            const cocos2d::Color4B c = pixel(x + dx, y + dy);
            if (std::abs(c.r - r) <= 24 && std::abs(c.g - g) <= 24 && std::abs(c.b - b) <= 24) return true;
        }
    return false;
}

std::string EditorSceneFixture::makePng(const std::string& name, int width, int height, cocos2d::Color4B colour) {
    std::vector<unsigned char> data(static_cast<size_t>(width) * height * 4);
    for (size_t i = 0; i < data.size(); i += 4) {
        data[i] = colour.r;
        data[i + 1] = colour.g;
        data[i + 2] = colour.b;
        data[i + 3] = colour.a;
    }
    cocos2d::Image image;
    EXPECT_TRUE(image.initWithRawData(data.data(), static_cast<ssize_t>(data.size()), width, height, 8, false));
    EXPECT_TRUE(image.saveToFile(m_folder + "/" + name, false));
    return name;
}

void EditorSceneFixture::clickRow(const wxTreeItemId& item, bool withControl) {
    wxRect rect;
    ASSERT_TRUE(m_tree->GetBoundingRect(item, rect, true));
    const wxPoint target = m_tree->ClientToScreen(wxPoint(rect.x + rect.width / 2, rect.y + rect.height / 2));
    wxUIActionSimulator simulator;
    simulator.MouseMove(target);
    pumpUntil([] { return false; }, 50);
    if (withControl) simulator.KeyDown(WXK_CONTROL);
    simulator.MouseClick();
    if (withControl) simulator.KeyUp(WXK_CONTROL);
    pumpUntil([] { return false; }, 150);
}

wxArrayTreeItemIds EditorSceneFixture::rows() const {
    wxArrayTreeItemIds result;
    wxTreeItemIdValue cookie;
    for (wxTreeItemId item = m_tree->GetFirstChild(m_tree->GetRootItem(), cookie); item.IsOk();
         item = m_tree->GetNextChild(m_tree->GetRootItem(), cookie))
        result.Add(item);
    return result;
}

wxArrayTreeItemIds EditorSceneFixture::highlighted() const {
    wxArrayTreeItemIds result;
    m_tree->GetSelections(result);
    return result;
}
