// Finding the menu entry whose accelerator a key press is, and sending its command.
#include "ui/MenuAccelerators.h"

#include <wx/accel.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/textentry.h>
#include <wx/window.h>

#include <memory>

namespace {

int AcceleratorFlags(const wxKeyEvent& key) {
    int flags = wxACCEL_NORMAL;
    if (key.ControlDown()) flags |= wxACCEL_CTRL;
    if (key.ShiftDown()) flags |= wxACCEL_SHIFT;
    if (key.AltDown()) flags |= wxACCEL_ALT;
    return flags;
}

int FindCommand(wxMenu* menu, int code, int flags) {
    for (wxMenuItem* item : menu->GetMenuItems()) {
        if (wxMenu* sub = item->GetSubMenu()) {
            if (int id = FindCommand(sub, code, flags)) return id;
            continue;
        }
        std::unique_ptr<wxAcceleratorEntry> accel(item->GetAccel());
        if (accel && item->IsEnabled() && accel->GetKeyCode() == code && accel->GetFlags() == flags)
            return item->GetId();
    }
    return 0;
}

// Keys that also reach an entry without a menu entry of their own.
struct AcceleratorAlias {
    int code;
    int flags;
    int command;
};
const AcceleratorAlias kAliases[] = {
    {'Z', wxACCEL_CTRL | wxACCEL_SHIFT, wxID_REDO},
};

// Undo and redo keys typed into a text field (a grid cell being edited) are
// the field's: they take back its typing, never a step of the scene.
bool KeepForTextField(int code, int flags) {
    const bool undoKey = (code == 'Z' && (flags == wxACCEL_CTRL || flags == (wxACCEL_CTRL | wxACCEL_SHIFT))) ||
                         (code == 'Y' && flags == wxACCEL_CTRL);
    if (!undoKey) return false;
    auto* field = dynamic_cast<wxTextEntry*>(wxWindow::FindFocus());
    if (!field) return false;
    if (code == 'Z' && flags == wxACCEL_CTRL) {
        if (field->CanUndo()) field->Undo();
    } else if (field->CanRedo()) {
        field->Redo();
    }
    return true;
}

int FindAlias(wxMenuBar* bar, int code, int flags) {
    for (const AcceleratorAlias& alias : kAliases) {
        if (alias.code != code || alias.flags != flags) continue;
        wxMenuItem* item = bar->FindItem(alias.command);
        if (item && item->IsEnabled()) return alias.command;
    }
    return 0;
}

} // namespace

bool DispatchMenuAccelerator(wxFrame* frame, const wxKeyEvent& key) {
    wxMenuBar* bar = frame->GetMenuBar();
    if (!bar) return false;
    const int code = key.GetKeyCode();
    const int flags = AcceleratorFlags(key);
    if (KeepForTextField(code, flags)) return true;
    // Letters arrive upper case with the key down; plain keys other than
    // function keys are never accelerators here.
    if (flags == wxACCEL_NORMAL && !(code >= WXK_F1 && code <= WXK_F24)) return false;
    int id = 0;
    for (size_t i = 0; i < bar->GetMenuCount() && !id; ++i) id = FindCommand(bar->GetMenu(i), code, flags);
    if (!id) id = FindAlias(bar, code, flags);
    if (!id) return false;
    wxCommandEvent command(wxEVT_MENU, id);
    command.SetEventObject(frame);
    frame->ProcessWindowEvent(command);
    return true;
}
