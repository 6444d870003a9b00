// Child processes for tests.
#include "ChildProcess.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

ChildProcess::ChildProcess(const std::string& exe, const std::vector<std::string>& args, const std::string& workDir,
                           const std::vector<std::string>& env, const std::string& logFile) {
    std::vector<std::string> argv{exe};
    argv.insert(argv.end(), args.begin(), args.end());
    m_pid = fork();
    if (m_pid < 0) throw std::runtime_error("fork failed");
    if (m_pid == 0) {
        if (!workDir.empty() && chdir(workDir.c_str()) != 0) _exit(126);
        // The editor asks its update server at start-up; tests never let it
        // leave this machine. Port 1 on the loopback refuses at once.
        setenv("FLAREWICK_SERVER", "127.0.0.1:1", 1);
        // Recovery files of a run a test ends stay with the test's own files.
        char here[4096];
        if (getcwd(here, sizeof here)) setenv("XDG_STATE_HOME", (std::string(here) + "/.state").c_str(), 1);
        for (const auto& e : env) putenv(strdup(e.c_str()));
        if (!logFile.empty()) {
            int fd = open(logFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd >= 0) {
                dup2(fd, 1);
                dup2(fd, 2);
                close(fd);
            }
        }
        std::vector<char*> cargv;
        for (auto& a : argv) cargv.push_back(const_cast<char*>(a.c_str()));
        cargv.push_back(nullptr);
        execv(exe.c_str(), cargv.data());
        _exit(127);
    }
}

ChildProcess::~ChildProcess() {
    kill();
}

bool ChildProcess::running() {
    if (m_pid <= 0) return false;
    int st = 0;
    pid_t r = waitpid(m_pid, &st, WNOHANG);
    if (r == m_pid) {
        m_status = WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
        m_pid = -1;
        return false;
    }
    return true;
}

bool ChildProcess::waitExit(double seconds) {
    auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (running()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

void ChildProcess::kill() {
    if (!running()) return;
    ::kill(m_pid, SIGKILL);
    int st = 0;
    waitpid(m_pid, &st, 0);
    m_status = 128 + SIGKILL;
    m_pid = -1;
}
