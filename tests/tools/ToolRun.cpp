// Child runs of the tools through the shell; the display is always taken away, as on a build server.
#include "ToolRun.h"

#include <sys/wait.h>

#include <cstdio>

#include "TempDir.h"

std::string shellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

ToolRun runTool(const std::string& exe, const std::string& args, const std::string& workDir) {
    TempDir tmp;
    ToolRun r;
    std::string cmd =
        "env -u DISPLAY -u WAYLAND_DISPLAY " + shellQuote(exe) + " " + args + " 2>" + shellQuote(tmp.file("err"));
    if (!workDir.empty()) cmd = "cd " + shellQuote(workDir) + " && " + cmd;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return r;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    const int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
    r.err = tmp.read("err");
    return r;
}
