// What the user is told when a file could not be written: the reason in words.
#pragma once

#include <wx/string.h>

// One sentence saying why a write failed, for an errno value.
wxString WriteFailureReason(int error);
