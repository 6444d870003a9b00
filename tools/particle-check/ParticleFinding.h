// One thing a particle file makes the game do that the file does not seem to say.
#pragma once

#include <string>

struct ParticleFinding {
    enum class Severity { Warning, Error };

    std::string code; // stable identifier, e.g. "emission-rate-ignored"
    Severity severity = Severity::Warning;
    std::string message;   // one English sentence for the command line
    std::string messageZh; // the same sentence for the editor's interface
};
