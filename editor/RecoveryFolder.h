// A run's folder of recovery files: its lock, its index and its plists.
#pragma once

#include <memory>
#include <string>
#include <vector>

// One object kept for recovery. Paths are the UTF-8 of the toolkit's text
// for them (see FilePathBytes.h), so that any file name fits in the index.
struct RecoveryEntry {
    // The plist's name inside the folder ("3.plist").
    std::string file;
    // The object's name in the tree while it has no file ("Particle2D").
    std::string name;
    // The file the object came from or was saved to; empty when none.
    std::string originalPath;
    // The picture file the object was showing; empty for an embedded one.
    std::string texturePath;
};

// Every run keeps its files in a folder named after its process number under
// the recovery root, and holds an exclusive lock on the folder's "lock" file
// for as long as it runs. The system drops the lock when the process ends,
// however it ends, so a folder whose lock can be taken belongs to nobody.
class RecoveryFolder {
public:
    ~RecoveryFolder(); // lets go of the lock; the files stay
    RecoveryFolder(const RecoveryFolder&) = delete;
    RecoveryFolder& operator=(const RecoveryFolder&) = delete;

    // "$XDG_STATE_HOME/flarewick/recovery", or "~/.local/state/..." when the
    // variable is unset or not absolute.
    static std::string defaultRoot();

    // This run's folder, made and locked; null with the errno value in *error
    // when it cannot be. A folder already there under the run's number (a
    // dead run's) is left to be offered, and the next free name is taken.
    static std::unique_ptr<RecoveryFolder> createOwn(const std::string& root, int* error = nullptr);
    // The folders under root whose runs have ended, each locked for this
    // run, oldest first. Folders of live runs are never touched.
    static std::vector<std::unique_ptr<RecoveryFolder>> claimAbandoned(const std::string& root);

    const std::string& path() const { return m_path; }
    std::string filePath(const std::string& file) const { return m_path + "/" + file; }

    // The entries of the folder's index; false with the reason in *why when
    // the index cannot be read. A folder without an index holds nothing.
    bool readIndex(std::vector<RecoveryEntry>* entries, std::string* why = nullptr) const;
    // Each returns 0 or the errno value that stopped it; a replaced file is
    // either wholly old or wholly new.
    int writeIndex(const std::vector<RecoveryEntry>& entries) const;
    int writeFile(const std::string& file, const std::string& bytes) const;
    void removeFile(const std::string& file) const;
    // Deletes the files, the lock and the folder itself.
    void removeAll();

private:
    RecoveryFolder(std::string path, int lockFd) : m_path(std::move(path)), m_lockFd(lockFd) {}
    // The folder's lock, taken without waiting; -1 when another run holds it.
    static int takeLock(const std::string& folder, bool create);

    std::string m_path;
    int m_lockFd = -1;
};
