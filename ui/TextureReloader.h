// Reloads the pictures of open effects, sprites and the background when their files change on disk.
#pragma once

#include <wx/event.h>
#include <wx/fswatcher.h>
#include <wx/string.h>
#include <wx/timer.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>

class EngineHost;

namespace cocos2d {
class Node;
class Texture2D;
}

// The toolkit's file watcher tells of a change at once; a look at the
// files' modification times once a second catches what it misses (a
// network folder, a watcher that could not start). Only textures read from
// a file are watched: a picture embedded in a particle file has none.
class TextureReloader : public wxEvtHandler {
public:
    // tell shows a failure's reason (once per change of the file).
    TextureReloader(EngineHost& host, std::function<void(const wxString&)> tell);
    ~TextureReloader() override;
    TextureReloader(const TextureReloader&) = delete;
    TextureReloader& operator=(const TextureReloader&) = delete;

    // Looks at every watched file now: reloads what changed. The number of
    // textures reloaded.
    int checkNow();
    // Ends the watching before the engine goes.
    void stop();

private:
    struct Seen {
        long long modified = 0;
        long long size = -1;
    };
    // Files of the textures the scene uses now, by full path.
    std::map<std::string, cocos2d::Texture2D*> texturesInUse() const;
    bool reload(cocos2d::Texture2D* texture, const std::string& path);
    void watchFolderOf(const std::string& path);
    void OnTimer(wxTimerEvent& event);
    void OnFileChanged(wxFileSystemWatcherEvent& event);

    EngineHost& m_host;
    std::function<void(const wxString&)> m_tell;
    wxTimer m_timer;
    std::unique_ptr<wxFileSystemWatcher> m_watcher;
    std::set<std::string> m_folders;
    std::map<std::string, Seen> m_seen;
    bool m_checkQueued = false;

    wxDECLARE_EVENT_TABLE();
};
