// Converts particle parameter values between the engine's form and the property grid's.
#pragma once

#include "particle/ParticleParameter.h"

#include <wx/any.h>
#include <wx/colour.h>
#include <wx/variant.h>

class ParticleGridValue {
public:
    // The grid value of a row: a double for floats, a long for whole numbers
    // and choices, a bool, a wxColour, a point variant; null for the file and
    // composite rows, whose values the page supplies itself.
    static wxVariant toVariant(const ParticleParameter& row, const ParticleValue& value);

    // Reads a committed grid value into `value`; false when the value is not
    // of the row's kind (the edit is then ignored).
    static bool fromAny(const ParticleParameter& row, const wxAny& any, ParticleValue& value);

    // Engine colour to grid colour: each component × 255, truncated toward
    // zero and held to 0..255 (a component outside 0..1 shows at the limit).
    static wxColour toColour(const cocos2d::Color4F& colour);
    // Grid colour to engine colour: each byte ÷ 255.0.
    static cocos2d::Color4F fromColour(const wxColour& colour);
};
