// What the update check and help commands show and open, replaceable so that their decisions can be checked.
#pragma once

#include <wx/string.h>

class wxWindow;

class UpdatePrompts {
public:
    virtual ~UpdatePrompts() = default;
    // Yes/No box with the caption "提示"; true for Yes.
    virtual bool AskYesNo(const wxString& message) = 0;
    // Message box with the caption "提示".
    virtual void Notify(const wxString& message) = 0;
    virtual void OpenBrowser(const wxString& url) = 0;
};

// Message boxes and the default browser unless replaced.
UpdatePrompts& CurrentUpdatePrompts();
// Null restores the default; the caller keeps ownership.
void SetUpdatePrompts(UpdatePrompts* prompts);

// The window the toolkit's boxes belong to (modal to it, kept above it);
// null for none.
void SetUpdatePromptsParent(wxWindow* parent);
