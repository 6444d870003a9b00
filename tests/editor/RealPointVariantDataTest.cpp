// The wxRealPoint variant payload, its free operations and the size child conversion, without a display.
#include "AssertCapture.h"

#include "editor/wxRealPointVariantData.h"
#include "editor/wxSizeProperty.h"

#include <gtest/gtest.h>
#include <wx/any.h>

#include <climits>
#include <cmath>
#include <limits>

namespace {
wxVariant pointVariant(double x, double y) {
    wxVariant v;
    v << wxRealPoint(x, y);
    return v;
}
}

TEST(RealPointVariantData, VariantHoldsAndSharesThePoint) {
    wxVariant v = pointVariant(1.5, -2);
    EXPECT_EQ(v.GetType(), wxS("wxRealPoint"));
    EXPECT_EQ(wxRealPointRefFromVariant(v), wxRealPoint(1.5, -2));
    wxRealPointRefFromVariant(v).y = 9;
    EXPECT_EQ(wxRealPointRefFromVariant(v), wxRealPoint(1.5, 9));

    // A clone is a separate point.
    wxRealPointVariantData original(wxRealPoint(3, 4));
    wxVariantData* copy = original.Clone();
    static_cast<wxRealPointVariantData*>(copy)->GetValue().x = 30;
    EXPECT_EQ(original.GetValue(), wxRealPoint(3, 4));
    EXPECT_EQ(copy->GetType(), wxS("wxRealPoint"));
    copy->DecRef();
}

TEST(RealPointVariantData, EqualityComparesBothCoordinatesExactly) {
    EXPECT_TRUE(pointVariant(0.1, 40) == pointVariant(0.1, 40));
    EXPECT_TRUE(pointVariant(0.0, 1) == pointVariant(-0.0, 1));
    EXPECT_FALSE(pointVariant(0.1, 40) == pointVariant(0.1f, 40));
    EXPECT_FALSE(pointVariant(1, 2) == pointVariant(1, 3));
    EXPECT_FALSE(pointVariant(1, 2) == pointVariant(2, 2));

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const wxVariant withNan = pointVariant(nan, 1);
    wxRealPointVariantData same(wxRealPoint(nan, 1));
    EXPECT_FALSE(same.Eq(same));
    EXPECT_FALSE(withNan == pointVariant(nan, 1));
    EXPECT_FALSE(pointVariant(1, nan) == pointVariant(1, nan));
}

TEST(RealPointVariantData, OtherPayloadTypesAreReportedAndNeverEqual) {
    AssertCapture asserts;
    wxRealPointVariantData point(wxRealPoint(5, 0));
    wxVariant number(5L);
    EXPECT_FALSE(point.Eq(*number.GetData()));
    ASSERT_EQ(asserts.messages().size(), 1u);
    EXPECT_EQ(asserts.messages()[0], "GetType() == data.GetType()");
}

TEST(RealPointVariantData, ReferenceIntoAnotherTypeIsReportedAndResetToOrigin) {
    AssertCapture asserts;
    wxVariant number(5L);
    wxRealPoint& p = wxRealPointRefFromVariant(number);
    ASSERT_EQ(asserts.messages().size(), 1u);
    EXPECT_EQ(asserts.messages()[0], "Variant type should have been 'wxRealPoint'instead of 'long'");
    EXPECT_EQ(p, wxRealPoint(0, 0));
    EXPECT_EQ(number.GetType(), wxS("wxRealPoint"));
    p.x = 4; // the reference is into the variant's new payload
    EXPECT_EQ(wxRealPointRefFromVariant(number).x, 4.0);

    wxVariant empty;
    EXPECT_EQ(wxRealPointRefFromVariant(empty), wxRealPoint(0, 0));
    EXPECT_EQ(asserts.messages().size(), 2u);
}

TEST(RealPointVariantData, ConvertsToAndFromAny) {
    RegisterRealPointAnyConversion();
    RegisterRealPointAnyConversion(); // a second registration is harmless

    const wxVariant v = pointVariant(12.5, -40.25);
    const wxAny any = v;
    ASSERT_TRUE(any.CheckType<wxRealPoint>());
    EXPECT_EQ(any.As<wxRealPoint>(), wxRealPoint(12.5, -40.25));

    const wxAny fromCode = wxRealPoint(7, 8);
    const wxVariant back(fromCode);
    ASSERT_EQ(back.GetType(), wxS("wxRealPoint"));
    EXPECT_TRUE(back == pointVariant(7, 8));
}

TEST(SizeChildValue, RoundsToSinglePrecisionThenTruncatesTowardZero) {
    int v = 0;
    ASSERT_TRUE(wxSizeProperty::ChildToInt(10.7, &v));
    EXPECT_EQ(v, 10);
    ASSERT_TRUE(wxSizeProperty::ChildToInt(-3.9, &v));
    EXPECT_EQ(v, -3);
    ASSERT_TRUE(wxSizeProperty::ChildToInt(-0.5, &v));
    EXPECT_EQ(v, 0);
    // 0.99999999 has no float of its own: the nearest is 1.0, so the width is 1.
    ASSERT_TRUE(wxSizeProperty::ChildToInt(0.99999999, &v));
    EXPECT_EQ(v, 1);
    // 16777217 is not a float either; it rounds to 16777216.
    ASSERT_TRUE(wxSizeProperty::ChildToInt(16777217.0, &v));
    EXPECT_EQ(v, 16777216);
}

TEST(SizeChildValue, OutOfRangeSaturatesAndNaNIsRefused) {
    int v = 0;
    ASSERT_TRUE(wxSizeProperty::ChildToInt(1e20, &v));
    EXPECT_EQ(v, INT_MAX);
    ASSERT_TRUE(wxSizeProperty::ChildToInt(-1e20, &v));
    EXPECT_EQ(v, INT_MIN);
    ASSERT_TRUE(wxSizeProperty::ChildToInt(std::numeric_limits<double>::infinity(), &v));
    EXPECT_EQ(v, INT_MAX);
    v = 77;
    EXPECT_FALSE(wxSizeProperty::ChildToInt(std::nan(""), &v));
    EXPECT_EQ(v, 77);
}
