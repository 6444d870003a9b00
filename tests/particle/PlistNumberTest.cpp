// Number text of the plist: "%f" and "%i" of the C locale, byte for byte.
#include <gtest/gtest.h>

#include "particle/PlistNumber.h"

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>

TEST(PlistNumber, RealsMatchPrintfInTheCLocaleAcrossMagnitudesAndSigns) {
    ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
    const double values[] = {0.0,
                             -0.0,
                             0.5,
                             -1.0,
                             1.0 / 3.0,
                             2.0000005,
                             0.0000005,
                             1e-7,
                             -1e-7,
                             123.456f,
                             1e6f,
                             -16777217.0,
                             1e20,
                             FLT_MAX,
                             -FLT_MAX,
                             DBL_MAX,
                             0.1f,
                             0.0625,
                             255.0 / 255,
                             127.5,
                             1e-300,
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity()};
    for (double v : values) {
        char expected[512];
        std::snprintf(expected, sizeof expected, "%f", v);
        EXPECT_EQ(plistReal(v), expected) << v;
    }
    EXPECT_EQ(plistReal(0.5), "0.500000");
    EXPECT_EQ(plistReal(-1), "-1.000000");
    EXPECT_EQ(plistReal(std::nan("")).find("nan") != std::string::npos, true);
}

TEST(PlistNumber, IntegersArePlainDigits) {
    EXPECT_EQ(plistInteger(0), "0");
    EXPECT_EQ(plistInteger(250), "250");
    EXPECT_EQ(plistInteger(-1), "-1");
    EXPECT_EQ(plistInteger(2147483647), "2147483647");
}
