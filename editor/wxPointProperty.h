// Property-grid property for a 2D point with real coordinates, edited through children "X" and "Y".
#pragma once

#include <wx/propgrid/property.h>

class wxPointProperty : public wxPGProperty {
    WX_PG_DECLARE_PROPERTY_CLASS(wxPointProperty)
public:
    wxPointProperty(const wxString& label = wxPG_LABEL, const wxString& name = wxPG_LABEL,
                    const wxRealPoint& value = wxRealPoint());
    ~wxPointProperty() override = default;

    wxVariant ChildChanged(wxVariant& thisValue, int childIndex, wxVariant& childValue) const override;
    void RefreshChildren() override;
};
