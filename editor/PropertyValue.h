// Property values between the grid's wxVariant, wxAny and the one type each row kind travels as.
#pragma once

#include "editor/PropertyRow.h"

#include <wx/any.h>
#include <wx/variant.h>

// The grid's committed value as the editor objects receive it: what the
// variant's payload converts itself to (wxString, long, double, bool,
// wxRealPoint, wxSize, wxColour), a null wxAny for a null variant, else the
// payload itself.
wxAny GridValueToAny(const wxVariant& value);

// The property's current value converted as above and handed to the
// selection's applyToSelection under the property's full name; a value that
// converts to null is not passed on. What the main window's handler of the
// grid's changed event calls. A change that altered anything becomes an
// undoable step named after the property's label.
void ApplyGridChange(wxPGProperty* property);

// value converted to the type of kind (see PropertyKind) into out; false,
// leaving out alone, when it holds something that does not convert (a
// colour for a number, a string for a point, a null value) or kind carries
// no value. Integers from non-finite or out-of-range numbers are refused.
bool ToKindValue(PropertyKind kind, const wxAny& value, wxAny& out);
