// Determinant and inverse of 4x4 matrices, which the node-space conversions rely on.
#include "math/Mat4.h"

#include <gtest/gtest.h>

#include <cmath>

USING_NS_CC;

namespace {

Mat4 SomeAffineTransform() {
    Mat4 t, r, s, out;
    Mat4::createTranslation(30.0f, -12.0f, 5.0f, &t);
    Mat4::createRotationZ(0.7f, &r);
    Mat4::createScale(2.0f, 0.5f, 3.0f, &s);
    Mat4::multiply(t, r, &out);
    Mat4::multiply(out, s, &out);
    return out;
}

TEST(Mat4Inverse, DeterminantOfScaleIsTheProductOfItsFactors) {
    Mat4 s;
    Mat4::createScale(2.0f, 3.0f, 4.0f, &s);
    EXPECT_FLOAT_EQ(24.0f, s.determinant());
    // Rotation and translation do not change volume.
    EXPECT_NEAR(3.0f, SomeAffineTransform().determinant(), 1e-4f);
}

TEST(Mat4Inverse, InverseTimesOriginalIsIdentity) {
    Mat4 m = SomeAffineTransform();
    Mat4 inv = m;
    ASSERT_TRUE(inv.inverse());
    Mat4 product;
    Mat4::multiply(m, inv, &product);
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(Mat4::IDENTITY.m[i], product.m[i], 1e-5f) << i;
}

TEST(Mat4Inverse, SingularMatrixIsLeftAlone) {
    Mat4 s;
    Mat4::createScale(1.0f, 0.0f, 1.0f, &s);
    Mat4 before = s;
    EXPECT_FALSE(s.inverse());
    for (int i = 0; i < 16; ++i) EXPECT_EQ(before.m[i], s.m[i]) << i;
}

}  // namespace
