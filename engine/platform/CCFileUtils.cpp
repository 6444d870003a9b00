// FileUtils: search-path resolution, bounded file reading and atomic writing.
#include "platform/CCFileUtils.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "base/CCConsole.h"
#include "platform/CCFileReplace.h"
#include "platform/CCPlistParser.h"
#include "platform/CCPlistWriter.h"

NS_CC_BEGIN

FileUtils* FileUtils::s_sharedFileUtils = nullptr;

namespace {

std::string withTrailingSlash(std::string path) {
    if (path.empty() || path.back() != '/') {
        path += '/';
    }
    return path;
}

std::string currentDirectory() {
    std::vector<char> buf(4096);
    while (getcwd(buf.data(), buf.size()) == nullptr) {
        if (buf.size() >= (1u << 20)) {
            return "./";
        }
        buf.resize(buf.size() * 2);
    }
    return withTrailingSlash(std::string(buf.data()));
}

// Reads a whole regular file into `out` (which must offer resize and data).
template <typename Buffer>
FileUtils::Status readFile(const std::string& fullPath, Buffer& out) {
    FILE* fp = fopen(fullPath.c_str(), "rb");
    if (fp == nullptr) {
        return FileUtils::Status::OpenFailed;
    }
    struct stat st;
    if (fstat(fileno(fp), &st) != 0 || !S_ISREG(st.st_mode)) {
        fclose(fp);
        return FileUtils::Status::ObtainSizeFailed;
    }
    if (st.st_size > FileUtils::kMaxReadSize) {
        fclose(fp);
        return FileUtils::Status::TooLarge;
    }
    const size_t size = static_cast<size_t>(st.st_size);
    out.resize(size);
    const size_t got = size ? fread(&out[0], 1, size, fp) : 0;
    fclose(fp);
    if (got < size) {
        out.resize(got);
        return FileUtils::Status::ReadFailed;
    }
    return FileUtils::Status::OK;
}

// A plain byte vector adaptor so that Data can be filled by readFile.
struct ByteBuffer {
    std::vector<unsigned char> bytes;
    void resize(size_t n) { bytes.resize(n); }
    unsigned char& operator[](size_t i) { return bytes[i]; }
};

} // namespace

// ---- instance ----

FileUtils* FileUtils::getInstance() {
    if (s_sharedFileUtils == nullptr) {
        s_sharedFileUtils = new FileUtils();
        if (!s_sharedFileUtils->init()) {
            delete s_sharedFileUtils;
            s_sharedFileUtils = nullptr;
        }
    }
    return s_sharedFileUtils;
}

void FileUtils::destroyInstance() {
    delete s_sharedFileUtils;
    s_sharedFileUtils = nullptr;
}

FileUtils::FileUtils() : _popupNotify(true) {}

FileUtils::~FileUtils() {}

bool FileUtils::init() {
    _defaultResRootPath = currentDirectory();
    _searchPathArray.push_back(_defaultResRootPath);
    _searchResolutionsOrderArray.push_back("");
    return true;
}

void FileUtils::purgeCachedEntries() {
    std::lock_guard<std::recursive_mutex> lock(_mutex);
    _fullPathCache.clear();
}

// ---- search paths ----

void FileUtils::setSearchResolutionsOrder(const std::vector<std::string>& searchResolutionsOrder) {
    std::lock_guard<std::recursive_mutex> lock(_mutex);
    bool existDefault = false;
    _fullPathCache.clear();
    _searchResolutionsOrderArray.clear();
    for (const std::string& order : searchResolutionsOrder) {
        std::string resolutionDirectory = order;
        if (!existDefault && resolutionDirectory.empty()) {
            existDefault = true;
        }
        if (!resolutionDirectory.empty() && resolutionDirectory.back() != '/') {
            resolutionDirectory += '/';
        }
        _searchResolutionsOrderArray.push_back(resolutionDirectory);
    }
    if (!existDefault) {
        _searchResolutionsOrderArray.push_back("");
    }
}

void FileUtils::addSearchResolutionsOrder(const std::string& order, const bool front) {
    std::lock_guard<std::recursive_mutex> lock(_mutex);
    std::string resOrder = order;
    if (!resOrder.empty() && resOrder.back() != '/') {
        resOrder += '/';
    }
    if (front) {
        _searchResolutionsOrderArray.insert(_searchResolutionsOrderArray.begin(), resOrder);
    } else {
        _searchResolutionsOrderArray.push_back(resOrder);
    }
}

const std::vector<std::string> FileUtils::getSearchResolutionsOrder() const {
    std::lock_guard<std::recursive_mutex> lock(_mutex);
    return _searchResolutionsOrderArray;
}

void FileUtils::setSearchPaths(const std::vector<std::string>& searchPaths) {
    std::lock_guard<std::recursive_mutex> lock(_mutex);
    bool existDefaultRootPath = false;
    _originalSearchPaths = searchPaths;
    _fullPathCache.clear();
    _searchPathArray.clear();
    for (const std::string& path : _originalSearchPaths) {
        std::string prefix;
        if (!isAbsolutePath(path)) {
            prefix = _defaultResRootPath;
        }
        std::string fullPath = withTrailingSlash(prefix + path);
        if (!existDefaultRootPath && fullPath == _defaultResRootPath) {
            existDefaultRootPath = true;
        }
        _searchPathArray.push_back(fullPath);
    }
    if (!existDefaultRootPath) {
        _searchPathArray.push_back(_defaultResRootPath);
    }
}

void FileUtils::addSearchPath(const std::string& path, const bool front) {
    std::lock_guard<std::recursive_mutex> lock(_mutex);
    std::string prefix;
    if (!isAbsolutePath(path)) {
        prefix = _defaultResRootPath;
    }
    const std::string fullPath = withTrailingSlash(prefix + path);
    if (front) {
        _originalSearchPaths.insert(_originalSearchPaths.begin(), path);
        _searchPathArray.insert(_searchPathArray.begin(), fullPath);
    } else {
        _originalSearchPaths.push_back(path);
        _searchPathArray.push_back(fullPath);
    }
}

const std::vector<std::string> FileUtils::getSearchPaths() const {
    std::lock_guard<std::recursive_mutex> lock(_mutex);
    return _searchPathArray;
}

const std::vector<std::string> FileUtils::getOriginalSearchPaths() const {
    std::lock_guard<std::recursive_mutex> lock(_mutex);
    return _originalSearchPaths;
}

void FileUtils::setDefaultResourceRootPath(const std::string& path) {
    std::lock_guard<std::recursive_mutex> lock(_mutex);
    if (_defaultResRootPath == path) {
        return;
    }
    _fullPathCache.clear();
    _defaultResRootPath = withTrailingSlash(path);
    // Re-resolve the relative search paths against the new root.
    const std::vector<std::string> originals = _originalSearchPaths;
    setSearchPaths(originals);
}

const std::string FileUtils::getDefaultResourceRootPath() const {
    std::lock_guard<std::recursive_mutex> lock(_mutex);
    return _defaultResRootPath;
}

std::string FileUtils::getWritablePath() const {
    const char* home = getenv("HOME");
    return withTrailingSlash(home && *home ? std::string(home) : getDefaultResourceRootPath());
}

// ---- resolution ----

std::string FileUtils::getPathForFilename(const std::string& filename, const std::string& resolutionDirectory,
                                          const std::string& searchPath) const {
    std::string file = filename;
    std::string filePath;
    const size_t pos = filename.find_last_of('/');
    if (pos != std::string::npos) {
        filePath = filename.substr(0, pos + 1);
        file = filename.substr(pos + 1);
    }
    const std::string path = searchPath + filePath + resolutionDirectory;
    return getFullPathForDirectoryAndFilename(path, file);
}

std::string FileUtils::fullPathForFilename(const std::string& filename) const {
    if (filename.empty()) {
        return "";
    }
    if (isAbsolutePath(filename)) {
        return filename;
    }
    std::lock_guard<std::recursive_mutex> lock(_mutex);
    const auto cached = _fullPathCache.find(filename);
    if (cached != _fullPathCache.end()) {
        return cached->second;
    }
    for (const std::string& searchPath : _searchPathArray) {
        for (const std::string& resolution : _searchResolutionsOrderArray) {
            const std::string fullPath = getPathForFilename(filename, resolution, searchPath);
            if (!fullPath.empty()) {
                _fullPathCache.insert(std::make_pair(filename, fullPath));
                return fullPath;
            }
        }
    }
    if (_popupNotify) {
        log("fullPathForFilename: No file found at %s. Possible missing file.", filename.c_str());
    }
    return "";
}

std::string FileUtils::getFullPathForDirectoryAndFilename(const std::string& directory,
                                                          const std::string& filename) const {
    std::string ret = directory;
    if (!directory.empty() && directory.back() != '/') {
        ret += '/';
    }
    ret += filename;
    if (!isFileExistInternal(ret)) {
        ret.clear();
    }
    return ret;
}

std::string FileUtils::completePath(const std::string& path) const {
    if (isAbsolutePath(path)) {
        return path;
    }
    return getDefaultResourceRootPath() + path;
}

bool FileUtils::isFileExistInternal(const std::string& filePath) const {
    if (filePath.empty()) {
        return false;
    }
    struct stat st;
    return stat(completePath(filePath).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool FileUtils::isDirectoryExistInternal(const std::string& dirPath) const {
    struct stat st;
    return stat(dirPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool FileUtils::isFileExist(const std::string& filename) const {
    if (isAbsolutePath(filename)) {
        return isFileExistInternal(filename);
    }
    return !fullPathForFilename(filename).empty();
}

bool FileUtils::isAbsolutePath(const std::string& path) const {
    return !path.empty() && path[0] == '/';
}

bool FileUtils::isDirectoryExist(const std::string& dirPath) const {
    if (dirPath.empty()) {
        return false;
    }
    if (isAbsolutePath(dirPath)) {
        return isDirectoryExistInternal(dirPath);
    }
    for (const std::string& searchPath : getSearchPaths()) {
        for (const std::string& resolution : getSearchResolutionsOrder()) {
            if (isDirectoryExistInternal(searchPath + dirPath + resolution)) {
                return true;
            }
        }
    }
    return false;
}

std::string FileUtils::getFileExtension(const std::string& filePath) const {
    std::string extension;
    const size_t pos = filePath.find_last_of('.');
    if (pos != std::string::npos) {
        extension = filePath.substr(pos);
        std::transform(extension.begin(), extension.end(), extension.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    }
    return extension;
}

long FileUtils::getFileSize(const std::string& filepath) {
    const std::string fullPath = fullPathForFilename(filepath);
    struct stat st;
    if (fullPath.empty() || stat(fullPath.c_str(), &st) != 0) {
        return -1;
    }
    return static_cast<long>(st.st_size);
}

void FileUtils::setPopupNotify(bool notify) {
    _popupNotify = notify;
}

bool FileUtils::isPopupNotify() const {
    return _popupNotify;
}

// ---- reading ----

FileUtils::Status FileUtils::getContents(const std::string& filename, std::string* buffer) {
    if (buffer == nullptr) {
        return Status::NotInitialized;
    }
    buffer->clear();
    if (filename.empty()) {
        return Status::NotExists;
    }
    const std::string fullPath = fullPathForFilename(filename);
    if (fullPath.empty()) {
        return Status::NotExists;
    }
    return readFile(fullPath, *buffer);
}

FileUtils::Status FileUtils::getContents(const std::string& filename, Data* buffer) {
    if (buffer == nullptr) {
        return Status::NotInitialized;
    }
    buffer->clear();
    if (filename.empty()) {
        return Status::NotExists;
    }
    const std::string fullPath = fullPathForFilename(filename);
    if (fullPath.empty()) {
        return Status::NotExists;
    }
    ByteBuffer bytes;
    const Status status = readFile(fullPath, bytes);
    buffer->copy(bytes.bytes.data(), static_cast<ssize_t>(bytes.bytes.size()));
    return status;
}

std::string FileUtils::getStringFromFile(const std::string& filename) {
    std::string s;
    getContents(filename, &s);
    return s;
}

Data FileUtils::getDataFromFile(const std::string& filename) {
    Data d;
    getContents(filename, &d);
    return d;
}

// ---- property lists ----

ValueMap FileUtils::getValueMapFromFile(const std::string& filename) {
    const Data data = getDataFromFile(filename);
    if (data.isNull()) {
        return ValueMap();
    }
    return PlistParser::parseMap(reinterpret_cast<const char*>(data.getBytes()), static_cast<size_t>(data.getSize()));
}

ValueMap FileUtils::getValueMapFromData(const char* filedata, int filesize) {
    if (filedata == nullptr || filesize <= 0) {
        return ValueMap();
    }
    return PlistParser::parseMap(filedata, static_cast<size_t>(filesize));
}

ValueVector FileUtils::getValueVectorFromFile(const std::string& filename) {
    const Data data = getDataFromFile(filename);
    if (data.isNull()) {
        return ValueVector();
    }
    return PlistParser::parseVector(reinterpret_cast<const char*>(data.getBytes()),
                                    static_cast<size_t>(data.getSize()));
}

// ---- writing ----

bool FileUtils::writeAtomically(const char* bytes, size_t size, const std::string& fullPath) {
    return replaceFileContents(fullPath, bytes, size) == 0;
}

bool FileUtils::writeStringToFile(const std::string& dataStr, const std::string& fullPath) {
    return writeAtomically(dataStr.data(), dataStr.size(), fullPath);
}

bool FileUtils::writeDataToFile(const Data& data, const std::string& fullPath) {
    return writeAtomically(reinterpret_cast<const char*>(data.getBytes()), static_cast<size_t>(data.getSize()),
                           fullPath);
}

bool FileUtils::writeToFile(const ValueMap& dict, const std::string& fullPath) {
    return writeValueMapToFile(dict, fullPath);
}

bool FileUtils::writeValueMapToFile(const ValueMap& dict, const std::string& fullPath) {
    return writeStringToFile(PlistWriter::documentFromMap(dict), fullPath);
}

bool FileUtils::writeValueVectorToFile(const ValueVector& vecData, const std::string& fullPath) {
    return writeStringToFile(PlistWriter::documentFromVector(vecData), fullPath);
}

NS_CC_END
