// Loading and saving the configuration document "editor-config.json".
#include "app/EditorConfig.h"

#include <json/reader.h>
#include <json/writer.h>

#include "platform/CCFileReplace.h"
#include "platform/CCRunTimeFiles.h"

#include <cerrno>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstdio>
#include <memory>
#include <sys/stat.h>

Json::Value EditorConfig(Json::objectValue);
const char* const kEditorConfigFile = "editor-config.json";

std::string EditorConfigPath() {
    if (cocos2d::runTimeFolder().empty()) return kEditorConfigFile;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::string base =
        config && config[0] == '/' ? std::string(config) : std::string(home && home[0] ? home : "/tmp") + "/.config";
    return base + "/flarewick/" + kEditorConfigFile;
}

namespace {

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// 0 with the whole file in out, or the errno value that stopped the reading.
int ReadWholeFile(const std::string& path, std::string& out) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return errno;
    out.clear();
    char chunk[8192];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) out.append(chunk, got);
    const int error = std::ferror(file) ? EIO : 0;
    std::fclose(file);
    return error;
}

// The document in text as the tolerant reader makes it out; false when part
// of the text was not understood (or the root is no object, which is dropped
// because the rest of the program looks members up by key).
bool ParseConfig(const std::string& text, Json::Value& doc) {
    Json::CharReaderBuilder builder;
    MakeTolerant(builder);
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    std::string errors;
    doc = Json::Value();
    bool complete = reader->parse(text.data(), text.data() + text.size(), &doc, &errors);
    if (!doc.isObject()) {
        if (!doc.isNull()) complete = false;
        doc = Json::Value(Json::objectValue);
    }
    return complete;
}

int WriteText(const std::string& path, const std::string& text) {
    return cocos2d::replaceFileContents(path, text.data(), text.size());
}

// The file as it is now, or an empty document when there is none. Hand edits
// that the reader could not understand are kept in "<path>.bak" before the
// file is rewritten without them.
int ReadForChange(const std::string& path, Json::Value& doc) {
    doc = Json::Value(Json::objectValue);
    if (!FileExists(path)) return 0;
    std::string text;
    if (const int error = ReadWholeFile(path, text)) return error;
    if (ParseConfig(text, doc)) return 0;
    return WriteText(path + ".bak", text);
}

// A JSON number as an int when it is a whole-enough value within range.
bool NumberAsInt(const Json::Value& v, int& out) {
    if (v.isInt()) {
        out = v.asInt();
        return true;
    }
    if (v.isDouble()) {
        double d = v.asDouble();
        if (d >= INT_MIN && d <= INT_MAX) {
            out = static_cast<int>(d);
            return true;
        }
    }
    return false;
}

} // namespace

void MakeTolerant(Json::CharReaderBuilder& builder) {
    builder["allowComments"] = true;
    builder["allowDroppedNullPlaceholders"] = true;
    builder["allowSingleQuotes"] = true;
    builder["allowSpecialFloats"] = true;
    builder["strictRoot"] = false;
    builder["failIfExtra"] = false;
    builder["collectComments"] = false;
    builder["rejectDupKeys"] = false;
}

bool LoadEditorConfig(const std::string& path) {
    if (!FileExists(path)) return false;
    std::string text;
    // Whatever could be read and parsed is kept; the rest takes its defaults.
    ReadWholeFile(path, text);
    ParseConfig(text, EditorConfig);
    return true;
}

std::string WriteEditorConfigText(const Json::Value& doc) {
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "   ";
    builder["precision"] = 10;
    builder["precisionType"] = "significant";
    builder["emitUTF8"] = true;
    builder["commentStyle"] = "None";
    return Json::writeString(builder, doc) + "\n";
}

int SaveEditorConfig(const ConfigChange& change, const std::string& path) {
    // The installed program's folder under the user's configuration is made
    // on the first change; any other folder must be there already.
    if (path == EditorConfigPath() && path != kEditorConfigFile) {
        const std::string folder = path.substr(0, path.rfind('/'));
        mkdir(folder.substr(0, folder.rfind('/')).c_str(), 0700);
        mkdir(folder.c_str(), 0700);
    }
    Json::Value doc;
    int error = ReadForChange(path, doc);
    if (!error) {
        change(doc);
        error = WriteText(path, WriteEditorConfigText(doc));
    }
    if (error) {
        change(EditorConfig);
        return error;
    }
    EditorConfig = doc;
    return 0;
}

ConfigChange AddWorkPathChange(const std::string& dir) {
    return [dir](Json::Value& doc) {
        Json::Value& list = doc["WorkPathes"];
        if (!list.isArray()) list = Json::Value(Json::arrayValue);
        for (const Json::Value& entry : list)
            if (entry.isString() && entry.asString() == dir) return;
        list.append(dir);
    };
}

ConfigChange RemoveWorkPathChange(const std::string& dir) {
    return [dir](Json::Value& doc) {
        if (!doc.isMember("WorkPathes") || !doc["WorkPathes"].isArray()) return;
        Json::Value kept(Json::arrayValue);
        for (const Json::Value& entry : doc["WorkPathes"])
            if (!entry.isString() || entry.asString() != dir) kept.append(entry);
        doc["WorkPathes"] = kept;
    };
}

ConfigChange DesignSizeChange(int width, int height) {
    return [width, height](Json::Value& doc) {
        doc["DesignWidth"] = width;
        doc["DesignHeight"] = height;
    };
}

void ReadDesignSize(const Json::Value& doc, int& width, int& height) {
    width = 640;
    height = 960;
    if (!doc.isObject()) return;
    int w = 0, h = 0;
    // Both keys are needed; a size that is not a positive number is ignored
    // because the view divides by it.
    if (NumberAsInt(doc["DesignWidth"], w) && NumberAsInt(doc["DesignHeight"], h) && w > 0 && h > 0) {
        width = w;
        height = h;
    }
}

namespace {
// The strings of an array member; none unless the member is an array.
std::vector<std::string> ReadStrings(const Json::Value& doc, const char* key) {
    std::vector<std::string> strings;
    if (!doc.isObject()) return strings;
    const Json::Value& list = doc[key];
    if (!list.isArray()) return strings;
    for (Json::ArrayIndex i = 0; i < list.size(); ++i) {
        if (list[i].isString()) strings.push_back(list[i].asString());
    }
    return strings;
}
} // namespace

std::vector<std::string> ReadWorkPaths(const Json::Value& doc) {
    return ReadStrings(doc, "WorkPathes");
}

std::vector<std::string> ReadRecentFiles(const Json::Value& doc) {
    return ReadStrings(doc, "RecentFiles");
}

namespace {
// "RecentFiles" made of `files`, the newest first, at most `limit` of them.
void StoreRecentFiles(Json::Value& doc, const std::vector<std::string>& files, size_t limit) {
    Json::Value list(Json::arrayValue);
    for (size_t i = 0; i < files.size() && i < limit; ++i) list.append(files[i]);
    doc["RecentFiles"] = list;
}
} // namespace

// Each change works on the list as the file holds it now, so that two editors
// add to one list instead of each writing its own.
ConfigChange RecentFileAddedChange(const std::string& file, size_t limit) {
    return [file, limit](Json::Value& doc) {
        std::vector<std::string> files = ReadRecentFiles(doc);
        files.erase(std::remove(files.begin(), files.end(), file), files.end());
        files.insert(files.begin(), file);
        StoreRecentFiles(doc, files, limit);
    };
}

ConfigChange RecentFileRemovedChange(const std::string& file) {
    return [file](Json::Value& doc) {
        std::vector<std::string> files = ReadRecentFiles(doc);
        files.erase(std::remove(files.begin(), files.end(), file), files.end());
        StoreRecentFiles(doc, files, files.size());
    };
}
