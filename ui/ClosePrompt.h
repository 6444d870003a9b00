// The question asked before the main window closes over effects with unsaved changes: save them, drop them or go on.
#pragma once

class DocumentCommands;
class SceneDocument;
class wxWindow;

// True when the window may close: nothing is unsaved, the user chose
// "不保存(&N)", or chose "保存(&S)" and every effect was written (an effect
// without a file gets the save chooser). Cancelling the box or a chooser, or
// a failed save, keeps the window open.
bool ConfirmClose(wxWindow* parent, SceneDocument& document, DocumentCommands& documents);
