// Runs one of our command-line programs for a test, with DISPLAY unset, and collects what it printed.
#pragma once

#include <string>

struct ToolRun {
    int status = -1; // exit code, or 128 + signal
    std::string out;
    std::string err;
};

// Runs `exe` with `args` (already shell-quoted) in `workDir` (empty: here).
ToolRun runTool(const std::string& exe, const std::string& args, const std::string& workDir = std::string());

std::string shellQuote(const std::string& s);
