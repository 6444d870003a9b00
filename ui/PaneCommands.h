// The "窗口" entries and the pane menu: bring back a pane that was closed.
#pragma once

class wxAuiManager;
class wxWindow;

namespace PaneCommands {

// Shows the pane of `window` when it is hidden and lays the panes out again.
// A visible pane is left exactly as it is. True when a pane was shown.
bool showPane(wxAuiManager& panes, wxWindow* window);

} // namespace PaneCommands
