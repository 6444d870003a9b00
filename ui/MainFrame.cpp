// The editor's main window: construction order, the panes, the event table and the close sequence.
#include "ui/MainFrame.h"

#include "editor/FilePathBytes.h"
#include "editor/ObjectTree.h"
#include "editor/PropertyValue.h"
#include "editor/SelectionManager.h"
#include "app/UpdateCheck.h"
#include "ui/AboutDlg.h"
#include "ui/ClosePrompt.h"
#include "ui/CrashRecovery.h"
#include "ui/CreationCommands.h"
#include "ui/MainFrameIds.h"
#include "ui/MenuAccelerators.h"
#include "ui/PaneCommands.h"
#include "ui/RecentFiles.h"
#include "ui/ViewDropTarget.h"
#include "ui/ParticleCheckNotice.h"
#include "ui/PreviewCommands.h"
#include "ui/ResolutionCommand.h"
#include "view/wxCCGLViewImpl.h"

#include "network/HttpClient.h"

#include <wx/artprov.h>
#include <wx/aui/auibar.h>
#include <wx/icon.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/propgrid/manager.h>
#include <wx/sizer.h>
#include <wx/stockitem.h>
#include <wx/xrc/xmlres.h>
#include <wx/translation.h>

namespace {
const char* const kTitle = "Flarewick(Cocos2dx)";
const char* const kExamples[] = {"Flower", "Fire",  "Fireworks", "Explosion", "Galaxy", "Meteor",
                                 "Rain",   "Smoke", "Snow",      "Spiral",    "Sun"};
} // namespace

MainFrame::MainFrame(wxWindow* parent)
    : uiMainFrame(parent, wxID_ANY, wxString::FromUTF8(kTitle), wxDefaultPosition, wxSize(1280, 1000)),
      m_mgr(nullptr, wxAUI_MGR_DEFAULT),
      m_addWorkPathDlg(this, wxID_ANY,
                       wxGetTranslation(wxString::FromUTF8(wxTRANSLATE_IN_CONTEXT("title", "添加工作目录")), wxString(),
                                        wxS("title")),
                       wxDefaultPosition, wxSize(358, 256)),
      m_host(this),
      m_documents(this, m_host),
      m_export(this) {
    SetIcon(wxIcon(RunTimeFileText("rc/Icon.ico"), wxBITMAP_TYPE_ICO));
    m_recentFiles = std::make_unique<RecentFiles>(this, m_menuRecentFiles);
    m_documents.setFileUsed([this](const wxString& path) { m_recentFiles->add(path); });
    fillCreationMenus();
    m_document.setChanged([this] { showEditState(); });
    m_document.setEditMenu(m_menuEdit);
    m_export.setTimingLog(&m_host.timing());
    // An export starts from the preview's fixed seed, so it shows what the preview showed.
    m_export.setPreviewSeed(FixedPreviewSeed);

    m_mgr.SetManagedWindow(this);
    m_mgr.AddPane(m_toolBar, wxAuiPaneInfo().Top());

    if (!m_host.start()) return;
    m_preview = std::make_unique<PreviewCommands>(this, m_host, m_menubar, m_toolBar);

    // The editor draws its own pictures; the stock art is not used.
    wxArtProvider::Push(new wxArtProvider);
    wxXmlResource::Get()->InitAllHandlers();

    addPanes();

    SetClientSize(1280, 1000);
    // The start-up update answer waits until the editor is on screen.
    m_host.whenFirstDrawnOnScreen([this] { ReleaseUpdateAnswers(this); });
    m_host.startPump();

    StartCrashRecovery(this, m_document);
    // Boxes wait until the window is on screen, and run after the frame that
    // noticed it: what earlier runs left is offered, then the command line's
    // files open.
    m_host.whenFirstDrawnOnScreen([this] {
        CallAfter([this] {
            m_startedUp = true;
            OfferCrashRecovery(this, m_document);
            m_documents.openFiles(m_startFiles);
            m_startFiles.clear();
        });
    });

    m_paneMenu = new wxMenu();
    m_paneMenu->Append(ID_SHOW_OBJECT_PANE, wxGetTranslation(wxString::FromUTF8("对象窗口")));
    m_paneMenu->Append(ID_SHOW_PROPERTY_PANE, wxGetTranslation(wxString::FromUTF8("属性窗口")));
    m_paneMenu->Append(ID_SHOW_TOOLBAR, wxGetTranslation(wxString::FromUTF8("工具条")));

    m_host.view()->buildContextMenu();
    m_host.view()->SetDropTarget(new ViewDropTarget([this](const std::vector<wxString>& paths, int x, int y) {
        // A drop comes from the toolkit's drag-and-drop signals, not as an
        // event that would ask for a frame by itself.
        const bool taken =
            m_documents.dropFiles(paths, m_host.view()->toDesignPoint(static_cast<float>(x), static_cast<float>(y)));
        m_host.requestFrame();
        return taken;
    }));
}

MainFrame::~MainFrame() {
    m_document.setChanged(nullptr);
    m_document.clearHistory();
    m_mgr.UnInit();
    delete m_paneMenu;
    // The grid goes with this window; the selection must not reach it later.
    SelectionManager::getInstance()->propertyManager = nullptr;
}

void MainFrame::fillCreationMenus() {
    m_menuCreate->Append(ID_CREATE_FIRST, wxS("ParticleSystem"));
    m_menuCreate->Append(ID_CREATE_FIRST + 1, wxS("Sprite"));
    int id = ID_EXAMPLE_FIRST;
    for (const char* name : kExamples) m_menuCreateFromExample->Append(id++, wxString::FromUTF8(name));
}

void MainFrame::addPanes() {
    m_mgr.AddPane(m_host.view(), wxAuiPaneInfo().Name(wxS("notebook_content")).CenterPane().PaneBorder(false));

    m_objectTree = new ObjectTree(this, wxPoint(0, 0), wxSize(160, 250));
    m_objectTree->AddRoot(wxS("Objects"), 0, -1, nullptr);
    m_mgr.AddPane(m_objectTree, wxAuiPaneInfo()
                                    .Name(wxS("test8"))
                                    .Caption(wxGetTranslation(wxString::FromUTF8("对象")))
                                    .Left()
                                    .Layer(1)
                                    .Position(1)
                                    .CloseButton(true)
                                    .MaximizeButton(true));
    m_mgr.Update();

    addPropertyPane();
    m_pgManager->AddPage(wxS("Properties"));

    // Where the game will show an opened or saved particle file differently.
    m_checkNotice = new ParticleCheckNotice(this, m_mgr);
    m_documents.setParticleFileDone([this](const wxString& path) { m_checkNotice->checkFile(path); });
}

void MainFrame::addPropertyPane() {
    auto* panel = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    m_pgManager = new wxPropertyGridManager(panel, ID_PROPERTY_GRID, wxDefaultPosition, wxSize(100, 100),
                                            wxPG_AUTO_SORT | wxPG_BOLD_MODIFIED | wxPG_SPLITTER_AUTO_CENTER |
                                                wxPG_TOOLBAR | wxPG_DESCRIPTION);
    m_pgManager->SetExtraStyle(wxPG_EX_MODE_BUTTONS | wxPG_EX_MULTIPLE_SELECTION);
    m_pgManager->GetGrid()->SetValidationFailureBehavior(wxPG_VFB_MARK_CELL | wxPG_VFB_SHOW_MESSAGEBOX);
    m_pgManager->GetGrid()->SetVerticalSpacing(2);
    sizer->Add(m_pgManager, 1, wxEXPAND, 0);
    panel->SetSizer(sizer);

    m_pgManager->Bind(wxEVT_PG_CHANGED, &MainFrame::OnPropertyChanged, this, m_pgManager->GetId());
    SelectionManager::getInstance()->propertyManager = m_pgManager;
    m_pgManager->GetGrid()->SetUnspecifiedValueAppearance(wxPGCell(wxS("Unspecified"), wxNullBitmap, *wxRED));

    m_mgr.AddPane(panel, wxAuiPaneInfo()
                             .Name(wxS("test9"))
                             .Caption(wxGetTranslation(wxString::FromUTF8("属性")))
                             .Right()
                             .Layer(1)
                             .Position(1)
                             .CloseButton(true)
                             .MaximizeButton(true)
                             .MinSize(360, 360));
    m_mgr.Update();
}

bool MainFrame::Destroy() {
    // An update answer still on its way must not open a box over a window
    // that is going away (nor one already passed on to the event loop); a
    // request still hanging is abandoned.
    DropUpdateAnswers();
    cocos2d::network::HttpClient::destroyInstance();
    // A normal end: whatever the user decided about unsaved work stands.
    m_document.endRecovery();
    // Objects die with the scene below; the selection lets go of them first.
    if (m_pgManager) SelectionManager::getInstance()->clearSelection();
    // Objects held by the history go while the engine can still free them.
    m_document.setChanged(nullptr);
    m_document.clearHistory();
    if (m_preview) m_preview->stop();
    if (!m_host.close()) return true;
    return uiMainFrame::Destroy();
}

void MainFrame::openAtStart(const std::vector<wxString>& paths) {
    if (m_startedUp)
        CallAfter([this, paths] { m_documents.openFiles(paths); });
    else
        m_startFiles.insert(m_startFiles.end(), paths.begin(), paths.end());
}

// ---- commands ----

void MainFrame::OnContextMenu(wxContextMenuEvent& event) {
    wxPoint at = event.GetPosition();
    if (at == wxDefaultPosition)
        at = wxPoint(GetSize().x / 2, GetSize().y / 2);
    else
        at = ScreenToClient(at);
    if (m_paneMenu) PopupMenu(m_paneMenu, at);
}

void MainFrame::OnNew(wxCommandEvent&) {
    CreationCommands::createParticle(0);
}

void MainFrame::OnCreateFromExample(wxCommandEvent& event) {
    CreationCommands::createParticle(event.GetId() - ID_EXAMPLE_FIRST);
}

void MainFrame::OnCreate(wxCommandEvent& event) {
    if (event.GetId() == ID_CREATE_FIRST)
        CreationCommands::createParticle(0);
    else if (event.GetId() == ID_CREATE_FIRST + 1)
        CreationCommands::createSprite();
}

void MainFrame::OnOpen(wxCommandEvent&) {
    m_documents.open();
}

void MainFrame::OnSave(wxCommandEvent&) {
    m_documents.save();
}

void MainFrame::OnSaveAs(wxCommandEvent&) {
    m_documents.saveAs();
}

void MainFrame::OnExportAnimation(wxCommandEvent&) {
    m_export.run();
}

void MainFrame::OnUpdateExportAnimation(wxUpdateUIEvent& event) {
    event.Enable(AnimationExport::selectedEffect() != nullptr);
}

void MainFrame::OnRecentFile(wxCommandEvent& event) {
    const wxString path = m_recentFiles->take(event.GetId());
    if (!path.empty()) m_documents.openPath(path);
}

void MainFrame::OnExit(wxCommandEvent&) {
    // Not forced: unsaved effects are asked about first.
    Close();
}

void MainFrame::OnClose(wxCloseEvent& event) {
    // A close that cannot be refused (the session ends) asks nothing; what
    // is unsaved is then offered at the next start.
    if (!event.CanVeto()) {
        if (m_document.hasUnsavedChanges()) m_document.keepRecoveryForNextRun();
    } else if (!ConfirmClose(this, m_document, m_documents)) {
        event.Veto();
        return;
    }
    event.Skip();
}

void MainFrame::OnDelete(wxCommandEvent&) {
    SelectionManager::getInstance()->deleteSelected();
}

void MainFrame::OnUndo(wxCommandEvent&) {
    m_document.undo();
}

void MainFrame::OnRedo(wxCommandEvent&) {
    m_document.redo();
}

void MainFrame::showEditState() {
    if (m_toolBar) {
        m_toolBar->EnableTool(wxID_UNDO, m_document.canUndo());
        m_toolBar->EnableTool(wxID_REDO, m_document.canRedo());
        m_toolBar->Refresh(false);
    }
    wxString title = wxString::FromUTF8(kTitle);
    if (m_document.hasUnsavedChanges()) title << wxS(" *");
    if (GetTitle() != title) SetTitle(title);
}

void MainFrame::OnReplay(wxCommandEvent&) {
    const auto& selection = SelectionManager::getInstance()->selection;
    if (m_preview) m_preview->replay(selection.empty() ? nullptr : selection.front());
}

void MainFrame::OnPreview(wxCommandEvent& event) {
    if (!m_preview || !m_preview->run(event.GetId())) event.Skip();
}

void MainFrame::OnSpeedChoices(wxAuiToolBarEvent&) {
    if (m_preview) m_preview->showSpeedChoices();
}

void MainFrame::OnPropertyChanged(wxPropertyGridEvent& event) {
    ApplyGridChange(event.GetProperty());
}

void MainFrame::OnShowPane(wxCommandEvent& event) {
    wxWindow* window = nullptr;
    if (event.GetId() == ID_SHOW_OBJECT_PANE)
        window = m_objectTree;
    else if (event.GetId() == ID_SHOW_PROPERTY_PANE)
        window = m_pgManager ? m_pgManager->GetParent() : nullptr;
    else if (event.GetId() == ID_SHOW_TOOLBAR)
        window = m_toolBar;
    PaneCommands::showPane(m_mgr, window);
}

void MainFrame::OnSetResolution(wxCommandEvent&) {
    ChangeDesignResolution(this, m_host, m_mgr);
}

void MainFrame::OnAddWorkPath(wxCommandEvent&) {
    m_addWorkPathDlg.Show();
}

void MainFrame::OnHelp(wxCommandEvent&) {
    ShowHelp();
}

void MainFrame::OnCheckUpdate(wxCommandEvent&) {
    CheckForUpdate();
}

void MainFrame::OnAbout(wxCommandEvent&) {
    AboutDlg dialog(this);
    dialog.ShowModal();
}

// ---- engine host ----

void MainFrame::OnFrameTimer(wxTimerEvent&) {
    m_host.tick();
    if (m_checkNotice) {
        const auto& selection = SelectionManager::getInstance()->selection;
        m_checkNotice->showSummaryFor(this, selection.empty() ? wxString() : selection.front()->filePath);
    }
}

void MainFrame::OnSize(wxSizeEvent&) {
    m_host.layoutView();
}

void MainFrame::OnCharHook(wxKeyEvent& event) {
    struct ObjectKey {
        int code;
        int command;
    };
    static const ObjectKey keys[] = {{WXK_DELETE, wxID_DELETE}, {WXK_SPACE, ID_PREVIEW_PAUSE}, {'.', ID_PREVIEW_STEP}};
    for (const ObjectKey& key : keys) {
        if (event.GetKeyCode() != key.code || event.GetModifiers() != wxMOD_NONE || !objectsHaveFocus()) continue;
        wxCommandEvent command(wxEVT_MENU, key.command);
        command.SetEventObject(this);
        ProcessWindowEvent(command);
        return;
    }
    if (!DispatchMenuAccelerator(this, event)) event.Skip();
}

// Entries with stock ids carry the toolkit's English help ("Undo last
// action"), which it puts back whenever their help is emptied; the status bar
// shows only help of the editor's own.
void MainFrame::OnMenuHighlight(wxMenuEvent& event) {
    const wxMenuItem* item = GetMenuBar() ? GetMenuBar()->FindItem(event.GetMenuId()) : nullptr;
    if (item && wxIsStockID(item->GetId()) && item->GetHelp() == wxGetStockHelpString(item->GetId())) {
        DoGiveHelp(wxString(), true);
        return;
    }
    event.Skip();
}

// The grid's cells use these keys for their text.
bool MainFrame::objectsHaveFocus() const {
    for (wxWindow* w = FindFocus(); w; w = w->GetParent())
        if (w == m_host.view() || w == m_objectTree) return true;
    return false;
}

// clang-format off
wxBEGIN_EVENT_TABLE(MainFrame, uiMainFrame)
    EVT_CONTEXT_MENU(MainFrame::OnContextMenu)
    EVT_MENU(wxID_NEW, MainFrame::OnNew)
    EVT_MENU(wxID_OPEN, MainFrame::OnOpen)
    EVT_MENU(wxID_SAVE, MainFrame::OnSave)
    EVT_MENU(wxID_SAVEAS, MainFrame::OnSaveAs)
    EVT_MENU(ID_EXPORT_ANIMATION, MainFrame::OnExportAnimation)
    EVT_UPDATE_UI(ID_EXPORT_ANIMATION, MainFrame::OnUpdateExportAnimation)
    EVT_MENU_RANGE(wxID_FILE1, wxID_FILE9, MainFrame::OnRecentFile)
    EVT_MENU(wxID_EXIT, MainFrame::OnExit)
    EVT_CLOSE(MainFrame::OnClose)
    EVT_MENU_RANGE(ID_CREATE_FIRST, ID_CREATE_LAST, MainFrame::OnCreate)
    EVT_MENU_RANGE(ID_EXAMPLE_FIRST, ID_EXAMPLE_LAST, MainFrame::OnCreateFromExample)
    EVT_MENU(wxID_DELETE, MainFrame::OnDelete)
    EVT_MENU(wxID_UNDO, MainFrame::OnUndo)
    EVT_MENU(wxID_REDO, MainFrame::OnRedo)
    EVT_MENU(ID_REPLAY, MainFrame::OnReplay)
    EVT_MENU_RANGE(ID_PREVIEW_FIRST, ID_PREVIEW_LAST, MainFrame::OnPreview)
    EVT_AUITOOLBAR_TOOL_DROPDOWN(ID_PREVIEW_SPEED, MainFrame::OnSpeedChoices)
    EVT_MENU(ID_SET_RESOLUTION, MainFrame::OnSetResolution)
    EVT_MENU(ID_ADD_WORK_PATH, MainFrame::OnAddWorkPath)
    EVT_MENU_RANGE(ID_SHOW_OBJECT_PANE, ID_SHOW_TOOLBAR, MainFrame::OnShowPane)
    EVT_MENU(wxID_HELP, MainFrame::OnHelp)
    EVT_MENU(ID_CHECK_UPDATE, MainFrame::OnCheckUpdate)
    EVT_MENU(wxID_ABOUT, MainFrame::OnAbout)
    // The toolbar's "新创建粒子" and the view's "创建(&C)" make what New makes.
    EVT_MENU(ID_NEW_PARTICLE, MainFrame::OnNew)
    EVT_TIMER(ID_TICK_TIMER, MainFrame::OnFrameTimer)
    EVT_SIZE(MainFrame::OnSize)
    // Accelerators must work wherever the focus is, also in controls that
    // keep keys for themselves.
    EVT_CHAR_HOOK(MainFrame::OnCharHook)
    EVT_MENU_HIGHLIGHT_ALL(MainFrame::OnMenuHighlight)
wxEND_EVENT_TABLE()
