// Safe replacement of a file's contents: a fresh temporary renamed into place, or a guarded rewrite in place.
#include "platform/CCFileReplace.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>

NS_CC_BEGIN

namespace {

// Where a write to path must land: a symbolic link is followed to its file,
// so the link (into a shared folder, say) keeps pointing at the new
// contents. A dangling link or a new file is written at the path itself.
std::string writeTarget(const std::string& path) {
    struct stat link {};
    if (lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
    char* resolved = realpath(path.c_str(), nullptr);
    if (resolved == nullptr) return path;
    std::string target(resolved);
    free(resolved);
    return target;
}

std::string folderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Root passes the kernel's permission checks on every file, so for root a
// file without any write bit counts as made read-only on purpose.
int plainWriteError(const std::string& path, const struct stat& st) {
    if (faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) return errno;
    if (geteuid() == 0 && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return EACCES;
    return 0;
}

int writeAllAt(int fd, const char* bytes, size_t size, off_t offset) {
    size_t done = 0;
    while (done < size) {
        const ssize_t n = pwrite(fd, bytes + done, size - done, offset + static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        done += static_cast<size_t>(n);
    }
    return 0;
}

unsigned long long unforeseeableNumber() {
    unsigned long long value = 0;
    if (getrandom(&value, sizeof value, GRND_NONBLOCK) == static_cast<ssize_t>(sizeof value)) return value;
    // Without the kernel's generator the name is still unlikely to be met;
    // the exclusive creation below is what keeps the write safe.
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<unsigned long long>(now) * 6364136223846793005ULL ^ static_cast<unsigned long long>(getpid());
}

// Creates a new, empty file beside target. The exclusive creation never
// opens a file or link that someone planted under the name.
int createTemporary(const std::string& target, mode_t mode, std::string& name) {
    const std::string folder = folderOf(target);
    // Part of the file's own name, for a user who finds one after a crash;
    // short enough that the whole name stays within the system's limit.
    const std::string base = target.substr(target.find_last_of('/') + 1).substr(0, 100);
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[32];
        snprintf(suffix, sizeof suffix, ".tmp-%016llx", unforeseeableNumber());
        name = folder + "/." + base + suffix;
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// Makes the rename itself survive a power cut. A file system that cannot
// sync a folder (EINVAL) offers nothing better.
int syncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno;
    const int error = (fsync(fd) != 0 && errno != EINVAL) ? errno : 0;
    close(fd);
    return error;
}

// Rewrites the file itself: every other name and owner keeps seeing it. The
// old contents are read first so that a write that stops part way (a full
// disk) can put them back.
int rewriteInPlace(const std::string& target, const char* bytes, size_t size) {
    int fd = open(target.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    const bool readable = fd >= 0;
    if (!readable) fd = open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return errno;
    std::string old;
    struct stat st {};
    if (readable && fstat(fd, &st) == 0 && st.st_size > 0) {
        old.resize(static_cast<size_t>(st.st_size));
        const ssize_t got = pread(fd, &old[0], old.size(), 0);
        old.resize(got > 0 ? static_cast<size_t>(got) : 0);
    }
    int error = writeAllAt(fd, bytes, size, 0);
    if (!error && ftruncate(fd, static_cast<off_t>(size)) != 0) error = errno;
    if (!error && fsync(fd) != 0) error = errno;
    if (error && readable) {
        writeAllAt(fd, old.data(), old.size(), 0);
        if (ftruncate(fd, static_cast<off_t>(old.size())) == 0) fsync(fd);
    }
    if (close(fd) != 0 && !error) error = errno;
    return error;
}

enum class Replaced { Done, OwnerNotKept };

// Writes a temporary beside target and renames it over target. `old` is the
// file being replaced, or null for a new file.
int replaceByRename(const std::string& target, const char* bytes, size_t size, const struct stat* old,
                    Replaced& outcome) {
    outcome = Replaced::Done;
    std::string temp;
    // A new file gets the usual mode (the umask applies); a replacement is
    // private until it carries the old file's mode.
    const int fd = createTemporary(target, old ? 0600 : 0666, temp);
    if (fd < 0) return errno;
    int error = 0;
    if (old) {
        struct stat made {};
        if (fstat(fd, &made) != 0) {
            error = errno;
        } else if ((made.st_uid != old->st_uid || made.st_gid != old->st_gid) &&
                   fchown(fd, old->st_uid, old->st_gid) != 0) {
            outcome = Replaced::OwnerNotKept;
            error = errno;
        }
        // After the owner: changing the owner may clear set-id bits.
        if (!error && fchmod(fd, old->st_mode & 07777) != 0) error = errno;
    }
    if (!error) error = writeAllAt(fd, bytes, size, 0);
    if (!error && fsync(fd) != 0) error = errno;
    if (close(fd) != 0 && !error) error = errno;
    if (!error && rename(temp.c_str(), target.c_str()) != 0) error = errno;
    if (error) {
        unlink(temp.c_str());
        return error;
    }
    // The new contents are in place; a folder that cannot be synced is still
    // reported, as the save may not outlast a power cut.
    return syncFolder(folderOf(target));
}

} // namespace

int replaceFileContents(const std::string& path, const char* bytes, size_t size) {
    if (path.empty()) return ENOENT;
    if (bytes == nullptr && size > 0) return EINVAL;
    const std::string target = writeTarget(path);
    struct stat st {};
    if (stat(target.c_str(), &st) != 0) {
        if (errno != ENOENT) return errno;
        Replaced outcome;
        return replaceByRename(target, bytes, size, nullptr, outcome);
    }
    if (S_ISDIR(st.st_mode)) return EISDIR;
    if (!S_ISREG(st.st_mode)) return EINVAL;
    if (const int error = plainWriteError(target, st)) return error;
    if (st.st_nlink > 1) return rewriteInPlace(target, bytes, size);
    Replaced outcome;
    const int error = replaceByRename(target, bytes, size, &st, outcome);
    return outcome == Replaced::OwnerNotKept ? rewriteInPlace(target, bytes, size) : error;
}

NS_CC_END
