// Starts a program for a test and makes sure it never outlives the test.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

class ChildProcess {
public:
    // Starts `exe` with `args` in `workDir`; `env` holds extra "NAME=value"
    // entries. Standard output and error go to `logFile` when given.
    ChildProcess(const std::string& exe, const std::vector<std::string>& args,
                 const std::string& workDir, const std::vector<std::string>& env = {},
                 const std::string& logFile = {});
    ~ChildProcess();  // kills the program if it still runs
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return m_pid; }
    bool running();
    // Waits up to `seconds` for the program to end; returns false on time-out.
    bool waitExit(double seconds);
    // The exit status once ended: the exit code, or 128 + signal.
    int exitStatus() const { return m_status; }
    void kill();

private:
    pid_t m_pid = -1;
    int m_status = -1;
};
