// Texts of the particle file findings in English and Chinese, with their severities.
#pragma once

#include <string>
#include <vector>

#include "ParticleFinding.h"

class ParticleCheckTexts {
public:
    // A finding of `code` with {1}, {2}, ... replaced by `args`, which it
    // keeps; an unknown code gives an error finding whose one argument is
    // the code.
    static ParticleFinding make(const std::string& code, const std::vector<std::string>& args = {});
    // The Chinese sentence of `code` with its {1}, {2}, ... places, as the
    // catalog knows it; a code the table does not know gets the sentence
    // that names it.
    static const char* templateZh(const std::string& code);
    // `pattern` with {1} to {9} replaced by args (a place with no argument
    // gives nothing). A template, so that the editor can fill a translated
    // sentence with arguments in its own string type.
    template <class Text>
    static Text fill(const Text& pattern, const std::vector<Text>& args);
    // Whether the table knows `code`.
    static bool knows(const std::string& code);
    // Every code in the table, in its order.
    static std::vector<std::string> codes();
    // The status-bar line: a Chinese sentence as the catalog knows it, with
    // {1} for the errors and {2} for the warnings, and those two numbers;
    // no sentence (null) when there is nothing.
    struct Summary {
        const char* templateZh = nullptr;
        std::vector<std::string> args;
    };
    static Summary summary(const std::vector<ParticleFinding>& findings);
    // The same line filled in, in Chinese: empty when there is nothing.
    static std::string summaryZh(const std::vector<ParticleFinding>& findings);
    // "error" or "warning".
    static const char* severityName(ParticleFinding::Severity severity);
    // Shortest text of a number as the messages show it ("12.5", "-1", "inf").
    static std::string number(double value);
};

template <class Text>
Text ParticleCheckTexts::fill(const Text& pattern, const std::vector<Text>& args) {
    Text out;
    const size_t length = pattern.length();
    for (size_t i = 0; i < length; ++i) {
        // {n} with a single digit 1-9 is a place; anything else is text.
        size_t index = 9;
        if (i + 2 < length && pattern[i] == '{' && pattern[i + 2] == '}')
            for (size_t digit = 0; digit < 9 && index == 9; ++digit)
                if (pattern[i + 1] == static_cast<char>('1' + digit)) index = digit;
        if (index == 9) {
            out += pattern[i];
            continue;
        }
        if (index < args.size()) out += args[index];
        i += 2;
    }
    return out;
}
