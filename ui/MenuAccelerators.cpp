// Finding the menu entry whose accelerator a key press is, and sending its command.
#include "ui/MenuAccelerators.h"

#include <wx/accel.h>
#include <wx/frame.h>
#include <wx/menu.h>

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

} // namespace

bool DispatchMenuAccelerator(wxFrame* frame, const wxKeyEvent& key) {
    wxMenuBar* bar = frame->GetMenuBar();
    if (!bar) return false;
    const int code = key.GetKeyCode();
    const int flags = AcceleratorFlags(key);
    // Letters arrive upper case with the key down; plain keys other than
    // function keys are never accelerators here.
    if (flags == wxACCEL_NORMAL && !(code >= WXK_F1 && code <= WXK_F24)) return false;
    for (size_t i = 0; i < bar->GetMenuCount(); ++i) {
        if (int id = FindCommand(bar->GetMenu(i), code, flags)) {
            wxCommandEvent command(wxEVT_MENU, id);
            command.SetEventObject(frame);
            frame->ProcessWindowEvent(command);
            return true;
        }
    }
    return false;
}
