// The scene as a document: its undo history, which objects differ from their files, and the marks that show it.
#pragma once

#include <wx/string.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class EditorObject;
class RecoveryWriter;
class wxCommand;
class wxCommandProcessor;
class wxMenu;

class SceneDocument {
public:
    // Steps kept; the oldest goes when one more arrives.
    static constexpr int kMaxSteps = 200;

    // Becomes theSceneDocument.
    SceneDocument();
    ~SceneDocument();
    SceneDocument(const SceneDocument&) = delete;
    SceneDocument& operator=(const SceneDocument&) = delete;

    wxCommandProcessor& history();
    // The menu whose wxID_UNDO and wxID_REDO entries name the next step and
    // are greyed out when there is none.
    void setEditMenu(wxMenu* menu);

    // Keeps a step already carried out (its Do is next called on redo).
    void record(wxCommand* step);
    // Carries a step out and keeps it; false (step deleted) when it did nothing.
    bool perform(wxCommand* step);
    bool undo();
    bool redo();
    bool canUndo() const;
    bool canRedo() const;
    // Forgets every step, letting go of the objects they held. Also the
    // close sequence's first step, while the engine can still free them.
    void clearHistory();

    // A revision number no object has had yet.
    static long newRevision();

    // The registered objects, in the order of their tree rows.
    std::vector<EditorObject*> objects() const;
    // Those that differ from their files.
    std::vector<EditorObject*> unsavedObjects() const;
    bool hasUnsavedChanges() const { return !unsavedObjects().empty(); }

    // ---- recovery ----
    // What recovery keeps of an object: its plist and the picture it shows.
    struct RecoveryContent {
        std::string plist;
        std::string texturePath;
    };
    using RecoveryContentOf = std::function<RecoveryContent(EditorObject& object)>;
    // From now on, a change leaves every unsaved object's plist in this run's
    // folder under root within a second or so, written by a thread of its own.
    void startRecovery(const std::string& root, RecoveryContentOf contentOf);
    // Called on the recovery thread when a write fails, once per run of failures.
    void setRecoveryFailed(std::function<void(int error)> failed);
    // Writes what has changed now and waits for it; false when it could not
    // be written (or recovery never started).
    bool writeRecoveryNow();
    // The run's recovery folder; empty until something was kept.
    std::string recoveryFolder() const;
    // Deletes the run's recovery folder and keeps nothing more: the run ends
    // well. Also done when the document goes.
    void endRecovery();
    // Writes what has changed and stops, leaving the folder to be offered at
    // the next start: the run ends without the user deciding about its work.
    void keepRecoveryForNextRun();

    // Called after every change of the history or of an object's saved state.
    void setChanged(std::function<void()> changed) { m_changed = std::move(changed); }
    // Brings the tree rows' texts up to date and tells the window.
    void changed();

private:
    class History;
    class RecoveryTimer;
    // Hands the thread what changed since the last pass.
    void recoveryPass();

    std::unique_ptr<History> m_history;
    std::function<void()> m_changed;

    // Which file of the folder holds an object, and the revision it holds.
    struct Recovered {
        std::string file;
        long revision = 0;
        std::string name;
        std::string originalPath;
        std::string texturePath;
    };
    std::unique_ptr<RecoveryWriter> m_recovery;
    std::unique_ptr<RecoveryTimer> m_recoveryTimer;
    RecoveryContentOf m_recoveryContentOf;
    std::map<long, Recovered> m_recovered; // by EditorObject::objectId
    long m_recoveryFiles = 0;
};

// The main window's document, or null while there is none.
extern SceneDocument* theSceneDocument;
