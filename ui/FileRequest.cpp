// The toolkit's file chooser answering a document command's request for a path.
#include "ui/FileRequest.h"

#include <wx/filedlg.h>

wxString AskPathWithChooser(wxWindow* parent, const FileRequest& request) {
    wxFileDialog dialog(parent, request.message, wxEmptyString, wxEmptyString, request.wildcard, request.style);
    if (dialog.ShowModal() != wxID_OK) return wxString();
    return dialog.GetPath();
}
