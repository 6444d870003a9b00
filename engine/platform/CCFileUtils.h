// Resource lookup through search paths, file reading and plist reading/writing.
#ifndef __CC_FILEUTILS_H__
#define __CC_FILEUTILS_H__

#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/CCData.h"
#include "base/CCValue.h"
#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

// Files are looked up in the search paths, in order, and inside each in the
// resolution directories, in order. The default resource root is the working
// directory of the process when the instance is created; it starts as the
// only search path, and relative search paths are taken relative to it.
class CC_DLL FileUtils {
public:
    enum class Status {
        OK = 0,
        NotExists = 1,
        OpenFailed = 2,
        ReadFailed = 3,
        NotInitialized = 4,
        TooLarge = 5,
        ObtainSizeFailed = 6,
    };

    // Files larger than this are refused by the readers (Status::TooLarge).
    static const long long kMaxReadSize = 512LL * 1024 * 1024;

    static FileUtils* getInstance();
    static void destroyInstance();

    virtual ~FileUtils();

    // Forgets every resolved full path.
    virtual void purgeCachedEntries();

    virtual std::string getStringFromFile(const std::string& filename);
    virtual Data getDataFromFile(const std::string& filename);
    Status getContents(const std::string& filename, Data* buffer);
    Status getContents(const std::string& filename, std::string* buffer);

    // Absolute names come back unchanged; others are searched for and give ""
    // when no candidate exists. Found names are cached until the search paths
    // are replaced.
    virtual std::string fullPathForFilename(const std::string& filename) const;

    virtual void setSearchResolutionsOrder(const std::vector<std::string>& searchResolutionsOrder);
    virtual void addSearchResolutionsOrder(const std::string& order, const bool front = false);
    virtual const std::vector<std::string> getSearchResolutionsOrder() const;

    virtual void setSearchPaths(const std::vector<std::string>& searchPaths);
    // A relative path is taken relative to the default root; a '/' is added
    // when missing. The cache of found names is kept.
    void addSearchPath(const std::string& path, const bool front = false);
    virtual const std::vector<std::string> getSearchPaths() const;
    virtual const std::vector<std::string> getOriginalSearchPaths() const;
    void setDefaultResourceRootPath(const std::string& path);
    const std::string getDefaultResourceRootPath() const;

    virtual std::string getWritablePath() const;

    // Property lists: an empty map/vector when the file is missing or not a
    // well-formed property list.
    virtual ValueMap getValueMapFromFile(const std::string& filename);
    virtual ValueMap getValueMapFromData(const char* filedata, int filesize);
    virtual ValueVector getValueVectorFromFile(const std::string& filename);

    // Writers replace the file as replaceFileContents does (platform/CCFileReplace.h).
    virtual bool writeToFile(const ValueMap& dict, const std::string& fullPath);
    virtual bool writeValueMapToFile(const ValueMap& dict, const std::string& fullPath);
    virtual bool writeValueVectorToFile(const ValueVector& vecData, const std::string& fullPath);
    virtual bool writeStringToFile(const std::string& dataStr, const std::string& fullPath);
    virtual bool writeDataToFile(const Data& data, const std::string& fullPath);

    virtual bool isFileExist(const std::string& filename) const;
    virtual bool isAbsolutePath(const std::string& path) const;
    virtual bool isDirectoryExist(const std::string& dirPath) const;
    // Lower-case extension with its dot ("image.PNG" gives ".png"), or "".
    virtual std::string getFileExtension(const std::string& filePath) const;
    // directory + '/' + filename when that file exists, otherwise "".
    virtual std::string getFullPathForDirectoryAndFilename(const std::string& directory,
                                                           const std::string& filename) const;
    virtual long getFileSize(const std::string& filepath);

    void setPopupNotify(bool notify);
    bool isPopupNotify() const;

protected:
    FileUtils();
    virtual bool init();

    virtual bool isFileExistInternal(const std::string& filePath) const;
    virtual bool isDirectoryExistInternal(const std::string& dirPath) const;
    virtual std::string getPathForFilename(const std::string& filename, const std::string& resolutionDirectory,
                                           const std::string& searchPath) const;
    // Root-relative paths are completed with the default root.
    std::string completePath(const std::string& path) const;
    bool writeAtomically(const char* bytes, size_t size, const std::string& fullPath);

    std::vector<std::string> _searchResolutionsOrderArray;
    std::vector<std::string> _searchPathArray;
    std::vector<std::string> _originalSearchPaths;
    std::string _defaultResRootPath;
    mutable std::unordered_map<std::string, std::string> _fullPathCache;
    bool _popupNotify;
    mutable std::recursive_mutex _mutex;

    static FileUtils* s_sharedFileUtils;
};

NS_CC_END

#endif // __CC_FILEUTILS_H__
