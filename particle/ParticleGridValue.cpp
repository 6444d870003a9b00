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

bool readNumber(const wxAny& any, double& out) {
    if (any.CheckType<double>()) return any.GetAs(&out);
    if (any.CheckType<long>()) {
        long l = 0;
        if (!any.GetAs(&l)) return false;
        out = static_cast<double>(l);
        return true;
    }
    if (any.CheckType<int>()) {
        int i = 0;
        if (!any.GetAs(&i)) return false;
        out = i;
        return true;
    }
    return false;
}

}

wxColour ParticleGridValue::toColour(const cocos2d::Color4F& c) {
    return wxColour(toByte(c.r), toByte(c.g), toByte(c.b), toByte(c.a));
}

cocos2d::Color4F ParticleGridValue::fromColour(const wxColour& c) {
    return cocos2d::Color4F(fromByte(c.Red()), fromByte(c.Green()), fromByte(c.Blue()), fromByte(c.Alpha()));
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

bool ParticleGridValue::fromAny(const ParticleParameter& row, const wxAny& any, ParticleValue& value) {
    switch (row.kind) {
    case ParticleValueKind::Float:
    case ParticleValueKind::Int:
    case ParticleValueKind::Choice:
    case ParticleValueKind::Alpha:
        return readNumber(any, value.number);
    case ParticleValueKind::Bool: {
        bool b = false;
        if (!any.CheckType<bool>() || !any.GetAs(&b)) return false;
        value.number = b ? 1.0 : 0.0;
        return true;
    }
    case ParticleValueKind::Colour: {
        wxColour c;
        if (!any.CheckType<wxColour>() || !any.GetAs(&c) || !c.IsOk()) return false;
        value.colour = fromColour(c);
        return true;
    }
    case ParticleValueKind::Point: {
        wxRealPoint p;
        if (!any.CheckType<wxRealPoint>() || !any.GetAs(&p)) return false;
        value.point = cocos2d::Vec2(static_cast<float>(p.x), static_cast<float>(p.y));
        return true;
    }
    case ParticleValueKind::File:
    case ParticleValueKind::Composite:
        break;
    }
    return false;
}
