// The "最近打开的文件" submenu: the files opened or saved last, kept in the configuration file.
#pragma once

#include <wx/filehistory.h>
#include <wx/string.h>

class wxMenu;
class wxWindow;

class RecentFiles {
public:
    static constexpr int kMaxFiles = 9;

    // Lists the stored files in menu, newest first; entries carry the ids
    // wxID_FILE1 … wxID_FILE9.
    RecentFiles(wxWindow* parent, wxMenu* menu);
    ~RecentFiles();
    RecentFiles(const RecentFiles&) = delete;
    RecentFiles& operator=(const RecentFiles&) = delete;

    // A file was opened or saved: it goes to the top.
    void add(const wxString& path);
    // The path of the entry behind a menu id. When its file has gone, the
    // user is told, the entry leaves the list and the result is empty.
    wxString take(int id);

    size_t count() const { return m_history.GetCount(); }
    wxString file(size_t index) const { return m_history.GetHistoryFile(index); }

private:
    wxWindow* m_parent;
    wxMenu* m_menu;
    wxFileHistory m_history;
};
