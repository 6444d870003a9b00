// The keys the game's particle loader reads, with how it reads each and in which emitter mode.
#pragma once

#include <string>

class ParticlePlistKeys {
public:
    enum class Kind { Float, Int, Bool, String };
    enum class Mode { Both, Gravity, Radius };

    struct Key {
        const char* name;
        Kind kind;
        Mode mode;
    };

    // The entry for `name`, or null for a key the game does not read.
    static const Key* find(const std::string& name);
};
