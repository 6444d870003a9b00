// The toolkit's message boxes and default browser behind UpdatePrompts.
#include "app/UpdatePrompts.h"

#include <wx/msgdlg.h>
#include <wx/translation.h>
#include <wx/utils.h>

namespace {

wxWindow* g_parent = nullptr;

class ToolkitPrompts : public UpdatePrompts {
public:
    bool AskYesNo(const wxString& message) override {
        return wxMessageBox(message, wxGetTranslation(wxString::FromUTF8("提示")), wxYES_NO, g_parent) == wxYES;
    }
    void Notify(const wxString& message) override {
        wxMessageBox(message, wxGetTranslation(wxString::FromUTF8("提示")), wxOK | wxCENTRE, g_parent);
    }
    void OpenBrowser(const wxString& url) override { wxLaunchDefaultBrowser(url); }
};

ToolkitPrompts g_toolkitPrompts;
UpdatePrompts* g_prompts = &g_toolkitPrompts;

} // namespace

UpdatePrompts& CurrentUpdatePrompts() {
    return *g_prompts;
}

void SetUpdatePrompts(UpdatePrompts* prompts) {
    g_prompts = prompts ? prompts : &g_toolkitPrompts;
}

void SetUpdatePromptsParent(wxWindow* parent) {
    g_parent = parent;
}
