// Bringing back a closed pane through the docking manager.
#include "ui/PaneCommands.h"

#include <wx/aui/framemanager.h>

namespace PaneCommands {

bool showPane(wxAuiManager& panes, wxWindow* window) {
    if (!window) return false;
    wxAuiPaneInfo& pane = panes.GetPane(window);
    if (!pane.IsOk() || pane.IsShown()) return false;
    pane.Show();
    panes.Update();
    return true;
}

} // namespace PaneCommands
