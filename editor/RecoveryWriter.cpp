// The recovery thread: takes the newest pass, writes the changed plists, then the index.
#include "editor/RecoveryWriter.h"

#include <algorithm>
#include <cerrno>

RecoveryWriter::RecoveryWriter(std::string root) : m_root(std::move(root)), m_thread([this] { run(); }) {}

RecoveryWriter::~RecoveryWriter() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void RecoveryWriter::submit(RecoverySnapshot snapshot) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_pending) snapshot.contents.insert(m_pending->contents.begin(), m_pending->contents.end());
        snapshot.contents.insert(m_unwritten.begin(), m_unwritten.end());
        m_unwritten.clear();
        m_pending = std::move(snapshot);
    }
    m_wake.notify_all();
}

bool RecoveryWriter::flush() {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_idle.wait(lock, [this] { return !m_pending && !m_busy; });
    return !m_failing;
}

void RecoveryWriter::discard() {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_pending.reset();
    m_idle.wait(lock, [this] { return !m_busy; });
    if (m_folder) m_folder->removeAll();
    m_folder.reset();
    m_written.clear();
}

std::string RecoveryWriter::folderPath() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_folder ? m_folder->path() : std::string();
}

void RecoveryWriter::setFailed(std::function<void(int error)> failed) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_failed = std::move(failed);
}

void RecoveryWriter::run() {
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stop || m_pending; });
        if (m_stop) break;
        RecoverySnapshot snapshot = std::move(*m_pending);
        m_pending.reset();
        m_busy = true;
        lock.unlock();
        const int error = write(snapshot);
        lock.lock();
        m_busy = false;
        if (error) {
            // What did not reach the disk goes with the next pass; there is no
            // retrying in a loop against a full disk.
            m_unwritten = std::move(snapshot.contents);
            if (m_pending) m_pending->contents.insert(m_unwritten.begin(), m_unwritten.end());
            if (!m_failing && m_failed) m_failed(error);
        } else {
            m_unwritten.clear();
        }
        m_failing = error != 0;
        m_idle.notify_all();
    }
}

int RecoveryWriter::write(const RecoverySnapshot& snapshot) {
    if (!m_folder) {
        if (snapshot.entries.empty()) return 0;
        int error = 0;
        m_folder = RecoveryFolder::createOwn(m_root, &error);
        if (!m_folder) return error ? error : EIO;
    }
    for (const RecoveryEntry& entry : snapshot.entries) {
        auto text = snapshot.contents.find(entry.file);
        if (text == snapshot.contents.end()) continue;
        if (const int error = m_folder->writeFile(entry.file, text->second)) return error;
    }
    if (const int error = m_folder->writeIndex(snapshot.entries)) return error;
    for (const RecoveryEntry& old : m_written) {
        const bool kept = std::any_of(snapshot.entries.begin(), snapshot.entries.end(),
                                      [&](const RecoveryEntry& entry) { return entry.file == old.file; });
        if (!kept) m_folder->removeFile(old.file);
    }
    m_written = snapshot.entries;
    return 0;
}
