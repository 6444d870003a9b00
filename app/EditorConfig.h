// The process-wide configuration document and its file "editor-config.json".
#pragma once

#include <json/reader.h>
#include <json/value.h>

#include <functional>
#include <string>
#include <vector>

// The configuration as it is in memory; the file is only its serialised form.
extern Json::Value EditorConfig;

// Name of the configuration file, relative to the working directory.
extern const char* const kEditorConfigFile;
// Where the configuration is kept: kEditorConfigFile in the working directory
// when the program runs from a folder with its run-time files (a checkout),
// else "$XDG_CONFIG_HOME/flarewick/" (by default "~/.config/flarewick/")
// for an installed program started from anywhere.
std::string EditorConfigPath();

// Fills EditorConfig from `path` when the file exists, with a tolerant reader:
// comments are allowed and whatever parsed before an error is kept. Returns
// true when the file existed.
bool LoadEditorConfig(const std::string& path = EditorConfigPath());

// The reader's tolerance for the configuration file and the update server's
// answer: comments and dropped values allowed, errors collected and ignored.
void MakeTolerant(Json::CharReaderBuilder& builder);

// One change to the configuration, made to a document as the file holds it.
using ConfigChange = std::function<void(Json::Value& doc)>;

// Stores one change. The file is read again (as tolerantly as at start-up),
// the change is made to what it holds and the result is written back through
// the engine's safe file writer, so that what another editor stored in the
// meantime is kept; EditorConfig then holds what was written. Returns 0, or
// the errno value why the file could not be written: the change is then made
// to EditorConfig alone and the file stays as it was. A file that the reader
// could not fully understand is first copied to "<path>.bak".
int SaveEditorConfig(const ConfigChange& change, const std::string& path = EditorConfigPath());

// The changes the dialogs make: one work path added at the end of
// "WorkPathes" (unless listed) or removed from it, and the design size.
ConfigChange AddWorkPathChange(const std::string& dir);
ConfigChange RemoveWorkPathChange(const std::string& dir);
ConfigChange DesignSizeChange(int width, int height);

// The files opened or saved last, newest first, as "RecentFiles" (an array
// of strings); entries that are not strings are passed over.
std::vector<std::string> ReadRecentFiles(const Json::Value& doc);
// A file opened or saved goes first (once), the oldest beyond `limit` leave.
ConfigChange RecentFileAddedChange(const std::string& file, size_t limit);
ConfigChange RecentFileRemovedChange(const std::string& file);

// Serialises a document exactly as the configuration file holds it.
std::string WriteEditorConfigText(const Json::Value& doc);

// The design size the configuration asks for: both "DesignWidth" and
// "DesignHeight" must be present, otherwise 640 x 960.
void ReadDesignSize(const Json::Value& doc, int& width, int& height);

// The stored work paths; none unless "WorkPathes" is an array.
std::vector<std::string> ReadWorkPaths(const Json::Value& doc);
