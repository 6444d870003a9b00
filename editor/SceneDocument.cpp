// The scene's undo history on the toolkit's command processor, the saved-state marks and their tree rows.
#include "editor/SceneDocument.h"

#include "editor/EditorObject.h"
#include "editor/ObjectTree.h"
#include "editor/ObjectTreeData.h"
#include "editor/RecoveryWriter.h"

#include <algorithm>

#include <wx/cmdproc.h>
#include <wx/menu.h>
#include <wx/timer.h>
#include <wx/translation.h>

namespace {
// A change is kept this long after it, and passes are never closer together.
const int kRecoveryDelayMs = 1000;

bool SameEntries(const std::vector<RecoveryEntry>& a, const std::vector<RecoveryEntry>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const RecoveryEntry& x, const RecoveryEntry& y) {
        return x.file == y.file && x.name == y.name && x.originalPath == y.originalPath &&
               x.texturePath == y.texturePath;
    });
}
} // namespace

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

class SceneDocument::RecoveryTimer : public wxTimer {
public:
    explicit RecoveryTimer(SceneDocument& document) : m_document(document) {}
    void Notify() override { m_document.recoveryPass(); }

private:
    SceneDocument& m_document;
};

SceneDocument::SceneDocument() : m_history(std::make_unique<History>(*this)) {
    theSceneDocument = this;
}

SceneDocument::~SceneDocument() {
    endRecovery();
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
    if (m_recoveryTimer && !m_recoveryTimer->IsRunning()) m_recoveryTimer->StartOnce(kRecoveryDelayMs);
    if (m_changed) m_changed();
}

// ---- recovery ----

void SceneDocument::startRecovery(const std::string& root, RecoveryContentOf contentOf) {
    endRecovery();
    m_recoveryContentOf = std::move(contentOf);
    m_recovery = std::make_unique<RecoveryWriter>(root);
    m_recoveryTimer = std::make_unique<RecoveryTimer>(*this);
    // What is unsaved already is kept too.
    m_recoveryTimer->StartOnce(kRecoveryDelayMs);
}

void SceneDocument::setRecoveryFailed(std::function<void(int error)> failed) {
    if (m_recovery) m_recovery->setFailed(std::move(failed));
}

void SceneDocument::recoveryPass() {
    if (!m_recovery) return;
    RecoverySnapshot snapshot;
    std::map<long, Recovered> kept;
    for (EditorObject* object : unsavedObjects()) {
        auto known = m_recovered.find(object->objectId);
        Recovered entry;
        if (known != m_recovered.end()) {
            entry = known->second;
        } else {
            entry.file = std::to_string(++m_recoveryFiles) + ".plist";
        }
        if (known == m_recovered.end() || entry.revision != object->revision) {
            RecoveryContent content = m_recoveryContentOf(*object);
            snapshot.contents[entry.file] = std::move(content.plist);
            entry.texturePath = std::move(content.texturePath);
            entry.revision = object->revision;
        }
        entry.name = std::string(object->treeLabel.utf8_str());
        entry.originalPath = std::string(object->filePath.utf8_str());
        snapshot.entries.push_back({entry.file, entry.name, entry.originalPath, entry.texturePath});
        kept[object->objectId] = std::move(entry);
    }
    std::vector<RecoveryEntry> before;
    for (const auto& item : m_recovered)
        before.push_back({item.second.file, item.second.name, item.second.originalPath, item.second.texturePath});
    std::vector<RecoveryEntry> after;
    for (const auto& item : kept)
        after.push_back({item.second.file, item.second.name, item.second.originalPath, item.second.texturePath});
    m_recovered = std::move(kept);
    if (snapshot.contents.empty() && SameEntries(before, after)) return;
    m_recovery->submit(std::move(snapshot));
}

bool SceneDocument::writeRecoveryNow() {
    if (!m_recovery) return false;
    m_recoveryTimer->Stop();
    recoveryPass();
    return m_recovery->flush();
}

void SceneDocument::keepRecoveryForNextRun() {
    if (!m_recovery) return;
    writeRecoveryNow();
    m_recoveryTimer.reset();
    m_recovery.reset();
    m_recovered.clear();
}

std::string SceneDocument::recoveryFolder() const {
    return m_recovery ? m_recovery->folderPath() : std::string();
}

void SceneDocument::endRecovery() {
    if (!m_recovery) return;
    m_recoveryTimer.reset();
    m_recovery->discard();
    m_recovery.reset();
    m_recovered.clear();
}
