// Files dropped on the engine view from a file manager.
#pragma once

#include <wx/dnd.h>

#include <functional>
#include <vector>

class wxGLViewImpl;

class ViewDropTarget : public wxFileDropTarget {
public:
    // Called with the dropped paths and the drop point in the view's pixels;
    // returns whether the drop was taken.
    using Handler = std::function<bool(const std::vector<wxString>& paths, int x, int y)>;
    explicit ViewDropTarget(Handler handler) : m_handler(std::move(handler)) {}

    bool OnDropFiles(wxCoord x, wxCoord y, const wxArrayString& filenames) override {
        return m_handler(std::vector<wxString>(filenames.begin(), filenames.end()), x, y);
    }

private:
    Handler m_handler;
};
