// Property-grid property for a 2D point with real coordinates, edited through children "X" and "Y".
#include "editor/wxPointProperty.h"

#include "editor/wxRealPointVariantData.h"

#include <wx/propgrid/props.h>

wxPG_IMPLEMENT_PROPERTY_CLASS(wxPointProperty, wxPGProperty, TextCtrl)

    wxPointProperty::wxPointProperty(const wxString& label, const wxString& name, const wxRealPoint& value)
    : wxPGProperty(label, name) {
    wxVariant variant;
    variant << value;
    SetValue(variant);
    AddPrivateChild(new wxFloatProperty(wxS("X"), wxS("X"), value.x));
    AddPrivateChild(new wxFloatProperty(wxS("Y"), wxS("Y"), value.y));
}

wxVariant wxPointProperty::ChildChanged(wxVariant& thisValue, int childIndex, wxVariant& childValue) const {
    // Work on a copy: the current value may share its payload with the
    // property's stored value, which must stay untouched until the grid
    // accepts the new one.
    wxRealPoint point = wxRealPointRefFromVariant(thisValue);
    // Coordinates are single precision in the engine, so the grid keeps
    // exactly what the engine will store.
    const double v = static_cast<double>(static_cast<float>(childValue.GetDouble()));
    if (childIndex == 0)
        point.x = v;
    else if (childIndex == 1)
        point.y = v;
    wxVariant result;
    result << point;
    return result;
}

void wxPointProperty::RefreshChildren() {
    if (GetChildCount() < 2) return;
    wxVariant value = GetValue();
    if (value.IsNull() || value.GetType() != wxS("wxRealPoint")) return;
    const wxRealPoint& point = wxRealPointRefFromVariant(value);
    Item(0)->SetValue(wxVariant(point.x));
    Item(1)->SetValue(wxVariant(point.y));
}
