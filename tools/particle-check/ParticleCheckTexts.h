// Texts of the particle file findings in English and Chinese, with their severities.
#pragma once

#include <string>
#include <vector>

#include "ParticleFinding.h"

class ParticleCheckTexts {
public:
    // A finding of `code` with {1}, {2}, ... replaced by `args`; an unknown
    // code gives an error finding that names it.
    static ParticleFinding make(const std::string& code, const std::vector<std::string>& args = {});
    // Whether the table knows `code`.
    static bool knows(const std::string& code);
    // Every code in the table, in its order.
    static std::vector<std::string> codes();
    // One line for a status bar, in Chinese: empty when there is nothing.
    static std::string summaryZh(const std::vector<ParticleFinding>& findings);
    // "error" or "warning".
    static const char* severityName(ParticleFinding::Severity severity);
    // Shortest text of a number as the messages show it ("12.5", "-1", "inf").
    static std::string number(double value);
};
