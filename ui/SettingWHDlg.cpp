// The design-resolution dialog: its controls, their ranges and layout, and the refusal of 0.
#include "ui/SettingWHDlg.h"

#include <wx/msgdlg.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/translation.h>

#include <algorithm>

namespace {
constexpr int kLargest = 99999;

constexpr int kFieldWidth = 70;

// 70 pixels is the field's width where a spin control's arrows are drawn
// inside the text; a GTK spin button puts two full-size buttons beside its
// text and needs more, or its arrows are squeezed out of reach.
wxSpinCtrl* MakeField(wxWindow* parent) {
    auto* field = new wxSpinCtrl(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(kFieldWidth, -1),
                                 wxSP_ARROW_KEYS, 0, kLargest, 0, "wxSpinCtrl");
    field->SetInitialSize(wxSize(-1, -1));
    int width = std::max(kFieldWidth, field->GetBestSize().x);
    field->SetInitialSize(wxSize(width, -1));
    return field;
}
} // namespace

SettingWHDlg::SettingWHDlg(wxWindow* parent, wxWindowID, const wxString& title, const wxPoint& pos, const wxSize& size,
                           long)
    : wxDialog(parent, wxID_ANY, title, pos, size, wxDEFAULT_DIALOG_STYLE) {
    SetSizeHints(wxDefaultSize, wxDefaultSize);
    SetForegroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWFRAME));

    auto* column = new wxBoxSizer(wxVERTICAL);

    auto* box = new wxStaticBoxSizer(new wxStaticBox(this, wxID_ANY, wxGetTranslation(wxString::FromUTF8("分辨率"))),
                                     wxHORIZONTAL);
    wxStaticBox* frame = box->GetStaticBox();
    m_staticTextWidth = new wxStaticText(frame, wxID_ANY, "width");
    m_staticTextWidth->Wrap(-1);
    box->Add(m_staticTextWidth, 0, wxALIGN_CENTER | wxALL, 5);
    m_spinWidth = MakeField(frame);
    box->Add(m_spinWidth, 0, wxALIGN_CENTER | wxALL, 5);
    m_staticTextHeight = new wxStaticText(frame, wxID_ANY, "height");
    m_staticTextHeight->Wrap(-1);
    box->Add(m_staticTextHeight, 0, wxALIGN_CENTER_VERTICAL | wxALL, 5);
    m_spinHeight = MakeField(frame);
    box->Add(m_spinHeight, 0, wxALIGN_CENTER_VERTICAL | wxALL, 5);
    column->Add(box, 1, wxFIXED_MINSIZE | wxALIGN_CENTER | wxALL, 5);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    m_buttonOK = new wxButton(this, wxID_OK, wxGetTranslation(wxString::FromUTF8("确定")));
    m_buttonOK->SetDefault();
    buttons->Add(m_buttonOK, 0, wxALIGN_CENTER_VERTICAL, 5);
    buttons->Add(30, 0, 1, wxEXPAND, 5);
    m_buttonClose = new wxButton(this, wxID_CANCEL, wxGetTranslation(wxString::FromUTF8("关闭")));
    buttons->Add(m_buttonClose, 0, wxALIGN_CENTER_VERTICAL | wxALL, 5);
    column->Add(buttons, 1, wxALIGN_BOTTOM | wxALIGN_CENTER_HORIZONTAL | wxBOTTOM, 5);

    SetSizer(column);
    // Grown only when the controls need more than the caller's size.
    wxSize grown = GetSize();
    grown.IncTo(GetBestSize());
    SetSize(grown);
    Layout();
    Centre(wxHORIZONTAL);
}

bool SettingWHDlg::Validate() {
    if (m_spinWidth->GetValue() <= 0 || m_spinHeight->GetValue() <= 0) {
        wxMessageBox(wxGetTranslation(wxString::FromUTF8("设计分辨率的宽和高必须大于0！")),
                     wxGetTranslation(wxString::FromUTF8("提示")), wxOK | wxCENTRE, this);
        return false;
    }
    return wxDialog::Validate();
}
