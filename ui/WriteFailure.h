// What the user is told when a file could not be written: the reason in words, and the configuration's notice.
#pragma once

#include "app/EditorConfig.h"

#include <wx/string.h>

class wxWindow;

// One sentence saying why a write failed, for an errno value.
wxString WriteFailureReason(int error);

// Stores a change in "editor-config.json"; when the file cannot be written a
// "提示" box over parent says so, why, and that the change holds for this run
// only. Returns whether the file was written.
bool StoreConfigChange(wxWindow* parent, const ConfigChange& change);
