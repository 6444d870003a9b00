// Conversions of property values: the grid's wxVariant to wxAny, and any wxAny to the type of a row kind.
#include "editor/PropertyValue.h"

#include "editor/PropertyChangeStep.h"
#include "editor/SelectionManager.h"

#include <wx/colour.h>
#include <wx/gdicmn.h>
#include <wx/propgrid/property.h>

#include <cmath>
#include <limits>

wxAny GridValueToAny(const wxVariant& value) {
    // wxAny's own conversion does exactly this: the payload's GetAsAny, a
    // null wxAny for a null variant, otherwise the wrapped payload.
    return wxAny(value);
}

void ApplyGridChange(wxPGProperty* property) {
    if (!property) return;
    const wxAny value = GridValueToAny(property->GetValue());
    if (value.IsNull()) return;
    PropertyChangeStep::Recorder step;
    SelectionManager::getInstance()->applyToSelection(property, property->GetName(), value);
    step.finish(property->GetLabel());
}

namespace {
bool toInt(const wxAny& value, wxAny& out) {
    if (value.CheckType<bool>() || value.CheckType<wxString>()) return false;
    double number = 0;
    if (!value.GetAs(&number) || !std::isfinite(number)) return false;
    number = std::trunc(number);
    if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max()) return false;
    out = static_cast<int>(number);
    return true;
}

template <class T>
bool exactly(const wxAny& value, wxAny& out) {
    if (!value.CheckType<T>()) return false;
    out = value.As<T>();
    return true;
}
}

bool ToKindValue(PropertyKind kind, const wxAny& value, wxAny& out) {
    if (value.IsNull()) return false;
    switch (kind) {
    case PropertyKind::Bool:
        if (value.CheckType<bool>()) return exactly<bool>(value, out);
        // A number from an untyped source counts as a flag.
        if (toInt(value, out)) {
            out = out.As<int>() != 0;
            return true;
        }
        return false;
    case PropertyKind::Int:
    case PropertyKind::Enum:
        return toInt(value, out);
    case PropertyKind::Float: {
        if (value.CheckType<bool>() || value.CheckType<wxString>()) return false;
        double number = 0;
        if (!value.GetAs(&number)) return false;
        out = number;
        return true;
    }
    case PropertyKind::String:
    case PropertyKind::File:
        return exactly<wxString>(value, out);
    case PropertyKind::Colour:
        return exactly<wxColour>(value, out);
    case PropertyKind::Point:
        return exactly<wxRealPoint>(value, out);
    case PropertyKind::Size:
        return exactly<wxSize>(value, out);
    case PropertyKind::Category:
    case PropertyKind::Composite:
        return false;
    }
    return false;
}
