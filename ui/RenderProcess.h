// particle-render as a child process: started beside the editor, its progress read as it goes, killed on cancel.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

class RenderProcess {
public:
    RenderProcess() = default;
    ~RenderProcess(); // kills the child if it still runs
    RenderProcess(const RenderProcess&) = delete;
    RenderProcess& operator=(const RenderProcess&) = delete;

    // Starts `exe` with `args`; its standard error is read back, its standard output dropped. False with the reason.
    bool start(const std::string& exe, const std::vector<std::string>& args, std::string* why);
    // Waits up to `ms` for output or the end; true while the child still runs.
    bool poll(int ms);
    // The last "frame I/N" line seen (0 before the first).
    int framesDone() const { return m_done; }
    // Exit status once ended (the code, or 128 + signal).
    int status() const { return m_status; }
    // What it printed besides progress, without the program's name in front.
    std::string errors() const;
    // Stops the child at once and waits for it.
    void kill();

    // particle-render in the folder of the running program.
    static std::string besideProgram();

private:
    void takeLines(bool all);

    pid_t m_pid = -1;
    int m_fd = -1;
    int m_status = -1;
    int m_done = 0;
    std::string m_pending;
    std::string m_errors;
};
