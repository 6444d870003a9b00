// The scene as a document: its undo history, which objects differ from their files, and the marks that show it.
#pragma once

#include <wx/string.h>

#include <functional>
#include <memory>
#include <vector>

class EditorObject;
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

    // Called after every change of the history or of an object's saved state.
    void setChanged(std::function<void()> changed) { m_changed = std::move(changed); }
    // Brings the tree rows' texts up to date and tells the window.
    void changed();

private:
    class History;
    std::unique_ptr<History> m_history;
    std::function<void()> m_changed;
};

// The main window's document, or null while there is none.
extern SceneDocument* theSceneDocument;
