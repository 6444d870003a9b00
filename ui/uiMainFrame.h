// Layout of the main window: menu bar, status bar and toolbar, and pointers to them; no behaviour.
#pragma once

#include <wx/frame.h>

class wxAuiToolBar;
class wxAuiToolBarItem;
class wxMenu;
class wxMenuBar;
class wxMenuItem;
class wxStatusBar;

class uiMainFrame : public wxFrame {
public:
    // parent, id and style are not used: the main window is always a
    // top-level frame with the default frame style.
    uiMainFrame(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& pos = wxDefaultPosition,
                const wxSize& size = wxSize(1280, 1000), long style = wxDEFAULT_FRAME_STYLE | wxTAB_TRAVERSAL);
    ~uiMainFrame() override = default;

protected:
    // Owned by the window hierarchy.
    wxMenuBar* m_menubar = nullptr;
    wxMenu* m_menuFile = nullptr;
    wxMenuItem* m_menuItemNew = nullptr;
    wxMenuItem* m_menuItemOpen = nullptr;
    wxMenuItem* m_menuItemSave = nullptr;
    wxMenuItem* m_menuItemSaveAs = nullptr;
    wxMenuItem* m_menuItemClose = nullptr;
    wxMenu* m_menuRecentFiles = nullptr;
    wxMenu* m_menuEdit = nullptr;
    wxMenu* m_menuCreate = nullptr;
    wxMenu* m_menuCreateFromExample = nullptr;
    wxMenu* m_menuPreview = nullptr;
    wxMenu* m_menuSpeed = nullptr;
    wxMenu* m_menuMotion = nullptr;
    wxMenu* m_menuSettings = nullptr;
    wxMenu* m_menuWindow = nullptr;
    wxMenuItem* m_menuItemObjectPane = nullptr;
    wxMenuItem* m_menuItemPropertyPane = nullptr;
    wxMenuItem* m_menuItemToolbar = nullptr;
    wxMenu* m_menuHelp = nullptr;
    wxStatusBar* m_statusBar = nullptr;
    wxAuiToolBar* m_toolBar = nullptr;
    wxAuiToolBarItem* m_toolNew = nullptr;
    wxAuiToolBarItem* m_toolOpen = nullptr;
    wxAuiToolBarItem* m_toolSave = nullptr;
    wxAuiToolBarItem* m_toolSaveAs = nullptr;
    wxAuiToolBarItem* m_toolUndo = nullptr;
    wxAuiToolBarItem* m_toolRedo = nullptr;
    wxAuiToolBarItem* m_toolNewParticle = nullptr;
    wxAuiToolBarItem* m_toolDelete = nullptr;
    wxAuiToolBarItem* m_toolReplay = nullptr;
    wxAuiToolBarItem* m_toolPause = nullptr;
    wxAuiToolBarItem* m_toolStep = nullptr;
    wxAuiToolBarItem* m_toolSpeed = nullptr;

private:
    struct MenuRow;
    struct MenuTable;
    struct ToolRow;
    wxMenu* buildMenu(const MenuTable& table);
};
