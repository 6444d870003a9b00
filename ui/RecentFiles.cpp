// The recently used files: the toolkit's file history, mirrored into "RecentFiles" of the configuration.
#include "ui/RecentFiles.h"

#include "app/EditorConfig.h"

#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/translation.h>

#include <string>

namespace {
// The list is a convenience, not something the user chose to store: a file
// that cannot be written keeps the list for this run without a word.
void Store(const ConfigChange& change) {
    SaveEditorConfig(change);
}
} // namespace

RecentFiles::RecentFiles(wxWindow* parent, wxMenu* menu)
    : m_parent(parent),
      m_menu(menu),
      m_history(kMaxFiles, wxID_FILE1) {
    const std::vector<std::string> stored = ReadRecentFiles(EditorConfig);
    // The history puts each file it is given on top: the oldest goes in first.
    const size_t shown = std::min(stored.size(), static_cast<size_t>(kMaxFiles));
    for (size_t i = shown; i-- > 0;) m_history.AddFileToHistory(wxString::FromUTF8(stored[i]));
    m_history.UseMenu(m_menu);
    m_history.AddFilesToMenu(m_menu);
}

RecentFiles::~RecentFiles() {
    m_history.RemoveMenu(m_menu);
}

void RecentFiles::add(const wxString& path) {
    wxFileName file(path);
    file.MakeAbsolute();
    const wxString full = file.GetFullPath();
    m_history.AddFileToHistory(full);
    Store(RecentFileAddedChange(std::string(full.utf8_str()), kMaxFiles));
}

wxString RecentFiles::take(int id) {
    const int index = id - wxID_FILE1;
    if (index < 0 || static_cast<size_t>(index) >= m_history.GetCount()) return wxString();
    const wxString path = m_history.GetHistoryFile(static_cast<size_t>(index));
    if (wxFileName::FileExists(path)) return path;
    wxMessageBox(wxString::Format(wxGetTranslation(wxString::FromUTF8("文件不存在：%s")), path),
                 wxGetTranslation(wxString::FromUTF8("提示")), wxOK | wxCENTRE, m_parent);
    m_history.RemoveFileFromHistory(static_cast<size_t>(index));
    Store(RecentFileRemovedChange(std::string(path.utf8_str())));
    return wxString();
}
