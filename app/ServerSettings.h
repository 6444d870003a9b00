// The update server's last answer ("cfg"), its address, and reading its members as text.
#pragma once

#include <json/value.h>
#include <wx/string.h>

#include <string>

// The "cfg" member of the last accepted update-server answer; null until one
// arrives. Touched only on the UI thread.
extern Json::Value ServerSettings;

// The program version sent to the server and compared with its answer.
extern const char* const kProgramVersion;

// Host and optional port of the project's server: FLAREWICK_SERVER when set
// and not empty, otherwise the project's own host.
std::string ServerAddress();
std::string UpdateCheckUrl();
std::string AboutPageUrl();

// The text of a member as the design reads it: a string unchanged, a number
// printed, anything missing "null".
wxString SettingText(const Json::Value& settings, const char* member);

// A member that can be used at all: a non-empty string, or a number.
bool HasSetting(const Json::Value& settings, const char* member);

// The design's comparison: case-sensitive, character by character, so "1.10"
// is older than "1.7".
bool IsNewerThanProgram(const wxString& version);
