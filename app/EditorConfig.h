// The process-wide configuration document and its file "editor-config.json".
#pragma once

#include <json/reader.h>
#include <json/value.h>
#include <string>
#include <vector>

// The configuration as it is in memory; the file is only its serialised form.
extern Json::Value EditorConfig;

// Name of the configuration file, relative to the working directory.
extern const char* const kEditorConfigFile;

// Fills EditorConfig from `path` when the file exists, with a tolerant reader:
// comments are allowed and whatever parsed before an error is kept. Returns
// true when the file existed. A file that did not parse completely is
// remembered, so the first save backs it up before overwriting it.
bool LoadEditorConfig(const std::string& path = kEditorConfigFile);

// The reader's tolerance for the configuration file and the update server's
// answer: comments and dropped values allowed, errors collected and ignored.
void MakeTolerant(Json::CharReaderBuilder& builder);

// Writes the whole EditorConfig to "editor-config.json". Failures are silent;
// the in-memory document never changes.
void SaveEditorConfig();

// The same to an explicit path; returns whether the file was replaced.
bool SaveEditorConfigTo(const std::string& path);

// Serialises a document exactly as the configuration file holds it.
std::string WriteEditorConfigText(const Json::Value& doc);

// The design size the configuration asks for: both "DesignWidth" and
// "DesignHeight" must be present, otherwise 640 x 960.
void ReadDesignSize(const Json::Value& doc, int& width, int& height);

// The stored work paths; none unless "WorkPathes" is an array.
std::vector<std::string> ReadWorkPaths(const Json::Value& doc);
