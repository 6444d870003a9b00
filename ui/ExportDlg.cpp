// The export dialog's rows, built from one label per row; the format's own rows follow the chosen format.
#include "ui/ExportDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/clrpicker.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/translation.h>

#include <climits>

namespace {

// The largest frame side the render takes.
const int kLargestSide = 8192;

wxArrayString Choices(std::initializer_list<wxString> texts) {
    wxArrayString out;
    for (const wxString& t : texts) out.Add(t);
    return out;
}

} // namespace

ExportDlg::ExportDlg(wxWindow* parent, const ExportOptions& o)
    : wxDialog(parent, wxID_ANY, wxGetTranslation(wxString::FromUTF8("导出动画")), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE) {
    auto* grid = new wxFlexGridSizer(2, wxSize(8, 6));
    grid->AddGrowableCol(1);
    auto row = [&](const wxString& label, wxSizer* content) {
        grid->Add(new wxStaticText(this, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL);
        grid->Add(content, 1, wxEXPAND);
    };
    auto one = [&](wxWindow* w) {
        auto* s = new wxBoxSizer(wxHORIZONTAL);
        s->Add(w, 1, wxALIGN_CENTER_VERTICAL);
        return s;
    };

    m_format = new wxChoice(
        this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
        Choices({wxGetTranslation(wxString::FromUTF8("PNG 序列帧")),
                 wxGetTranslation(wxString::FromUTF8("精灵表 (PNG + JSON)")),
                 wxGetTranslation(wxString::FromUTF8("WebP 动画")), wxGetTranslation(wxString::FromUTF8("GIF 动画"))}));
    m_format->SetSelection(static_cast<int>(o.format));
    row(wxGetTranslation(wxString::FromUTF8("格式")), one(m_format));
    m_gifNote =
        new wxStaticText(this, wxID_ANY, wxGetTranslation(wxString::FromUTF8("GIF 不支持半透明，边缘可能有锯齿")));
    row(wxString(), one(m_gifNote));

    m_width = new wxSpinCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS, 1,
                             kLargestSide, o.width);
    m_height = new wxSpinCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS, 1,
                              kLargestSide, o.height);
    m_centred = new wxCheckBox(this, wxID_ANY, wxGetTranslation(wxString::FromUTF8("居中")));
    m_centred->SetValue(o.centred);
    auto* size = new wxBoxSizer(wxHORIZONTAL);
    size->Add(m_width, 1, wxALIGN_CENTER_VERTICAL);
    size->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(" × ")), 0, wxALIGN_CENTER_VERTICAL);
    size->Add(m_height, 1, wxALIGN_CENTER_VERTICAL);
    size->Add(m_centred, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 8);
    row(wxGetTranslation(wxString::FromUTF8("尺寸")), size);

    m_fps =
        new wxSpinCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS, 1, 120, o.fps);
    row(wxGetTranslation(wxString::FromUTF8("帧率")), one(m_fps));
    m_seconds = new wxSpinCtrlDouble(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS,
                                     0.01, 600, o.seconds, 0.1);
    m_seconds->SetDigits(2);
    row(wxGetTranslation(wxString::FromUTF8("时长")), one(m_seconds));
    m_warmup = new wxSpinCtrlDouble(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS, 0,
                                    600, o.warmup, 0.1);
    m_warmup->SetDigits(2);
    row(wxGetTranslation(wxString::FromUTF8("预热")), one(m_warmup));
    m_background = new wxChoice(
        this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
        Choices({wxGetTranslation(wxString::FromUTF8("透明")), wxGetTranslation(wxString::FromUTF8("黑色")),
                 wxGetTranslation(wxString::FromUTF8("当前背景"))}));
    m_background->SetSelection(static_cast<int>(o.background));
    row(wxGetTranslation(wxString::FromUTF8("背景")), one(m_background));
    m_seed = new wxSpinCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS, 0,
                            INT_MAX, static_cast<int>(std::min<unsigned>(o.seed.value_or(1), INT_MAX)));
    row(wxGetTranslation(wxString::FromUTF8("随机种子")), one(m_seed));

    m_lossy = new wxCheckBox(this, wxID_ANY, wxGetTranslation(wxString::FromUTF8("有损压缩")));
    m_lossy->SetValue(o.lossy);
    m_quality = new wxSlider(this, wxID_ANY, o.quality, 0, 100, wxDefaultPosition, wxSize(160, -1),
                             wxSL_HORIZONTAL | wxSL_VALUE_LABEL);
    auto* quality = new wxBoxSizer(wxHORIZONTAL);
    quality->Add(m_lossy, 0, wxALIGN_CENTER_VERTICAL);
    quality->Add(m_quality, 1, wxALIGN_CENTER_VERTICAL | wxLEFT, 8);
    row(wxGetTranslation(wxString::FromUTF8("质量")), quality);
    m_matte = new wxColourPickerCtrl(this, wxID_ANY, wxColour(o.matte[0], o.matte[1], o.matte[2]));
    row(wxGetTranslation(wxString::FromUTF8("边缘底色")), one(m_matte));

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* ok = new wxButton(this, wxID_OK, wxGetTranslation(wxString::FromUTF8("导出…")));
    buttons->Add(ok, 0, wxALL, 4);
    buttons->Add(new wxButton(this, wxID_CANCEL, wxGetTranslation(wxString::FromUTF8("取消"))), 0, wxALL, 4);
    ok->SetDefault();

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(grid, 1, wxEXPAND | wxALL, 10);
    top->Add(buttons, 0, wxALIGN_RIGHT | wxRIGHT | wxBOTTOM, 6);
    SetSizer(top);

    m_format->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { showFormatSettings(); });
    m_lossy->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { showFormatSettings(); });
    m_background->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { showFormatSettings(); });
    showFormatSettings();
    m_format->SetFocus();
}

void ExportDlg::showFormatSettings() {
    const auto format = static_cast<ExportFormat>(m_format->GetSelection());
    const bool gif = format == ExportFormat::Gif;
    m_lossy->Enable(format == ExportFormat::Webp);
    m_quality->Enable(format == ExportFormat::Webp && m_lossy->GetValue());
    m_gifNote->Show(gif);
    // The matte colour matters only where edges meet a transparent background.
    m_matte->Enable(gif && m_background->GetSelection() == static_cast<int>(ExportBackground::Transparent));
    GetSizer()->SetSizeHints(this);
    Layout();
}

ExportOptions ExportDlg::options() const {
    ExportOptions o;
    o.format = static_cast<ExportFormat>(m_format->GetSelection());
    o.width = m_width->GetValue();
    o.height = m_height->GetValue();
    o.centred = m_centred->GetValue();
    o.fps = m_fps->GetValue();
    o.seconds = m_seconds->GetValue();
    o.warmup = m_warmup->GetValue();
    o.background = static_cast<ExportBackground>(m_background->GetSelection());
    o.seed = static_cast<unsigned>(m_seed->GetValue());
    o.lossy = m_lossy->GetValue();
    o.quality = m_quality->GetValue();
    const wxColour matte = m_matte->GetColour();
    o.matte[0] = matte.Red();
    o.matte[1] = matte.Green();
    o.matte[2] = matte.Blue();
    return o;
}
