// The design-resolution command: dialog, re-layout and the two configuration keys.
#include "ui/ResolutionCommand.h"

#include "app/EditorConfig.h"
#include "ui/WriteFailure.h"
#include "ui/EngineHost.h"
#include "ui/SettingWHDlg.h"

#include <wx/aui/framemanager.h>

bool ChangeDesignResolution(wxWindow* parent, EngineHost& host, wxAuiManager& panes) {
    SettingWHDlg dialog(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(309, 159));
    dialog.m_spinWidth->SetValue(host.designWidth());
    dialog.m_spinHeight->SetValue(host.designHeight());
    if (dialog.ShowModal() != wxID_OK) return false;

    const int height = dialog.m_spinHeight->GetValue();
    const int width = dialog.m_spinWidth->GetValue();
    host.setDesignSize(width, height);
    host.layoutView();
    panes.Update();

    StoreConfigChange(parent, DesignSizeChange(width, height));
    return true;
}
