// The editor's main window: wires the layout, the engine host, the panes and the commands together.
#pragma once

#include "ui/AddWorkPathDlg.h"
#include "ui/AnimationExport.h"
#include "ui/DocumentCommands.h"
#include "ui/EngineHost.h"
#include "ui/uiMainFrame.h"

#include "editor/SceneDocument.h"

#include <wx/aui/framemanager.h>

#include <memory>
#include <vector>

class ObjectTree;
class RecentFiles;
class ParticleCheckNotice;
class PreviewCommands;
class wxAuiToolBarEvent;
class wxGLViewImpl;
class wxPropertyGridEvent;
class wxPropertyGridManager;

class MainFrame : public uiMainFrame {
public:
    explicit MainFrame(wxWindow* parent);
    ~MainFrame() override;

    // The close sequence: no frame after it starts, director purged, view
    // released, timer stopped, delegate deleted.
    bool Destroy() override;

    // Fits the design area into the engine view, at most 1:1, centred.
    void LayoutEngineView() { m_host.layoutView(); }

    wxGLViewImpl* engineView() const { return m_host.view(); }
    EngineHost& engineHost() { return m_host; }
    DocumentCommands& documents() { return m_documents; }
    SceneDocument& sceneDocument() { return m_document; }
    // Opens the files named on the command line, in order, once the window
    // is on screen (a file that fails is reported over it).
    void openAtStart(const std::vector<wxString>& paths);
    wxAuiManager& paneManager() { return m_mgr; }
    wxPropertyGridManager* propertyGridManager() const { return m_pgManager; }
    ObjectTree* objectTree() const { return m_objectTree; }
    wxMenu* paneMenu() const { return m_paneMenu; }
    ParticleCheckNotice* particleCheckNotice() const { return m_checkNotice; }
    RecentFiles& recentFiles() { return *m_recentFiles; }
    AddWorkPathDlg& workPathDialog() { return m_addWorkPathDlg; }
    AnimationExport& animationExport() { return m_export; }
    PreviewCommands& preview() { return *m_preview; }

private:
    void fillCreationMenus();
    void addPanes();
    void addPropertyPane();

    // ---- commands ----
    void OnContextMenu(wxContextMenuEvent& event);
    void OnNew(wxCommandEvent& event);
    void OnOpen(wxCommandEvent& event);
    void OnSave(wxCommandEvent& event);
    void OnSaveAs(wxCommandEvent& event);
    void OnExportAnimation(wxCommandEvent& event);
    void OnUpdateExportAnimation(wxUpdateUIEvent& event);
    void OnRecentFile(wxCommandEvent& event);
    void OnExit(wxCommandEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnCreate(wxCommandEvent& event);
    void OnCreateFromExample(wxCommandEvent& event);
    void OnDelete(wxCommandEvent& event);
    void OnUndo(wxCommandEvent& event);
    void OnRedo(wxCommandEvent& event);
    // Toolbar tools and the title follow the history and the saved marks.
    void showEditState();
    void OnReplay(wxCommandEvent& event);
    void OnPreview(wxCommandEvent& event);
    void OnSpeedChoices(wxAuiToolBarEvent& event);
    void OnPropertyChanged(wxPropertyGridEvent& event);
    void OnShowPane(wxCommandEvent& event);
    void OnSetResolution(wxCommandEvent& event);
    void OnAddWorkPath(wxCommandEvent& event);
    void OnHelp(wxCommandEvent& event);
    void OnCheckUpdate(wxCommandEvent& event);
    void OnAbout(wxCommandEvent& event);

    // ---- engine host ----
    void OnFrameTimer(wxTimerEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnMenuHighlight(wxMenuEvent& event);
    // Keys for objects and the preview (Delete, Space, Period) act only where
    // objects have the focus: the view and the tree, never the grid.
    bool objectsHaveFocus() const;

    wxAuiManager m_mgr;
    // Built before the engine starts, so that the stored work paths come
    // before "./res/" in the engine's search paths.
    AddWorkPathDlg m_addWorkPathDlg;
    EngineHost m_host;
    SceneDocument m_document;
    DocumentCommands m_documents;
    AnimationExport m_export;
    std::unique_ptr<RecentFiles> m_recentFiles;
    wxPropertyGridManager* m_pgManager = nullptr;
    ObjectTree* m_objectTree = nullptr;
    wxMenu* m_paneMenu = nullptr; // owned: attached to no menu bar
    ParticleCheckNotice* m_checkNotice = nullptr;
    // Files of the command line, opened once the window is on screen.
    std::vector<wxString> m_startFiles;
    bool m_startedUp = false;
    std::unique_ptr<PreviewCommands> m_preview;

    wxDECLARE_EVENT_TABLE();
};
