// Loading and saving the configuration document "editor-config.json".
#include "app/EditorConfig.h"

#include <json/reader.h>
#include <json/writer.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

Json::Value EditorConfig(Json::objectValue);
const char* const kEditorConfigFile = "editor-config.json";

namespace {

// Path of a file that existed but did not parse completely; it is copied to
// "<path>.bak" before the first save replaces it, so hand edits that the
// reader could not understand are never lost without a trace.
std::string g_unparsedFile;

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Writes `data` to `path` through "<path>.tmp" and a rename, so that a failed
// or interrupted write leaves the previous file whole. Keeps the old file's
// permission bits when there is one.
bool WriteFileReplacing(const std::string& path, const std::string& data) {
    const std::string tmp = path + ".tmp";
    mode_t mode = 0644;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) mode = st.st_mode & 07777;

    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0) return false;
    bool ok = true;
    size_t done = 0;
    while (ok && done < data.size()) {
        ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            ok = false;
        } else {
            done += static_cast<size_t>(n);
        }
    }
    if (ok && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    if (ok && ::rename(tmp.c_str(), path.c_str()) != 0) ok = false;
    if (!ok) ::unlink(tmp.c_str());
    return ok;
}

bool ReadWholeFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream ss;
    ss << in.rdbuf();
    out = ss.str();
    return !in.bad();
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

}  // namespace

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

    std::ifstream in(path, std::ios::binary);
    Json::CharReaderBuilder builder;
    MakeTolerant(builder);

    Json::Value doc;
    std::string errors;
    bool complete = in && Json::parseFromStream(builder, in, &doc, &errors);
    // Whatever the reader built before an error is kept. The rest of the
    // program looks members up by key, so a root that is not an object is
    // dropped (and the file backed up at the first save).
    if (!doc.isObject()) {
        if (!doc.isNull()) complete = false;
        doc = Json::Value(Json::objectValue);
    }
    EditorConfig = doc;
    g_unparsedFile = complete ? std::string() : path;
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

bool SaveEditorConfigTo(const std::string& path) {
    if (!g_unparsedFile.empty() && g_unparsedFile == path && FileExists(path)) {
        std::string original;
        // Without a backup the user's text would be lost: keep the old file.
        if (!ReadWholeFile(path, original)) return false;
        if (!WriteFileReplacing(path + ".bak", original)) return false;
        g_unparsedFile.clear();
    }
    return WriteFileReplacing(path, WriteEditorConfigText(EditorConfig));
}

void SaveEditorConfig() { SaveEditorConfigTo(kEditorConfigFile); }

void ReadDesignSize(const Json::Value& doc, int& width, int& height) {
    width = 640;
    height = 960;
    if (!doc.isObject()) return;
    int w = 0, h = 0;
    // Both keys are needed; a size that is not a positive number is ignored
    // because the view divides by it.
    if (NumberAsInt(doc["DesignWidth"], w) && NumberAsInt(doc["DesignHeight"], h) && w > 0 &&
        h > 0) {
        width = w;
        height = h;
    }
}

std::vector<std::string> ReadWorkPaths(const Json::Value& doc) {
    std::vector<std::string> paths;
    if (!doc.isObject()) return paths;
    const Json::Value& list = doc["WorkPathes"];
    if (!list.isArray()) return paths;
    for (Json::ArrayIndex i = 0; i < list.size(); ++i) {
        if (list[i].isString()) paths.push_back(list[i].asString());
    }
    return paths;
}
