// The document commands of the main window: Open (particle file or background), Save and Save As.
#pragma once

#include "ui/FileRequest.h"

#include <wx/string.h>

#include <functional>
#include <vector>

namespace cocos2d {
class Vec2;
}
class EngineHost;
class EditorObject;
class wxWindow;

class DocumentCommands {
public:
    // parent owns the dialogs and message boxes; host's frame pump is
    // stopped while the Open chooser is up.
    DocumentCommands(wxWindow* parent, EngineHost& host);

    // Replaces the file chooser (tests answer with paths of their own).
    void setAskPath(AskPath ask) { m_askPath = std::move(ask); }

    // Called with the path of each particle file opened or saved.
    using FileDone = std::function<void(const wxString& path)>;
    void setParticleFileDone(FileDone done) { m_particleFileDone = std::move(done); }
    // Called with the path of every file opened (particle file or
    // background) or saved.
    void setFileUsed(FileDone used) { m_fileUsed = std::move(used); }

    // Asks for a file and opens it; nothing happens when the user cancels.
    void open();
    // Opens path by its file's extension, in any case: ".plist" a particle
    // file; ".csb", ".png" or ".jpg" a background. Any other path loads
    // nothing.
    void openPath(const wxString& path);

    // Opens each path in turn as openPath does; a file of a kind Open does not
    // read is named in a notice and changes nothing.
    void openFiles(const std::vector<wxString>& paths);
    // Files dropped on the view: a particle file becomes an effect at `at`
    // (design coordinates), a picture or scene file the background. A drop
    // holding a file of another kind is refused as a whole, with a notice
    // naming it. Returns whether the drop was taken.
    bool dropFiles(const std::vector<wxString>& paths, const cocos2d::Vec2& at);
    // Whether openPath reads files of this path's kind.
    static bool isOpenable(const wxString& path);

    // Saves the first selected object to its file, asking for one when it
    // has none.
    void save();
    // Saves the first selected object to a file the user chooses, which
    // becomes its file once written.
    void saveAs();
    // Saves object to its file, asking for one when it has none; false when
    // the user cancelled the chooser or the write failed (already reported).
    bool saveObject(EditorObject* object);

    // The filters of the Open chooser.
    static wxString openWildcard();

private:
    // True when the file became an object (the selection).
    // At `at` (design coordinates) when given, else where new objects go.
    bool openParticleFile(const wxString& path, const cocos2d::Vec2* at = nullptr);
    void openBackground(const wxString& path, bool studioFile);
    // The first selected object, or null after telling the user that there is none.
    EditorObject* objectToSave();
    wxString askSavePath();
    bool write(EditorObject* object, const wxString& path);

    wxWindow* m_parent;
    EngineHost& m_host;
    AskPath m_askPath;
    FileDone m_particleFileDone;
    FileDone m_fileUsed;
};
