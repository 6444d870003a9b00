// Variant payload that carries a wxRealPoint through wxVariant and wxAny values.
#include "editor/wxRealPointVariantData.h"

#include <wx/any.h>

namespace {
const wxString kRealPointType = wxS("wxRealPoint");
}

bool wxRealPointVariantData::Eq(wxVariantData& data) const {
    wxASSERT_MSG(GetType() == data.GetType(), wxS("GetType() == data.GetType()"));
    // A payload of another type is never equal (and must not be read as a point).
    if (GetType() != data.GetType()) return false;
    const auto& other = static_cast<const wxRealPointVariantData&>(data);
    return m_value.x == other.m_value.x && m_value.y == other.m_value.y;
}

wxString wxRealPointVariantData::GetType() const {
    return kRealPointType;
}

wxVariantData* wxRealPointVariantData::Clone() const {
    return new wxRealPointVariantData(m_value);
}

bool wxRealPointVariantData::GetAsAny(wxAny* any) const {
    *any = m_value;
    return true;
}

wxVariantData* wxRealPointVariantData::VariantDataFactory(const wxAny& any) {
    return new wxRealPointVariantData(any.As<wxRealPoint>());
}

wxVariant& operator<<(wxVariant& variant, const wxRealPoint& point) {
    variant.SetData(new wxRealPointVariantData(point));
    return variant;
}

wxRealPoint& wxRealPointRefFromVariant(wxVariant& variant) {
    const bool isPoint = !variant.IsNull() && variant.GetType() == kRealPointType;
    wxASSERT_MSG(isPoint, wxString::Format(wxS("Variant type should have been '%s'instead of '%s'"), kRealPointType,
                                           variant.GetType()));
    if (!isPoint) variant << wxRealPoint();
    return static_cast<wxRealPointVariantData*>(variant.GetData())->GetValue();
}

void RegisterRealPointAnyConversion() {
    // The toolkit keeps a pointer to the registration, so it must live for
    // the whole process; constructing it registers the factory.
    static wxAnyToVariantRegistrationImpl<wxRealPoint> registration(&wxRealPointVariantData::VariantDataFactory);
    (void)registration;
}
