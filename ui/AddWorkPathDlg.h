// The work-path dialog: the user's extra resource directories, kept in "WorkPathes" and handed to the engine.
#pragma once

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/listbox.h>

#include <functional>

class AddWorkPathDlg : public wxDialog {
public:
    // The id and style arguments are ignored: the dialog is always id 1000
    // with the default dialog style. Restores the stored work paths into the
    // engine's search paths.
    AddWorkPathDlg(wxWindow* parent, wxWindowID id = wxID_ANY, const wxString& title = wxEmptyString,
                   const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxSize(358, 256),
                   long style = wxDEFAULT_DIALOG_STYLE);

    // Adds a directory as the chooser returns it: refused when it does not
    // exist or is listed already. Returns whether it was added.
    bool AddWorkPath(const wxString& path);
    // Removes the selected entry from the list, the engine and the file.
    bool DeleteSelectedWorkPath();

    // How "添加" asks for a directory: the toolkit's directory chooser unless
    // replaced. An empty answer is a cancel.
    using AskDirectory = std::function<wxString(wxWindow* parent)>;
    void setAskDirectory(AskDirectory ask) { m_askDirectory = std::move(ask); }

    wxListBox* m_listWorkPaths = nullptr;
    wxButton* m_buttonAdd = nullptr;
    wxButton* m_buttonDelete = nullptr;

protected:
    virtual void OnAdd(wxCommandEvent& event);
    virtual void OnDelete(wxCommandEvent& event);

private:
    void RestoreStoredPaths();
    // Where the chooser opens: the newest entry while it exists, else the
    // working directory.
    wxString chooserStart() const;

    AskDirectory m_askDirectory;

    wxDECLARE_EVENT_TABLE();
};
