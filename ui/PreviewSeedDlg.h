// The preview's random-seed dialog: a new random stream on every replay, or one fixed seed.
#pragma once

#include <wx/dialog.h>

#include <optional>

class wxRadioButton;
class wxSpinCtrl;

class PreviewSeedDlg : public wxDialog {
public:
    // The id and style arguments are ignored (any id, the default dialog style).
    PreviewSeedDlg(wxWindow* parent, wxWindowID id = wxID_ANY, const wxString& title = wxEmptyString,
                   const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                   long style = wxDEFAULT_DIALOG_STYLE);

    // Shows the choice: none is "每次重播随机".
    void setSeed(std::optional<unsigned> seed);
    std::optional<unsigned> seed() const;

    wxRadioButton* m_radioRandom = nullptr;
    wxRadioButton* m_radioFixed = nullptr;
    wxSpinCtrl* m_spinSeed = nullptr;

private:
    void OnChoice(wxCommandEvent& event);

    wxDECLARE_EVENT_TABLE();
};
