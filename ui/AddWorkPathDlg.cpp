// The work-path dialog: layout, restoring the stored list at start-up, adding and deleting entries.
#include "ui/AddWorkPathDlg.h"

#include "app/EditorConfig.h"
#include "editor/FilePathBytes.h"
#include "ui/WriteFailure.h"

#include <wx/dirdlg.h>
#include <wx/filename.h>
#include <wx/sizer.h>
#include <wx/translation.h>

#include "platform/CCFileUtils.h"

#include <algorithm>

namespace {
constexpr int kDialogId = 1000;
constexpr int kAddId = 1001;
constexpr int kDeleteId = 1002;

// The engine's form of a search path: a trailing '/' (the entries are the
// chooser's absolute paths, so no root is put in front).
std::string SearchPathForm(const std::string& path) {
    return (!path.empty() && path.back() == '/') ? path : path + "/";
}

// The chooser starts where the user last was: the newest entry, or the
// program's working directory (without a start the toolkit shows its list of
// recent files, where no directory can be picked).
wxString ChooseDirectory(wxWindow* parent, const wxString& start) {
    wxDirDialog chooser(parent, wxDirSelectorPromptStr, start, wxDD_DEFAULT_STYLE);
    chooser.SetTitle(wxGetTranslation(wxString::FromUTF8(wxTRANSLATE_IN_CONTEXT("title", "添加工作目录")), wxString(),
                                      wxS("title")));
    return chooser.ShowModal() == wxID_OK ? chooser.GetPath() : wxString();
}
} // namespace

AddWorkPathDlg::AddWorkPathDlg(wxWindow* parent, wxWindowID, const wxString& title, const wxPoint& pos,
                               const wxSize& size, long)
    : wxDialog(parent, kDialogId, title, pos, size, wxDEFAULT_DIALOG_STYLE) {
    SetSizeHints(wxDefaultSize, wxDefaultSize);

    auto* column = new wxBoxSizer(wxVERTICAL);
    m_listWorkPaths = new wxListBox(this, wxID_ANY, wxDefaultPosition, wxSize(-1, 180), 0, nullptr, 0);
    column->Add(m_listWorkPaths, 0, wxEXPAND | wxALL, 5);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    m_buttonAdd = new wxButton(this, kAddId, wxGetTranslation(wxString::FromUTF8("添加")));
    buttons->Add(m_buttonAdd, 0, wxALIGN_CENTER | wxALL, 5);
    buttons->Add(0, 0, 1, wxEXPAND, 5);
    m_buttonDelete = new wxButton(this, kDeleteId, wxGetTranslation(wxString::FromUTF8("删除")));
    buttons->Add(m_buttonDelete, 1, wxALIGN_CENTER | wxALL, 5);
    column->Add(buttons, 1, wxALIGN_CENTER, 5);

    SetSizer(column);
    Layout();
    Centre(wxBOTH);

    RestoreStoredPaths();
}

void AddWorkPathDlg::RestoreStoredPaths() {
    // Only a configuration that came from the file counts; an empty document
    // in memory means there was none.
    if (!wxFileName::FileExists(PathText(EditorConfigPath()))) return;
    wxArrayString entries;
    for (const std::string& path : ReadWorkPaths(EditorConfig)) {
        entries.Add(wxString::FromUTF8(path));
        cocos2d::FileUtils::getInstance()->addSearchPath(path, false);
    }
    if (!entries.empty()) m_listWorkPaths->InsertItems(entries, 0);
}

bool AddWorkPathDlg::AddWorkPath(const wxString& path) {
    // Linux file names differ by case, so entries are compared exactly.
    if (path.empty() || !wxFileName::DirExists(path) || m_listWorkPaths->FindString(path, true) != wxNOT_FOUND)
        return false;
    cocos2d::FileUtils::getInstance()->addSearchPath(path.utf8_string(), false);
    m_listWorkPaths->Append(path);
    StoreConfigChange(this, AddWorkPathChange(path.utf8_string()));
    return true;
}

bool AddWorkPathDlg::DeleteSelectedWorkPath() {
    int selected = m_listWorkPaths->GetSelection();
    if (selected == wxNOT_FOUND) return false;
    std::string path = m_listWorkPaths->GetString(selected).utf8_string();
    m_listWorkPaths->Delete(selected);
    StoreConfigChange(this, RemoveWorkPathChange(path));

    // The engine forgets the directory at once. Replacing the list also
    // drops the engine's memory of names already found there; the resolved
    // entries are used so that every other path keeps its place.
    cocos2d::FileUtils* files = cocos2d::FileUtils::getInstance();
    std::vector<std::string> paths = files->getSearchPaths();
    auto it = std::find(paths.begin(), paths.end(), SearchPathForm(path));
    if (it != paths.end()) {
        paths.erase(it);
        files->setSearchPaths(paths);
    }
    return true;
}

wxString AddWorkPathDlg::chooserStart() const {
    const unsigned count = m_listWorkPaths->GetCount();
    const wxString newest = count > 0 ? m_listWorkPaths->GetString(count - 1) : wxString();
    return !newest.empty() && wxFileName::DirExists(newest) ? newest : wxGetCwd();
}

void AddWorkPathDlg::OnAdd(wxCommandEvent&) {
    wxString path = m_askDirectory ? m_askDirectory(this) : ChooseDirectory(this, chooserStart());
    if (!path.empty()) AddWorkPath(path);
}

void AddWorkPathDlg::OnDelete(wxCommandEvent&) {
    DeleteSelectedWorkPath();
}

// clang-format off
wxBEGIN_EVENT_TABLE(AddWorkPathDlg, wxDialog)
    EVT_BUTTON(kAddId, AddWorkPathDlg::OnAdd)
    EVT_BUTTON(kDeleteId, AddWorkPathDlg::OnDelete)
wxEND_EVENT_TABLE()
    // clang-format on
