// Property-grid property for an integer size, edited through children "Width" and "Height".
#pragma once

#include <wx/propgrid/property.h>

class wxSizeProperty : public wxPGProperty {
    WX_PG_DECLARE_PROPERTY_CLASS(wxSizeProperty)
public:
    wxSizeProperty(const wxString& label = wxPG_LABEL, const wxString& name = wxPG_LABEL,
                   const wxSize& value = wxSize(0, 0));
    ~wxSizeProperty() override = default;

    wxVariant ChildChanged(wxVariant& thisValue, int childIndex, wxVariant& childValue) const override;
    void RefreshChildren() override;

    // The integer a typed child value becomes: rounded to single precision,
    // then truncated toward zero. Values beyond the int range saturate; NaN
    // has no integer and yields false.
    static bool ChildToInt(double typed, int* result);
};
