// What a document command asks the user for when it needs a path: the chooser's message, filters and style.
#pragma once

#include <wx/string.h>

#include <functional>

class wxWindow;

struct FileRequest {
    wxString message;
    wxString wildcard;
    long style = 0;
};

// Answers a request with the chosen path, or an empty string when the user cancelled.
using AskPath = std::function<wxString(const FileRequest&)>;

// The toolkit's file chooser, modal over parent.
wxString AskPathWithChooser(wxWindow* parent, const FileRequest& request);
