// Engine values to grid values and back, by the kind of the parameter's row.
#include "particle/ParticleGridValue.h"

#include "editor/wxRealPointVariantData.h"

#include <wx/gdicmn.h>

namespace {

unsigned char toByte(float component) {
    const double scaled = static_cast<double>(component) * 255.0;
    if (!(scaled > 0.0)) return 0;
    if (scaled >= 255.0) return 255;
    return static_cast<unsigned char>(scaled);
}

float fromByte(unsigned char byte) {
    return static_cast<float>(byte / 255.0);
}

}

PropertyKind ParticleGridValue::kindOf(ParticleValueKind kind) {
    switch (kind) {
    case ParticleValueKind::Float:
        return PropertyKind::Float;
    case ParticleValueKind::Int:
    case ParticleValueKind::Alpha:
        return PropertyKind::Int;
    case ParticleValueKind::Bool:
        return PropertyKind::Bool;
    case ParticleValueKind::Choice:
        return PropertyKind::Enum;
    case ParticleValueKind::Colour:
        return PropertyKind::Colour;
    case ParticleValueKind::Point:
        return PropertyKind::Point;
    case ParticleValueKind::File:
        return PropertyKind::File;
    case ParticleValueKind::Composite:
        break;
    }
    return PropertyKind::Composite;
}

wxColour ParticleGridValue::toColour(const cocos2d::Color4F& c) {
    return wxColour(toByte(c.r), toByte(c.g), toByte(c.b), toByte(c.a));
}

cocos2d::Color4F ParticleGridValue::fromColour(const wxColour& c) {
    return cocos2d::Color4F(fromByte(c.Red()), fromByte(c.Green()), fromByte(c.Blue()), fromByte(c.Alpha()));
}

wxAny ParticleGridValue::toAny(const ParticleParameter& row, const ParticleValue& value) {
    switch (row.kind) {
    case ParticleValueKind::Float:
        return value.number;
    case ParticleValueKind::Int:
    case ParticleValueKind::Choice:
    case ParticleValueKind::Alpha:
        return static_cast<int>(value.number);
    case ParticleValueKind::Bool:
        return value.number != 0.0;
    case ParticleValueKind::Colour:
        return toColour(value.colour);
    case ParticleValueKind::Point:
        return wxRealPoint(value.point.x, value.point.y);
    case ParticleValueKind::File:
    case ParticleValueKind::Composite:
        break;
    }
    return wxAny();
}

wxVariant ParticleGridValue::toVariant(const ParticleParameter& row, const ParticleValue& value) {
    wxVariant variant;
    switch (row.kind) {
    case ParticleValueKind::Float:
        variant = value.number;
        break;
    case ParticleValueKind::Int:
    case ParticleValueKind::Choice:
    case ParticleValueKind::Alpha:
        variant = static_cast<long>(value.number);
        break;
    case ParticleValueKind::Bool:
        variant = value.number != 0.0;
        break;
    case ParticleValueKind::Colour:
        variant << toColour(value.colour);
        break;
    case ParticleValueKind::Point:
        variant << wxRealPoint(value.point.x, value.point.y);
        break;
    case ParticleValueKind::File:
    case ParticleValueKind::Composite:
        break;
    }
    return variant;
}

ParticleValue ParticleGridValue::fromAny(const ParticleParameter& row, const wxAny& any) {
    ParticleValue value;
    switch (row.kind) {
    case ParticleValueKind::Float:
        value.number = any.As<double>();
        break;
    case ParticleValueKind::Int:
    case ParticleValueKind::Choice:
    case ParticleValueKind::Alpha:
        value.number = any.As<int>();
        break;
    case ParticleValueKind::Bool:
        value.number = any.As<bool>() ? 1.0 : 0.0;
        break;
    case ParticleValueKind::Colour:
        value.colour = fromColour(any.As<wxColour>());
        break;
    case ParticleValueKind::Point: {
        const wxRealPoint p = any.As<wxRealPoint>();
        value.point = cocos2d::Vec2(static_cast<float>(p.x), static_cast<float>(p.y));
        break;
    }
    case ParticleValueKind::File:
    case ParticleValueKind::Composite:
        break;
    }
    return value;
}
