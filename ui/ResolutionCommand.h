// The "设置分辨率" command: ask for the design size, lay the view out for it and store it.
#pragma once

class EngineHost;
class wxAuiManager;
class wxWindow;

// Shows the design-resolution dialog over `parent` with the host's design
// size. On OK the host takes the new size, the view and the panes are laid
// out again and "DesignWidth"/"DesignHeight" are saved. True on OK.
bool ChangeDesignResolution(wxWindow* parent, EngineHost& host, wxAuiManager& panes);
