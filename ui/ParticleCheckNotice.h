// The notice above the view that says where the game will show an opened or saved particle file differently.
#pragma once

#include <wx/panel.h>
#include <wx/string.h>

#include <map>
#include <string>

class wxAuiManager;
class wxButton;
class wxFrame;
class wxStaticText;

// A pane along the top of the main window, hidden while there is nothing to
// say. It holds the findings of the last checked file until the user closes
// it; the status bar keeps a one-line summary for whichever checked file the
// selected object belongs to.
class ParticleCheckNotice : public wxPanel {
public:
    static const wxString kPaneName;

    // Adds itself to mgr as a hidden pane.
    ParticleCheckNotice(wxWindow* parent, wxAuiManager& mgr);

    // Checks the particle plist at path the way the game will load it and
    // shows the findings; a clean file hides the notice.
    void checkFile(const wxString& path);

    // Shows in frame's status bar the summary of the file at selectedPath
    // (empty: nothing selected or an object with no file); only writes the
    // status bar when the text changes.
    void showSummaryFor(wxFrame* frame, const wxString& selectedPath);

    bool isShownAsPane() const;
    const wxString& message() const { return m_message; }
    wxButton* closeButton() const { return m_close; }

private:
    void OnClose(wxCommandEvent& event);
    void showPane(bool show);

    wxAuiManager& m_mgr;
    wxStaticText* m_text = nullptr;
    wxButton* m_close = nullptr;
    wxString m_message;
    std::map<wxString, wxString> m_summaries; // by file path
    wxString m_statusText;                    // what the status bar shows now

    wxDECLARE_EVENT_TABLE();
};
