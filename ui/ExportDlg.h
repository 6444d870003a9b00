// The "导出动画" dialog: format, size, timing, background, seed and the format's own settings of one export.
#pragma once

#include "ui/ExportOptions.h"

#include <wx/dialog.h>

class wxCheckBox;
class wxChoice;
class wxColourPickerCtrl;
class wxSlider;
class wxSpinCtrl;
class wxSpinCtrlDouble;
class wxStaticText;

class ExportDlg : public wxDialog {
public:
    // `options` as the dialog opens with them: size, duration and seed filled in.
    ExportDlg(wxWindow* parent, const ExportOptions& options);

    // The choices as they stand.
    ExportOptions options() const;

    wxChoice* m_format = nullptr;
    wxSpinCtrl* m_width = nullptr;
    wxSpinCtrl* m_height = nullptr;
    wxCheckBox* m_centred = nullptr;
    wxSpinCtrl* m_fps = nullptr;
    wxSpinCtrlDouble* m_seconds = nullptr;
    wxSpinCtrlDouble* m_warmup = nullptr;
    wxChoice* m_background = nullptr;
    wxSpinCtrl* m_seed = nullptr;
    wxCheckBox* m_lossy = nullptr;
    wxSlider* m_quality = nullptr;
    wxStaticText* m_gifNote = nullptr;
    wxColourPickerCtrl* m_matte = nullptr;

private:
    // Only the chosen format's own settings can be changed.
    void showFormatSettings();
};
