// The menu bar's accelerators, honoured before the focused control sees the key.
#pragma once

class wxFrame;
class wxKeyEvent;

// Sends the command of the enabled menu entry whose accelerator the key is
// (searching submenus too) to frame and returns true; false when no entry
// has it. Ctrl+Shift+Z is a second key for redo. Undo and redo keys typed
// into a text field act on the field's text only (true: handled). On GTK a control that takes a key for itself (the
// tree, the property grid) would otherwise keep the menu from ever seeing it.
bool DispatchMenuAccelerator(wxFrame* frame, const wxKeyEvent& key);
