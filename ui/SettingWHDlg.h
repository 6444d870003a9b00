// The design-resolution dialog: two whole numbers, width and height, with OK and close.
#pragma once

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>

class SettingWHDlg : public wxDialog {
public:
    // The id and style arguments are ignored (any id, the default dialog
    // style). The caller sets and reads the two fields directly.
    SettingWHDlg(wxWindow* parent, wxWindowID id = wxID_ANY, const wxString& title = wxEmptyString,
                 const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxSize(309, 159),
                 long style = wxDEFAULT_DIALOG_STYLE);

    // OK with a width or height of 0 says why and keeps the dialog open: the
    // engine view cannot lay out an empty design area.
    bool Validate() override;

    wxStaticText* m_staticTextWidth = nullptr;
    wxStaticText* m_staticTextHeight = nullptr;
    wxSpinCtrl* m_spinWidth = nullptr;
    wxSpinCtrl* m_spinHeight = nullptr;
    wxButton* m_buttonOK = nullptr;
    wxButton* m_buttonClose = nullptr;
};
