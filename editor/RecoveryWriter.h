// Writing recovery files on a thread of their own, so the preview never waits for the disk.
#pragma once

#include "editor/RecoveryFolder.h"

#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

// What the folder must hold after one pass: every entry of the index, and
// the new contents of those whose object changed since the last pass.
struct RecoverySnapshot {
    std::vector<RecoveryEntry> entries;
    // File name to plist text; files of entries missing here are kept as written.
    std::map<std::string, std::string> contents;
};

class RecoveryWriter {
public:
    // Makes the run's folder under root when there is first something to keep.
    explicit RecoveryWriter(std::string root);
    // Waits for a write under way, then stops; the folder stays.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    // Hands a pass to the thread. A pass not yet begun is replaced by a newer
    // one, with the contents it carried kept unless the newer one has its own.
    void submit(RecoverySnapshot snapshot);
    // Returns once every pass handed over has been dealt with; false when the
    // last one could not be written.
    bool flush();
    // Drops what is waiting and deletes the run's folder: the run ends well.
    void discard();

    // The run's folder, or empty before the first pass that kept something.
    std::string folderPath() const;
    // Called on the thread after a pass that could not be written, with the
    // errno value; once per run of failures.
    void setFailed(std::function<void(int error)> failed);

private:
    void run();
    int write(const RecoverySnapshot& snapshot);

    const std::string m_root;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::optional<RecoverySnapshot> m_pending;
    // Contents of a pass that failed, for the next one.
    std::map<std::string, std::string> m_unwritten;
    bool m_busy = false;
    bool m_stop = false;
    bool m_failing = false;
    std::function<void(int)> m_failed;
    // Touched by the thread only, or under the mutex while it is idle.
    std::unique_ptr<RecoveryFolder> m_folder;
    std::vector<RecoveryEntry> m_written;
    std::thread m_thread;
};
