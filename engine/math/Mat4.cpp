// 4x4 matrix operations.
#include "math/Mat4.h"

#include <cmath>
#include <cstring>

NS_CC_MATH_BEGIN

static const float MATRIX_SIZE = sizeof(float) * 16;

// The 2x2 minors of the upper and lower halves of a column-major matrix,
// shared by the determinant and the inverse.
namespace {
struct Minors {
    float a0, a1, a2, a3, a4, a5, b0, b1, b2, b3, b4, b5;
    explicit Minors(const float* m)
        : a0(m[0] * m[5] - m[1] * m[4]), a1(m[0] * m[6] - m[2] * m[4]),
          a2(m[0] * m[7] - m[3] * m[4]), a3(m[1] * m[6] - m[2] * m[5]),
          a4(m[1] * m[7] - m[3] * m[5]), a5(m[2] * m[7] - m[3] * m[6]),
          b0(m[8] * m[13] - m[9] * m[12]), b1(m[8] * m[14] - m[10] * m[12]),
          b2(m[8] * m[15] - m[11] * m[12]), b3(m[9] * m[14] - m[10] * m[13]),
          b4(m[9] * m[15] - m[11] * m[13]), b5(m[10] * m[15] - m[11] * m[14]) {}
    float determinant() const {
        return a0 * b5 - a1 * b4 + a2 * b3 + a3 * b2 - a4 * b1 + a5 * b0;
    }
};
}  // namespace

const Mat4 Mat4::IDENTITY = Mat4(1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f,
                                 0.0f, 0.0f, 0.0f, 1.0f);
const Mat4 Mat4::ZERO = Mat4(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);

Mat4::Mat4() {
    *this = IDENTITY;
}

Mat4::Mat4(float m11, float m12, float m13, float m14, float m21, float m22, float m23, float m24,
           float m31, float m32, float m33, float m34, float m41, float m42, float m43, float m44) {
    set(m11, m12, m13, m14, m21, m22, m23, m24, m31, m32, m33, m34, m41, m42, m43, m44);
}

Mat4::Mat4(const float* mat) {
    set(mat);
}

void Mat4::createLookAt(const Vec3& eyePosition, const Vec3& targetPosition, const Vec3& up, Mat4* dst) {
    createLookAt(eyePosition.x, eyePosition.y, eyePosition.z, targetPosition.x, targetPosition.y,
                 targetPosition.z, up.x, up.y, up.z, dst);
}

void Mat4::createLookAt(float eyePositionX, float eyePositionY, float eyePositionZ, float targetPositionX,
                        float targetPositionY, float targetPositionZ, float upX, float upY, float upZ,
                        Mat4* dst) {
    Vec3 eye(eyePositionX, eyePositionY, eyePositionZ);
    Vec3 target(targetPositionX, targetPositionY, targetPositionZ);
    Vec3 up(upX, upY, upZ);
    up.normalize();

    Vec3 zaxis;
    zaxis = eye - target;
    zaxis.normalize();

    Vec3 xaxis;
    Vec3::cross(up, zaxis, &xaxis);
    xaxis.normalize();

    Vec3 yaxis;
    Vec3::cross(zaxis, xaxis, &yaxis);
    yaxis.normalize();

    dst->m[0] = xaxis.x;
    dst->m[1] = yaxis.x;
    dst->m[2] = zaxis.x;
    dst->m[3] = 0.0f;

    dst->m[4] = xaxis.y;
    dst->m[5] = yaxis.y;
    dst->m[6] = zaxis.y;
    dst->m[7] = 0.0f;

    dst->m[8] = xaxis.z;
    dst->m[9] = yaxis.z;
    dst->m[10] = zaxis.z;
    dst->m[11] = 0.0f;

    dst->m[12] = -Vec3::dot(xaxis, eye);
    dst->m[13] = -Vec3::dot(yaxis, eye);
    dst->m[14] = -Vec3::dot(zaxis, eye);
    dst->m[15] = 1.0f;
}

void Mat4::createPerspective(float fieldOfView, float aspectRatio, float zNearPlane, float zFarPlane, Mat4* dst) {
    float f_n = 1.0f / (zFarPlane - zNearPlane);
    float theta = MATH_DEG_TO_RAD(fieldOfView) * 0.5f;
    if (std::fabs(std::fmod(theta, MATH_PIOVER2)) < MATH_EPSILON) {
        return;
    }
    float divisor = std::tan(theta);
    float factor = 1.0f / divisor;

    std::memset(dst->m, 0, MATRIX_SIZE);
    dst->m[0] = (1.0f / aspectRatio) * factor;
    dst->m[5] = factor;
    dst->m[10] = (-(zFarPlane + zNearPlane)) * f_n;
    dst->m[11] = -1.0f;
    dst->m[14] = -2.0f * zFarPlane * zNearPlane * f_n;
}

void Mat4::createOrthographic(float width, float height, float zNearPlane, float zFarPlane, Mat4* dst) {
    float halfWidth = width / 2.0f;
    float halfHeight = height / 2.0f;
    createOrthographicOffCenter(-halfWidth, halfWidth, -halfHeight, halfHeight, zNearPlane, zFarPlane, dst);
}

void Mat4::createOrthographicOffCenter(float left, float right, float bottom, float top, float zNearPlane,
                                       float zFarPlane, Mat4* dst) {
    std::memset(dst->m, 0, MATRIX_SIZE);
    dst->m[0] = 2 / (right - left);
    dst->m[5] = 2 / (top - bottom);
    dst->m[10] = 2 / (zNearPlane - zFarPlane);

    dst->m[12] = (left + right) / (left - right);
    dst->m[13] = (top + bottom) / (bottom - top);
    dst->m[14] = (zNearPlane + zFarPlane) / (zNearPlane - zFarPlane);
    dst->m[15] = 1;
}

void Mat4::createScale(const Vec3& scale, Mat4* dst) {
    createScale(scale.x, scale.y, scale.z, dst);
}

void Mat4::createScale(float xScale, float yScale, float zScale, Mat4* dst) {
    *dst = IDENTITY;
    dst->m[0] = xScale;
    dst->m[5] = yScale;
    dst->m[10] = zScale;
}

void Mat4::createRotation(const Vec3& axis, float angle, Mat4* dst) {
    float x = axis.x;
    float y = axis.y;
    float z = axis.z;

    float n = x * x + y * y + z * z;
    if (n != 1.0f) {
        n = std::sqrt(n);
        if (n > 0.000001f) {
            n = 1.0f / n;
            x *= n;
            y *= n;
            z *= n;
        }
    }

    float c = std::cos(angle);
    float s = std::sin(angle);

    float t = 1.0f - c;
    float tx = t * x;
    float ty = t * y;
    float tz = t * z;
    float txy = tx * y;
    float txz = tx * z;
    float tyz = ty * z;
    float sx = s * x;
    float sy = s * y;
    float sz = s * z;

    dst->m[0] = c + tx * x;
    dst->m[1] = txy + sz;
    dst->m[2] = txz - sy;
    dst->m[3] = 0.0f;

    dst->m[4] = txy - sz;
    dst->m[5] = c + ty * y;
    dst->m[6] = tyz + sx;
    dst->m[7] = 0.0f;

    dst->m[8] = txz + sy;
    dst->m[9] = tyz - sx;
    dst->m[10] = c + tz * z;
    dst->m[11] = 0.0f;

    dst->m[12] = 0.0f;
    dst->m[13] = 0.0f;
    dst->m[14] = 0.0f;
    dst->m[15] = 1.0f;
}

void Mat4::createRotationX(float angle, Mat4* dst) {
    *dst = IDENTITY;
    float c = std::cos(angle);
    float s = std::sin(angle);
    dst->m[5] = c;
    dst->m[6] = s;
    dst->m[9] = -s;
    dst->m[10] = c;
}

void Mat4::createRotationY(float angle, Mat4* dst) {
    *dst = IDENTITY;
    float c = std::cos(angle);
    float s = std::sin(angle);
    dst->m[0] = c;
    dst->m[2] = -s;
    dst->m[8] = s;
    dst->m[10] = c;
}

void Mat4::createRotationZ(float angle, Mat4* dst) {
    *dst = IDENTITY;
    float c = std::cos(angle);
    float s = std::sin(angle);
    dst->m[0] = c;
    dst->m[1] = s;
    dst->m[4] = -s;
    dst->m[5] = c;
}

void Mat4::createTranslation(const Vec3& translation, Mat4* dst) {
    createTranslation(translation.x, translation.y, translation.z, dst);
}

void Mat4::createTranslation(float xTranslation, float yTranslation, float zTranslation, Mat4* dst) {
    *dst = IDENTITY;
    dst->m[12] = xTranslation;
    dst->m[13] = yTranslation;
    dst->m[14] = zTranslation;
}

void Mat4::add(float scalar) {
    add(scalar, this);
}

void Mat4::add(float scalar, Mat4* dst) {
    for (int i = 0; i < 16; ++i) dst->m[i] = m[i] + scalar;
}

void Mat4::add(const Mat4& mat) {
    add(*this, mat, this);
}

void Mat4::add(const Mat4& m1, const Mat4& m2, Mat4* dst) {
    for (int i = 0; i < 16; ++i) dst->m[i] = m1.m[i] + m2.m[i];
}

float Mat4::determinant() const { return Minors(m).determinant(); }

void Mat4::getScale(Vec3* scale) const {
    scale->x = Vec3(m[0], m[1], m[2]).length();
    scale->y = Vec3(m[4], m[5], m[6]).length();
    scale->z = Vec3(m[8], m[9], m[10]).length();
}

void Mat4::getTranslation(Vec3* translation) const {
    translation->x = m[12];
    translation->y = m[13];
    translation->z = m[14];
}

void Mat4::getUpVector(Vec3* dst) const { dst->set(m[4], m[5], m[6]); }
void Mat4::getDownVector(Vec3* dst) const { dst->set(-m[4], -m[5], -m[6]); }
void Mat4::getLeftVector(Vec3* dst) const { dst->set(-m[0], -m[1], -m[2]); }
void Mat4::getRightVector(Vec3* dst) const { dst->set(m[0], m[1], m[2]); }
void Mat4::getForwardVector(Vec3* dst) const { dst->set(-m[8], -m[9], -m[10]); }
void Mat4::getBackVector(Vec3* dst) const { dst->set(m[8], m[9], m[10]); }

bool Mat4::inverse() {
    const Minors n(m);
    const float a0 = n.a0, a1 = n.a1, a2 = n.a2, a3 = n.a3, a4 = n.a4, a5 = n.a5;
    const float b0 = n.b0, b1 = n.b1, b2 = n.b2, b3 = n.b3, b4 = n.b4, b5 = n.b5;
    float det = n.determinant();
    if (std::fabs(det) <= MATH_TOLERANCE) return false;

    Mat4 inverse;
    inverse.m[0] = m[5] * b5 - m[6] * b4 + m[7] * b3;
    inverse.m[1] = -m[1] * b5 + m[2] * b4 - m[3] * b3;
    inverse.m[2] = m[13] * a5 - m[14] * a4 + m[15] * a3;
    inverse.m[3] = -m[9] * a5 + m[10] * a4 - m[11] * a3;

    inverse.m[4] = -m[4] * b5 + m[6] * b2 - m[7] * b1;
    inverse.m[5] = m[0] * b5 - m[2] * b2 + m[3] * b1;
    inverse.m[6] = -m[12] * a5 + m[14] * a2 - m[15] * a1;
    inverse.m[7] = m[8] * a5 - m[10] * a2 + m[11] * a1;

    inverse.m[8] = m[4] * b4 - m[5] * b2 + m[7] * b0;
    inverse.m[9] = -m[0] * b4 + m[1] * b2 - m[3] * b0;
    inverse.m[10] = m[12] * a4 - m[13] * a2 + m[15] * a0;
    inverse.m[11] = -m[8] * a4 + m[9] * a2 - m[11] * a0;

    inverse.m[12] = -m[4] * b3 + m[5] * b1 - m[6] * b0;
    inverse.m[13] = m[0] * b3 - m[1] * b1 + m[2] * b0;
    inverse.m[14] = -m[12] * a3 + m[13] * a1 - m[14] * a0;
    inverse.m[15] = m[8] * a3 - m[9] * a1 + m[10] * a0;

    multiply(inverse, 1.0f / det, this);
    return true;
}

bool Mat4::isIdentity() const {
    return (std::memcmp(m, &IDENTITY, MATRIX_SIZE) == 0);
}

void Mat4::multiply(float scalar) {
    multiply(scalar, this);
}

void Mat4::multiply(float scalar, Mat4* dst) const {
    multiply(*this, scalar, dst);
}

void Mat4::multiply(const Mat4& mat, float scalar, Mat4* dst) {
    for (int i = 0; i < 16; ++i) dst->m[i] = mat.m[i] * scalar;
}

void Mat4::multiply(const Mat4& mat) {
    multiply(*this, mat, this);
}

void Mat4::multiply(const Mat4& m1, const Mat4& m2, Mat4* dst) {
    float product[16];
    for (int col = 0; col < 4; ++col) {
        for (int row = 0; row < 4; ++row) {
            product[col * 4 + row] = m1.m[0 * 4 + row] * m2.m[col * 4 + 0] + m1.m[1 * 4 + row] * m2.m[col * 4 + 1] +
                                     m1.m[2 * 4 + row] * m2.m[col * 4 + 2] + m1.m[3 * 4 + row] * m2.m[col * 4 + 3];
        }
    }
    std::memcpy(dst->m, product, MATRIX_SIZE);
}

void Mat4::negate() {
    for (int i = 0; i < 16; ++i) m[i] = -m[i];
}

Mat4 Mat4::getNegated() const {
    Mat4 mat(*this);
    mat.negate();
    return mat;
}

void Mat4::rotate(const Vec3& axis, float angle) { rotate(axis, angle, this); }
void Mat4::rotate(const Vec3& axis, float angle, Mat4* dst) const {
    Mat4 r;
    createRotation(axis, angle, &r);
    multiply(*this, r, dst);
}
void Mat4::rotateX(float angle) { rotateX(angle, this); }
void Mat4::rotateX(float angle, Mat4* dst) const {
    Mat4 r;
    createRotationX(angle, &r);
    multiply(*this, r, dst);
}
void Mat4::rotateY(float angle) { rotateY(angle, this); }
void Mat4::rotateY(float angle, Mat4* dst) const {
    Mat4 r;
    createRotationY(angle, &r);
    multiply(*this, r, dst);
}
void Mat4::rotateZ(float angle) { rotateZ(angle, this); }
void Mat4::rotateZ(float angle, Mat4* dst) const {
    Mat4 r;
    createRotationZ(angle, &r);
    multiply(*this, r, dst);
}

void Mat4::scale(float value) { scale(value, value, value, this); }
void Mat4::scale(float value, Mat4* dst) const { scale(value, value, value, dst); }
void Mat4::scale(float xScale, float yScale, float zScale) { scale(xScale, yScale, zScale, this); }
void Mat4::scale(float xScale, float yScale, float zScale, Mat4* dst) const {
    Mat4 s;
    createScale(xScale, yScale, zScale, &s);
    multiply(*this, s, dst);
}
void Mat4::scale(const Vec3& s) { scale(s.x, s.y, s.z, this); }
void Mat4::scale(const Vec3& s, Mat4* dst) const { scale(s.x, s.y, s.z, dst); }

void Mat4::set(float m11, float m12, float m13, float m14, float m21, float m22, float m23, float m24,
               float m31, float m32, float m33, float m34, float m41, float m42, float m43, float m44) {
    m[0] = m11;
    m[1] = m21;
    m[2] = m31;
    m[3] = m41;
    m[4] = m12;
    m[5] = m22;
    m[6] = m32;
    m[7] = m42;
    m[8] = m13;
    m[9] = m23;
    m[10] = m33;
    m[11] = m43;
    m[12] = m14;
    m[13] = m24;
    m[14] = m34;
    m[15] = m44;
}

void Mat4::set(const float* mat) {
    if (mat) std::memcpy(this->m, mat, MATRIX_SIZE);
}

void Mat4::set(const Mat4& mat) {
    std::memcpy(this->m, mat.m, MATRIX_SIZE);
}

void Mat4::setIdentity() {
    std::memcpy(m, &IDENTITY, MATRIX_SIZE);
}

void Mat4::setZero() {
    std::memset(m, 0, MATRIX_SIZE);
}

void Mat4::subtract(const Mat4& mat) {
    subtract(*this, mat, this);
}

void Mat4::subtract(const Mat4& m1, const Mat4& m2, Mat4* dst) {
    for (int i = 0; i < 16; ++i) dst->m[i] = m1.m[i] - m2.m[i];
}

void Mat4::transformVector(float x, float y, float z, float w, Vec3* dst) const {
    float rx = x * m[0] + y * m[4] + z * m[8] + w * m[12];
    float ry = x * m[1] + y * m[5] + z * m[9] + w * m[13];
    float rz = x * m[2] + y * m[6] + z * m[10] + w * m[14];
    dst->x = rx;
    dst->y = ry;
    dst->z = rz;
}

void Mat4::transformVector(const Vec4& vector, Vec4* dst) const {
    float x = vector.x, y = vector.y, z = vector.z, w = vector.w;
    dst->x = x * m[0] + y * m[4] + z * m[8] + w * m[12];
    dst->y = x * m[1] + y * m[5] + z * m[9] + w * m[13];
    dst->z = x * m[2] + y * m[6] + z * m[10] + w * m[14];
    dst->w = x * m[3] + y * m[7] + z * m[11] + w * m[15];
}

void Mat4::translate(float x, float y, float z) { translate(x, y, z, this); }
void Mat4::translate(float x, float y, float z, Mat4* dst) const {
    Mat4 t;
    createTranslation(x, y, z, &t);
    multiply(*this, t, dst);
}
void Mat4::translate(const Vec3& t) { translate(t.x, t.y, t.z, this); }
void Mat4::translate(const Vec3& t, Mat4* dst) const { translate(t.x, t.y, t.z, dst); }

void Mat4::transpose() {
    float t[16] = {m[0], m[4], m[8], m[12], m[1], m[5], m[9], m[13],
                   m[2], m[6], m[10], m[14], m[3], m[7], m[11], m[15]};
    std::memcpy(&m, t, MATRIX_SIZE);
}

Mat4 Mat4::getTransposed() const {
    Mat4 mat(*this);
    mat.transpose();
    return mat;
}

bool Mat4::operator==(const Mat4& mat) const {
    return std::memcmp(m, mat.m, MATRIX_SIZE) == 0;
}

NS_CC_MATH_END
