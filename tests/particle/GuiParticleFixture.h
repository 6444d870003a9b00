// Test fixture: a particle object selected onto a real property grid, edits going the main window's way.
#pragma once

#include "GuiGridFixture.h"

#include <wx/dialog.h>
#include <wx/modalhook.h>
#include <wx/variant.h>

#include <string>
#include <vector>

class ParticleSystem2DEditor;
class OffscreenGLView;

namespace cocos2d {
class Scene;
}

// Answers every modal dialog (message boxes) at once with OK, as a user
// would, and records its title and message.
class MessageCatcher : public wxModalDialogHook {
public:
    struct Box {
        wxString title;
        wxString message;
    };
    std::vector<Box> boxes;

protected:
    int Enter(wxDialog* dialog) override;
    void Exit(wxDialog*) override {}
};

class GuiParticleFixture : public GuiGridFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // Replaces the object under test (released at the end) and selects it.
    void use(ParticleSystem2DEditor* object);
    // The property with this full name ("emitterType.speed"), or null.
    wxPGProperty* property(const wxString& fullName) const;
    // Commits a new value through the grid, which reports it as a change.
    bool edit(const wxString& fullName, const wxVariant& value);
    // Full names of the children of a property, in order.
    std::vector<std::string> childNames(const wxString& fullName) const;

    // Runs an empty scene in an offscreen view of size x size pixels, one per
    // design point (the view is released after the director's purge).
    cocos2d::Scene* runOffscreen(int size);

    ParticleSystem2DEditor* m_object = nullptr;
    OffscreenGLView* m_view = nullptr;
    MessageCatcher m_messages;
    bool m_hooked = false;
};
