// The random-seed dialog's controls: two choices, the seed's field (enabled only for a fixed seed), OK and cancel.
#include "ui/PreviewSeedDlg.h"

#include <wx/button.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>

#include <climits>

PreviewSeedDlg::PreviewSeedDlg(wxWindow* parent, wxWindowID, const wxString& title, const wxPoint& pos,
                               const wxSize& size, long)
    : wxDialog(parent, wxID_ANY, title, pos, size, wxDEFAULT_DIALOG_STYLE) {
    auto* column = new wxBoxSizer(wxVERTICAL);
    m_radioRandom = new wxRadioButton(this, wxID_ANY, wxGetTranslation(wxString::FromUTF8("每次重播随机")),
                                      wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
    column->Add(m_radioRandom, 0, wxALL, 8);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    m_radioFixed = new wxRadioButton(this, wxID_ANY, wxGetTranslation(wxString::FromUTF8("固定种子")));
    row->Add(m_radioFixed, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
    // The C library's seeds of a 31-bit generator.
    m_spinSeed =
        new wxSpinCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS, 0, INT_MAX, 0);
    row->Add(m_spinSeed, 1, wxALIGN_CENTER_VERTICAL);
    column->Add(row, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* ok = new wxButton(this, wxID_OK, wxGetTranslation(wxString::FromUTF8("确定")));
    ok->SetDefault();
    buttons->Add(ok, 0, wxRIGHT, 8);
    buttons->Add(new wxButton(this, wxID_CANCEL, wxGetTranslation(wxString::FromUTF8("取消"))));
    column->Add(buttons, 0, wxALIGN_RIGHT | wxALL, 8);
    SetSizerAndFit(column);
    setSeed(std::nullopt);
    Centre();
}

void PreviewSeedDlg::setSeed(std::optional<unsigned> seed) {
    m_radioRandom->SetValue(!seed);
    m_radioFixed->SetValue(seed.has_value());
    if (seed) m_spinSeed->SetValue(static_cast<int>(*seed & INT_MAX));
    m_spinSeed->Enable(seed.has_value());
}

std::optional<unsigned> PreviewSeedDlg::seed() const {
    if (!m_radioFixed->GetValue()) return std::nullopt;
    return static_cast<unsigned>(m_spinSeed->GetValue());
}

void PreviewSeedDlg::OnChoice(wxCommandEvent&) {
    m_spinSeed->Enable(m_radioFixed->GetValue());
}

// clang-format off
wxBEGIN_EVENT_TABLE(PreviewSeedDlg, wxDialog)
    EVT_RADIOBUTTON(wxID_ANY, PreviewSeedDlg::OnChoice)
wxEND_EVENT_TABLE()
