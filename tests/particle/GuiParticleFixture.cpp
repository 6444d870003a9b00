// Test fixture: a particle object selected onto a real property grid.
#include "GuiParticleFixture.h"

#include "particle/ParticleSystem2DEditor.h"

#include "editor/PropertyValue.h"
#include "editor/SelectionManager.h"

#include "support/OffscreenGLView.h"

#include "2d/CCScene.h"
#include "base/CCAutoreleasePool.h"
#include "base/CCDirector.h"
#include "renderer/CCTextureCache.h"

#include <wx/app.h>
#include <wx/msgdlg.h>

namespace {
void purgeDirector() {
    auto* director = cocos2d::Director::getInstance();
    director->getTextureCache()->removeAllTextures();
    director->end();
    director->mainLoop();
    cocos2d::PoolManager::getInstance()->getCurrentPool()->clear();
}
}

int MessageCatcher::Enter(wxDialog* dialog) {
    Box box{dialog->GetTitle(), wxString()};
    if (auto* message = dynamic_cast<wxMessageDialogBase*>(dialog)) {
        box.message = message->GetMessage();
        if (box.title.empty()) box.title = message->GetTitle();
    }
    boxes.push_back(box);
    return wxID_OK;
}

void GuiParticleFixture::SetUp() {
    GuiGridFixture::SetUp();
    if (HasFatalFailure()) return;
    purgeDirector();
    m_messages.Register();
    m_hooked = true;
    SelectionManager::getInstance()->propertyManager = m_manager;
    // As the main window's handler of the grid's changed event.
    m_manager->Bind(wxEVT_PG_CHANGED, [](wxPropertyGridEvent& event) {
        ApplyGridChange(event.GetProperty());
        event.Skip();
    });
}

void GuiParticleFixture::TearDown() {
    SelectionManager::getInstance()->clearSelection();
    SelectionManager::getInstance()->propertyManager = nullptr;
    if (m_object) m_object->release();
    m_object = nullptr;
    if (m_hooked) m_messages.Unregister();
    m_hooked = false;
    GuiGridFixture::TearDown();
    purgeDirector();
    if (m_view) m_view->release();
    m_view = nullptr;
}

cocos2d::Scene* GuiParticleFixture::runOffscreen(int size) {
    m_view = OffscreenGLView::create(size, size);
    EXPECT_NE(m_view, nullptr) << OffscreenGLView::lastError();
    if (!m_view) return nullptr;
    m_view->retain();
    cocos2d::Director* director = cocos2d::Director::getInstance();
    director->setOpenGLView(m_view);
    m_view->setDesignResolutionSize(size, size, ResolutionPolicy::EXACT_FIT);
    cocos2d::Scene* scene = cocos2d::Scene::create();
    director->runWithScene(scene);
    return scene;
}

void GuiParticleFixture::use(ParticleSystem2DEditor* object) {
    SelectionManager::getInstance()->clearSelection();
    if (m_object) m_object->release();
    m_object = object;
    ASSERT_NE(object, nullptr);
    object->retain();
    object->propertyPage = m_page;
    SelectionManager::getInstance()->select(object);
}

wxPGProperty* GuiParticleFixture::property(const wxString& fullName) const {
    return m_page->GetPropertyByName(fullName);
}

bool GuiParticleFixture::edit(const wxString& fullName, const wxVariant& value) {
    wxPGProperty* p = property(fullName);
    if (!p) return false;
    const bool changed = grid()->ChangePropertyValue(p, value);
    // The grid deletes rows removed during its own event when idle, as the
    // event loop would let it right after the edit.
    wxTheApp->ProcessIdle();
    return changed;
}

std::vector<std::string> GuiParticleFixture::childNames(const wxString& fullName) const {
    std::vector<std::string> names;
    wxPGProperty* p = property(fullName);
    if (!p) return names;
    for (unsigned int i = 0; i < p->GetChildCount(); ++i) names.push_back(p->Item(i)->GetName().ToStdString());
    return names;
}
