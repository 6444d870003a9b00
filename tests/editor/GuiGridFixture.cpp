// Test fixture: a real property-grid manager with one "Properties" page in a hidden frame.
#include "GuiGridFixture.h"

#include "editor/PropertyExtention.h"

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/init.h>
#include <wx/textctrl.h>

#include <cstdlib>
#include <string>

namespace {
bool g_started = false;

// Shuts the toolkit down after the last test of the process.
class ToolkitEnvironment : public ::testing::Environment {
public:
    void TearDown() override {
        if (g_started) wxEntryCleanup();
        g_started = false;
    }
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new ToolkitEnvironment);
}

// Starts the toolkit the first time; a failure is returned as text so each
// test fails loudly instead of being skipped.
std::string GuiGridFixture::startToolkit() {
    if (g_started) return std::string();
    if (!std::getenv("DISPLAY")) return "GUI tests need an X display (run them under xvfb-run)";
    // As the application does: GTK must use X11 even on a Wayland desktop.
    setenv("GDK_BACKEND", "x11", 0);
    static int argc = 1;
    static char name[] = "editor_tests";
    static char* argv[] = {name, nullptr};
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv)) return "the toolkit did not start";
    g_started = true;
    if (!wxTheApp->CallOnInit()) return "the application object did not initialise";
    RegisterPropertyExtensions();
    return std::string();
}

void GuiGridFixture::SetUp() {
    static const std::string failure = startToolkit();
    ASSERT_TRUE(failure.empty()) << failure;
    m_frame = new wxFrame(nullptr, wxID_ANY, wxS("grid test"), wxDefaultPosition, wxSize(500, 700));
    m_manager = new wxPropertyGridManager(m_frame, wxID_ANY, wxDefaultPosition, wxSize(500, 700),
                                          wxPG_SPLITTER_AUTO_CENTER | wxPG_DESCRIPTION);
    m_page = m_manager->AddPage(wxS("Properties"));
    m_manager->SelectPage(m_page);
    m_node.propertyPage = m_page;
    m_manager->Bind(wxEVT_PG_CHANGED, [this](wxPropertyGridEvent& event) {
        wxPGProperty* property = event.GetProperty();
        m_changes.push_back(
            {property, property ? property->GetName() : wxString(), property ? property->GetValue() : wxVariant()});
        event.Skip();
    });
}

void GuiGridFixture::TearDown() {
    if (m_frame) {
        m_frame->Destroy();
        wxTheApp->ProcessIdle();
    }
    EXPECT_TRUE(m_asserts.messages().empty()) << "toolkit assertion: " << m_asserts.messages().front();
}

bool GuiGridFixture::typeInto(wxPGProperty* property, const wxString& text) {
    if (!grid()->SelectProperty(property, true)) return false;
    auto* editor = wxDynamicCast(grid()->GetEditorControl(), wxTextCtrl);
    if (!editor) return false;
    editor->SetValue(text);
    return grid()->CommitChangesFromEditor();
}
