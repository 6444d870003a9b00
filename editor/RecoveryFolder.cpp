// Recovery folders on disk: naming, locking against other runs, the JSON index.
#include "editor/RecoveryFolder.h"

#include "platform/CCFileReplace.h"

#include <json/json.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <signal.h>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kLockName[] = "lock";
const char kIndexName[] = "index.json";
// An index is a few lines per object; anything far larger is not ours.
const std::streamoff kMaxIndexBytes = 4 << 20;

// Makes each missing folder of path, private to the user.
bool MakeFolders(const std::string& path) {
    for (size_t at = 1; at <= path.size(); ++at) {
        if (at != path.size() && path[at] != '/') continue;
        const std::string part = path.substr(0, at);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Whether the run named by a folder ("1234" or "1234-2") may still be alive.
bool NamedRunAlive(const std::string& name) {
    char* end = nullptr;
    const long pid = std::strtol(name.c_str(), &end, 10);
    if (end == name.c_str() || pid <= 0) return false;
    return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

time_t ModifiedAt(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 ? info.st_mtime : 0;
}

std::string Text(const Json::Value& value, const char* key) {
    const Json::Value& item = value[key];
    return item.isString() ? item.asString() : std::string();
}

} // namespace

RecoveryFolder::~RecoveryFolder() {
    if (m_lockFd >= 0) close(m_lockFd);
}

std::string RecoveryFolder::defaultRoot() {
    const char* state = std::getenv("XDG_STATE_HOME");
    std::string base;
    if (state && state[0] == '/') {
        base = state;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home && home[0] ? home : "/tmp") + "/.local/state";
    }
    return base + "/flarewick/recovery";
}

int RecoveryFolder::takeLock(const std::string& folder, bool create) {
    const std::string lock = folder + "/" + kLockName;
    const int fd = open(lock.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | (create ? O_CREAT : 0), 0600);
    if (fd < 0) return -1;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

std::unique_ptr<RecoveryFolder> RecoveryFolder::createOwn(const std::string& root, int* error) {
    if (!MakeFolders(root)) {
        if (error) *error = errno;
        return nullptr;
    }
    // A folder of this number already there is a dead run's (or, with
    // process numbers shared between containers, a live one's): leave it.
    const std::string pid = std::to_string(getpid());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string folder = root + "/" + pid + (attempt ? "-" + std::to_string(attempt) : std::string());
        if (mkdir(folder.c_str(), 0700) != 0) {
            if (errno == EEXIST) continue;
            if (error) *error = errno;
            return nullptr;
        }
        const int fd = takeLock(folder, true);
        if (fd < 0) {
            if (error) *error = errno;
            rmdir(folder.c_str());
            return nullptr;
        }
        return std::unique_ptr<RecoveryFolder>(new RecoveryFolder(folder, fd));
    }
    if (error) *error = EEXIST;
    return nullptr;
}

std::vector<std::unique_ptr<RecoveryFolder>> RecoveryFolder::claimAbandoned(const std::string& root) {
    std::vector<std::unique_ptr<RecoveryFolder>> found;
    DIR* dir = opendir(root.c_str());
    if (!dir) return found;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        const std::string folder = root + "/" + name;
        struct stat info;
        if (lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) continue;
        // A folder without its lock file is one whose run stopped while
        // making it, unless that run is still on its way.
        const bool hasLock = access((folder + "/" + kLockName).c_str(), F_OK) == 0;
        if (!hasLock && NamedRunAlive(name)) continue;
        const int fd = takeLock(folder, !hasLock);
        if (fd >= 0) found.push_back(std::unique_ptr<RecoveryFolder>(new RecoveryFolder(folder, fd)));
    }
    closedir(dir);
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return ModifiedAt(a->path()) < ModifiedAt(b->path()); });
    return found;
}

bool RecoveryFolder::readIndex(std::vector<RecoveryEntry>* entries, std::string* why) const {
    entries->clear();
    std::ifstream in(filePath(kIndexName), std::ios::binary);
    if (!in) return true;
    in.seekg(0, std::ios::end);
    if (in.tellg() > kMaxIndexBytes) {
        if (why) *why = "the index is too large";
        return false;
    }
    in.seekg(0);
    Json::CharReaderBuilder builder;
    Json::Value root;
    std::string errors;
    if (!Json::parseFromStream(builder, in, &root, &errors) || !root.isObject() || !root["objects"].isArray()) {
        if (why) *why = errors.empty() ? "the index is not a list of objects" : errors;
        return false;
    }
    for (const Json::Value& item : root["objects"]) {
        RecoveryEntry entry{Text(item, "file"), Text(item, "name"), Text(item, "path"), Text(item, "texture")};
        // Only a plain name inside the folder: an index never sends a read elsewhere.
        if (entry.file.empty() || entry.file.find('/') != std::string::npos || entry.file[0] == '.') continue;
        entries->push_back(std::move(entry));
    }
    return true;
}

int RecoveryFolder::writeIndex(const std::vector<RecoveryEntry>& entries) const {
    Json::Value root(Json::objectValue);
    Json::Value& objects = root["objects"] = Json::Value(Json::arrayValue);
    for (const RecoveryEntry& entry : entries) {
        Json::Value item(Json::objectValue);
        item["file"] = entry.file;
        item["name"] = entry.name;
        item["path"] = entry.originalPath;
        item["texture"] = entry.texturePath;
        objects.append(item);
    }
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "  ";
    const std::string text = Json::writeString(builder, root) + "\n";
    return writeFile(kIndexName, text);
}

int RecoveryFolder::writeFile(const std::string& file, const std::string& bytes) const {
    return cocos2d::replaceFileContents(filePath(file), bytes.data(), bytes.size());
}

void RecoveryFolder::removeFile(const std::string& file) const {
    unlink(filePath(file).c_str());
}

void RecoveryFolder::removeAll() {
    if (DIR* dir = opendir(m_path.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != ".." && name != kLockName) unlink(filePath(name).c_str());
        }
        closedir(dir);
    }
    // The lock goes last, so that no other run takes a half-emptied folder.
    unlink(filePath(kLockName).c_str());
    rmdir(m_path.c_str());
    if (m_lockFd >= 0) close(m_lockFd);
    m_lockFd = -1;
}
