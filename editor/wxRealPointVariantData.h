// Variant payload that carries a wxRealPoint through wxVariant and wxAny values.
#pragma once

#include <wx/gdicmn.h>
#include <wx/variant.h>

class wxRealPointVariantData : public wxVariantData {
public:
    wxRealPointVariantData() = default;
    explicit wxRealPointVariantData(const wxRealPoint& point) : m_value(point) {}
    ~wxRealPointVariantData() override = default;

    // Equal exactly when both coordinates compare equal as doubles, so a
    // NaN coordinate never equals anything.
    bool Eq(wxVariantData& data) const override;
    wxString GetType() const override;
    wxVariantData* Clone() const override;
    bool GetAsAny(wxAny* any) const override;

    wxRealPoint& GetValue() { return m_value; }
    const wxRealPoint& GetValue() const { return m_value; }

    // Builds the payload for a wxAny holding a wxRealPoint (wxAny to wxVariant).
    static wxVariantData* VariantDataFactory(const wxAny& any);

private:
    wxRealPoint m_value;
};

// Gives the variant a new payload holding the point.
wxVariant& operator<<(wxVariant& variant, const wxRealPoint& point);

// Reference to the point inside the variant. A variant of any other type is
// reported and then reset to hold the point (0, 0), so the reference is
// always into a real point payload.
wxRealPoint& wxRealPointRefFromVariant(wxVariant& variant);

// Makes wxAny values holding a wxRealPoint convert into a wxVariant with a
// wxRealPointVariantData payload. Safe to call more than once.
void RegisterRealPointAnyConversion();
