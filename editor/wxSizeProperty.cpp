// Property-grid property for an integer size, edited through children "Width" and "Height".
#include "editor/wxSizeProperty.h"

#include <wx/propgrid/props.h>

#include <climits>
#include <cmath>

wxPG_IMPLEMENT_PROPERTY_CLASS(wxSizeProperty, wxPGProperty, TextCtrl)

    namespace {
    bool holdsSize(const wxVariant& value) {
        return !value.IsNull() && value.GetType() == wxS("wxSize");
    }
}

wxSizeProperty::wxSizeProperty(const wxString& label, const wxString& name, const wxSize& value)
    : wxPGProperty(label, name) {
    wxVariant variant;
    variant << value;
    SetValue(variant);
    AddPrivateChild(new wxFloatProperty(wxS("Width"), wxS("Width"), value.x));
    AddPrivateChild(new wxFloatProperty(wxS("Height"), wxS("Height"), value.y));
}

bool wxSizeProperty::ChildToInt(double typed, int* result) {
    const float single = static_cast<float>(typed);
    if (std::isnan(single)) return false;
    // Converting an out-of-range float to int is undefined, so saturate first.
    if (single >= static_cast<float>(INT_MAX))
        *result = INT_MAX;
    else if (single <= static_cast<float>(INT_MIN))
        *result = INT_MIN;
    else
        *result = static_cast<int>(single);
    return true;
}

wxVariant wxSizeProperty::ChildChanged(wxVariant& thisValue, int childIndex, wxVariant& childValue) const {
    // A copy, so the stored value is not changed behind the grid's back; an
    // unset value starts from (0, 0) instead of being read as a size.
    wxSize size = holdsSize(thisValue) ? wxSizeRefFromVariant(thisValue) : wxSize(0, 0);
    int v = 0;
    if (ChildToInt(childValue.GetDouble(), &v)) {
        if (childIndex == 0)
            size.x = v;
        else if (childIndex == 1)
            size.y = v;
    }
    wxVariant result;
    result << size;
    return result;
}

void wxSizeProperty::RefreshChildren() {
    if (GetChildCount() < 2) return;
    const wxVariant value = GetValue();
    if (!holdsSize(value)) return;
    const wxSize& size = wxSizeRefFromVariant(value);
    Item(0)->SetValue(wxVariant(static_cast<long>(size.x)));
    Item(1)->SetValue(wxVariant(static_cast<long>(size.y)));
}
