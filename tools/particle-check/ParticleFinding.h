// One thing a particle file makes the game do that the file does not seem to say.
#pragma once

#include <string>
#include <vector>

struct ParticleFinding {
    enum class Severity { Warning, Error };

    std::string code; // stable identifier, e.g. "emission-rate-ignored"
    Severity severity = Severity::Warning;
    // The values put into the sentence's places, in order ({1} is the first);
    // a file name among them keeps its bytes as the system gave them.
    std::vector<std::string> args;
    std::string message;   // one English sentence for the command line
    std::string messageZh; // the same sentence in Chinese, as the editor shows it untranslated
};
