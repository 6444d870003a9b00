// The particle parameters, each described once: its grid row, how the engine holds it and how the plist carries it.
#pragma once

#include "base/ccTypes.h"
#include "math/Vec2.h"

#include <cstddef>
#include <string>
#include <vector>

namespace cocos2d {
class ParticleSystem;
}

// What a row shows and what its value is made of.
enum class ParticleValueKind {
    Float,     // float, shown as a double
    Int,       // whole number
    Bool,      // yes or no
    Choice,    // one of a choice list (the number is the choice's value)
    Colour,    // four floats 0..1, shown as bytes
    Alpha,     // the alpha of one of the colours, shown as a byte
    Point,     // two floats
    File,      // the texture file name; held by the editor object, not by the engine
    Composite, // a parent row that only shows its children
};

enum class ParticleCategory { Common, Display, Emitter };

// Rows that exist only under "emitterType", for one emitter mode.
enum class EmitterGroup { None, Gravity, Radius };

enum class ParticleChoices { None, EmitterModes, BlendFactors, PositionTypes };

// The element that carries a value in the plist.
enum class PlistElement { None, Real, Integer, String };

// One value of any kind; the kind of its row says which member counts.
struct ParticleValue {
    double number = 0.0;
    cocos2d::Vec2 point;
    cocos2d::Color4F colour{0, 0, 0, 0};
};

struct ParticleParameter {
    // The grid name: the engine's plist key, or for the composed rows the
    // stem their plist keys are built on.
    const char* name;
    const char* label;
    const char* help;
    ParticleCategory category;
    EmitterGroup group;
    // Name of the parent row for the children of a composite; null otherwise.
    const char* parent;
    ParticleValueKind kind;
    ParticleChoices choices;
    // Plist key (or stem for colours and points: "Red".."Alpha", "x"/"y"
    // follow it); null when the writer leaves the parameter out.
    const char* plistKey;
    PlistElement element;
    // Position in the written file, counted from 1; 0 for rows never written.
    int writeSlot;
    // Reading and writing the engine value; null for the file and composite rows.
    ParticleValue (*get)(cocos2d::ParticleSystem& system);
    void (*set)(cocos2d::ParticleSystem& system, const ParticleValue& value);
    // The row whose value `set` changes as well (count and rate are linked
    // through the life); null when it changes nothing else.
    const char* linked;

    // "emitterType.speed", "blendFunc.blendFuncSource": the name the grid reports.
    std::string fullName() const;
    bool isWritten() const { return writeSlot > 0; }
};

// Rows in the table (a compile-time number, for code that makes one function per row).
constexpr size_t kParticleParameterCount = 45;

// Every row, in the order of the page: the "common" category with the two
// emitter-mode groups right after "emitterType", then "display", then "emitter".
const std::vector<ParticleParameter>& particleParameters();

// The row whose full name is `fullName` (compared exactly), or null.
const ParticleParameter* findParticleParameter(const std::string& fullName);

// The written rows in file order.
std::vector<const ParticleParameter*> particleParametersInFileOrder();

// One entry of a choice list.
struct ParticleChoice {
    const char* label;
    long value;
};

const std::vector<ParticleChoice>& particleChoices(ParticleChoices list);
