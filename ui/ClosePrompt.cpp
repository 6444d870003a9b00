// Asking what to do with unsaved effects when the main window closes, and saving them when told to.
#include "ui/ClosePrompt.h"

#include "editor/EditorObject.h"
#include "editor/SceneDocument.h"
#include "ui/DocumentCommands.h"

#include <wx/filename.h>
#include <wx/msgdlg.h>
#include <wx/translation.h>

namespace {
// The file's name, or the tree's name for an effect that has none.
wxString NameOf(const EditorObject& object) {
    return object.filePath.empty() ? object.treeLabel : wxFileName(object.filePath).GetFullName();
}
}

bool ConfirmClose(wxWindow* parent, SceneDocument& document, DocumentCommands& documents) {
    const std::vector<EditorObject*> unsaved = document.unsavedObjects();
    if (unsaved.empty()) return true;
    wxString message = wxGetTranslation(wxString::FromUTF8("以下粒子有未保存的修改："));
    for (const EditorObject* object : unsaved) message << wxS("\n") << NameOf(*object);
    wxMessageDialog box(parent, message, wxGetTranslation(wxString::FromUTF8("提示")),
                        wxYES_NO | wxCANCEL | wxYES_DEFAULT | wxCENTRE);
    box.SetYesNoCancelLabels(wxGetTranslation(wxString::FromUTF8("保存(&S)")),
                             wxGetTranslation(wxString::FromUTF8("不保存(&N)")),
                             wxGetTranslation(wxString::FromUTF8("取消")));
    switch (box.ShowModal()) {
    case wxID_YES:
        for (EditorObject* object : unsaved)
            if (!documents.saveObject(object)) return false;
        return true;
    case wxID_NO:
        return true;
    default:
        return false;
    }
}
