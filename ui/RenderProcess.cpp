// A child with one pipe: lines of progress come in while the editor's own loop keeps running.
#include "ui/RenderProcess.h"

#include "platform/CCRunTimeFiles.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

extern char** environ;

namespace {

const char kPrefix[] = "particle-render: ";

} // namespace

RenderProcess::~RenderProcess() {
    kill();
}

std::string RenderProcess::besideProgram() {
    const std::string self = cocos2d::executablePath();
    if (self.empty()) return "particle-render";
    return self.substr(0, self.rfind('/') + 1) + "particle-render";
}

bool RenderProcess::start(const std::string& exe, const std::vector<std::string>& args, std::string* why) {
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
        *why = std::strerror(errno);
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(exe.c_str()));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const int failed = posix_spawn(&m_pid, exe.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (failed != 0) {
        close(pipeEnds[0]);
        m_pid = -1;
        *why = exe + ": " + std::strerror(failed);
        return false;
    }
    m_fd = pipeEnds[0];
    // The render shares the processors with the live preview, which goes first.
    setpriority(PRIO_PROCESS, static_cast<id_t>(m_pid), 10);
    return true;
}

void RenderProcess::takeLines(bool all) {
    size_t end;
    while ((end = m_pending.find('\n')) != std::string::npos || (all && !m_pending.empty())) {
        if (end == std::string::npos) end = m_pending.size();
        std::string line = m_pending.substr(0, end);
        m_pending.erase(0, end + 1);
        int done = 0, total = 0;
        if (std::sscanf(line.c_str(), "frame %d/%d", &done, &total) == 2) {
            m_done = done;
            continue;
        }
        if (line.compare(0, sizeof kPrefix - 1, kPrefix) == 0) line.erase(0, sizeof kPrefix - 1);
        m_errors += (m_errors.empty() ? "" : "\n") + line;
    }
}

bool RenderProcess::poll(int ms) {
    if (m_pid < 0) return false;
    if (m_fd >= 0) {
        pollfd p = {m_fd, POLLIN, 0};
        if (::poll(&p, 1, ms) > 0) {
            char buf[4096];
            const ssize_t n = read(m_fd, buf, sizeof buf);
            if (n > 0) {
                m_pending.append(buf, static_cast<size_t>(n));
                takeLines(false);
            } else if (n == 0 || (errno != EINTR && errno != EAGAIN)) {
                close(m_fd);
                m_fd = -1;
            }
        }
    }
    // The pipe closes when the child ends; only then is it waited for.
    if (m_fd >= 0) return true;
    int st = 0;
    waitpid(m_pid, &st, 0);
    m_status = WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
    m_pid = -1;
    takeLines(true);
    return false;
}

std::string RenderProcess::errors() const {
    return m_errors;
}

void RenderProcess::kill() {
    if (m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        int st = 0;
        waitpid(m_pid, &st, 0);
        m_status = 128 + SIGKILL;
        m_pid = -1;
    }
    if (m_fd >= 0) close(m_fd);
    m_fd = -1;
}
