// File paths between the toolkit's strings and the bytes the system and the engine use.
#pragma once

#include <wx/string.h>

#include <string>

// A folder's name may hold bytes that are not UTF-8; the toolkit keeps them
// in its strings in its own way (its file-name conversion), so a path only
// reaches the same file when it goes through these two.
std::string PathBytes(const wxString& path);
wxString PathText(const std::string& bytes);
// One of the program's own run-time files ("rc/Icon.ico"), wherever they are
// installed (platform/CCRunTimeFiles.h).
wxString RunTimeFileText(const char* relative);
