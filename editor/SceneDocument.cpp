// The scene's undo history on the toolkit's command processor, the saved-state marks and their tree rows.
#include "editor/SceneDocument.h"

#include "editor/EditorObject.h"
#include "editor/ObjectTree.h"
#include "editor/ObjectTreeData.h"

#include <wx/cmdproc.h>
#include <wx/menu.h>
#include <wx/translation.h>

SceneDocument* theSceneDocument = nullptr;

// The processor's own menu texts come from the toolkit's English catalogue;
// these name the step in the editor's language.
class SceneDocument::History : public wxCommandProcessor {
public:
    explicit History(SceneDocument& document) : wxCommandProcessor(kMaxSteps), m_document(document) {}

    void SetMenuStrings() override {
        if (wxMenu* menu = GetEditMenu()) {
            const wxCommand* undo = CanUndo() ? GetCurrentCommand() : nullptr;
            const wxCommand* redo = CanRedo() ? nextCommand() : nullptr;
            // The step's name is a word of its own, so a translation may put it anywhere.
            const wxString undoLabel =
                undo ? wxString::Format(wxGetTranslation(wxString::FromUTF8("撤销 %s")), undo->GetName())
                     : wxGetTranslation(wxString::FromUTF8("撤销(&U)"));
            const wxString redoLabel =
                redo ? wxString::Format(wxGetTranslation(wxString::FromUTF8("重做 %s")), redo->GetName())
                     : wxGetTranslation(wxString::FromUTF8("重做(&R)"));
            setEntry(menu, wxID_UNDO, undoLabel, wxS("\tCtrl+Z"), undo != nullptr);
            setEntry(menu, wxID_REDO, redoLabel, wxS("\tCtrl+Y"), redo != nullptr);
        }
        m_document.changed();
    }

private:
    const wxCommand* nextCommand() const {
        const auto next = m_currentCommand ? m_currentCommand->GetNext() : m_commands.GetFirst();
        return next ? static_cast<const wxCommand*>(next->GetData()) : nullptr;
    }
    static void setEntry(wxMenu* menu, int id, const wxString& label, const wxString& accelerator, bool enabled) {
        if (!menu->FindItem(id)) return;
        menu->SetLabel(id, label + accelerator);
        menu->Enable(id, enabled);
    }

    SceneDocument& m_document;
};

SceneDocument::SceneDocument() : m_history(std::make_unique<History>(*this)) {
    theSceneDocument = this;
}

SceneDocument::~SceneDocument() {
    if (theSceneDocument == this) theSceneDocument = nullptr;
    m_changed = nullptr;
    m_history->SetEditMenu(nullptr);
    m_history.reset();
}

wxCommandProcessor& SceneDocument::history() {
    return *m_history;
}

void SceneDocument::setEditMenu(wxMenu* menu) {
    m_history->SetEditMenu(menu);
    m_history->SetMenuStrings();
}

void SceneDocument::record(wxCommand* step) {
    m_history->Store(step);
}

bool SceneDocument::perform(wxCommand* step) {
    return m_history->Submit(step);
}

bool SceneDocument::undo() {
    return m_history->Undo();
}

bool SceneDocument::redo() {
    return m_history->Redo();
}

bool SceneDocument::canUndo() const {
    return m_history->CanUndo();
}

bool SceneDocument::canRedo() const {
    return m_history->CanRedo();
}

void SceneDocument::clearHistory() {
    m_history->ClearCommands();
    m_history->SetMenuStrings();
}

long SceneDocument::newRevision() {
    static long last = 0;
    return ++last;
}

std::vector<EditorObject*> SceneDocument::objects() const {
    std::vector<EditorObject*> found;
    if (!theObjectTree || !theObjectTree->GetRootItem().IsOk()) return found;
    const wxTreeItemId root = theObjectTree->GetRootItem();
    wxTreeItemIdValue cookie;
    for (wxTreeItemId item = theObjectTree->GetFirstChild(root, cookie); item.IsOk();
         item = theObjectTree->GetNextChild(root, cookie)) {
        auto* data = dynamic_cast<ObjectTreeData*>(theObjectTree->GetItemData(item));
        if (data && data->object) found.push_back(data->object);
    }
    return found;
}

std::vector<EditorObject*> SceneDocument::unsavedObjects() const {
    std::vector<EditorObject*> unsaved;
    for (EditorObject* object : objects())
        if (object->hasUnsavedChanges()) unsaved.push_back(object);
    return unsaved;
}

void SceneDocument::changed() {
    if (theObjectTree) {
        for (EditorObject* object : objects()) {
            const wxString text = object->rowText();
            if (theObjectTree->GetItemText(object->treeItem) != text)
                theObjectTree->SetItemText(object->treeItem, text);
        }
    }
    if (m_changed) m_changed();
}
