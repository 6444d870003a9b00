// Converts particle parameter values between the engine's form and the property grid's.
#pragma once

#include "particle/ParticleParameter.h"

#include "editor/PropertyRow.h"

#include <wx/any.h>
#include <wx/colour.h>
#include <wx/variant.h>

class ParticleGridValue {
public:
    // The grid's kind of a parameter row (an alpha is a whole number).
    static PropertyKind kindOf(ParticleValueKind kind);

    // The grid value of a row, in the type its kind travels as: a double for
    // floats, an int for whole numbers and choices, a bool, a wxColour, a
    // wxRealPoint; null for the file and composite rows.
    static wxAny toAny(const ParticleParameter& row, const ParticleValue& value);
    // The same as a variant, for refreshing a property already on the page.
    static wxVariant toVariant(const ParticleParameter& row, const ParticleValue& value);

    // A committed value already in its kind's type (PropertyTable converts
    // it) back to the engine's form.
    static ParticleValue fromAny(const ParticleParameter& row, const wxAny& any);

    // Engine colour to grid colour: each component × 255, truncated toward
    // zero and held to 0..255 (a component outside 0..1 shows at the limit).
    static wxColour toColour(const cocos2d::Color4F& colour);
    // Grid colour to engine colour: each byte ÷ 255.0.
    static cocos2d::Color4F fromColour(const wxColour& colour);
};
