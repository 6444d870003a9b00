// Plain engine types: colours, texture coordinates, vertices, quads, blend functions.
#ifndef __BASE_CCTYPES_H__
#define __BASE_CCTYPES_H__

#include <string>

#include "math/CCGeometry.h"
#include "math/CCMath.h"
#include "platform/CCGL.h"

NS_CC_BEGIN

struct Color4B;
struct Color4F;

// RGB colour of unsigned bytes.
struct CC_DLL Color3B {
    Color3B();
    Color3B(GLubyte _r, GLubyte _g, GLubyte _b);
    explicit Color3B(const Color4B& color);
    explicit Color3B(const Color4F& color);

    bool operator==(const Color3B& right) const;
    bool operator==(const Color4B& right) const;
    bool operator==(const Color4F& right) const;
    bool operator!=(const Color3B& right) const;
    bool operator!=(const Color4B& right) const;
    bool operator!=(const Color4F& right) const;

    bool equals(const Color3B& other) const { return (*this == other); }

    GLubyte r;
    GLubyte g;
    GLubyte b;

    static const Color3B WHITE;
    static const Color3B YELLOW;
    static const Color3B BLUE;
    static const Color3B GREEN;
    static const Color3B RED;
    static const Color3B MAGENTA;
    static const Color3B BLACK;
    static const Color3B ORANGE;
    static const Color3B GRAY;
};

// RGBA colour of unsigned bytes.
struct CC_DLL Color4B {
    Color4B();
    Color4B(GLubyte _r, GLubyte _g, GLubyte _b, GLubyte _a);
    explicit Color4B(const Color3B& color, GLubyte _a = 255);
    explicit Color4B(const Color4F& color);

    inline void set(GLubyte _r, GLubyte _g, GLubyte _b, GLubyte _a) {
        r = _r;
        g = _g;
        b = _b;
        a = _a;
    }

    bool operator==(const Color4B& right) const;
    bool operator==(const Color3B& right) const;
    bool operator==(const Color4F& right) const;
    bool operator!=(const Color4B& right) const;
    bool operator!=(const Color3B& right) const;
    bool operator!=(const Color4F& right) const;

    GLubyte r;
    GLubyte g;
    GLubyte b;
    GLubyte a;

    static const Color4B WHITE;
    static const Color4B YELLOW;
    static const Color4B BLUE;
    static const Color4B GREEN;
    static const Color4B RED;
    static const Color4B MAGENTA;
    static const Color4B BLACK;
    static const Color4B ORANGE;
    static const Color4B GRAY;
};

// RGBA colour of floats 0..1.
struct CC_DLL Color4F {
    Color4F();
    Color4F(float _r, float _g, float _b, float _a);
    explicit Color4F(const Color3B& color, float _a = 1.0f);
    explicit Color4F(const Color4B& color);

    bool operator==(const Color4F& right) const;
    bool operator==(const Color3B& right) const;
    bool operator==(const Color4B& right) const;
    bool operator!=(const Color4F& right) const;
    bool operator!=(const Color3B& right) const;
    bool operator!=(const Color4B& right) const;

    bool equals(const Color4F& other) const { return (*this == other); }

    GLfloat r;
    GLfloat g;
    GLfloat b;
    GLfloat a;

    static const Color4F WHITE;
    static const Color4F YELLOW;
    static const Color4F BLUE;
    static const Color4F GREEN;
    static const Color4F RED;
    static const Color4F MAGENTA;
    static const Color4F BLACK;
    static const Color4F ORANGE;
    static const Color4F GRAY;
};

Color4F& operator+=(Color4F& lhs, const Color4F& rhs);
Color4F operator+(Color4F lhs, const Color4F& rhs);
Color4F& operator-=(Color4F& lhs, const Color4F& rhs);
Color4F operator-(Color4F lhs, const Color4F& rhs);
Color4F& operator*=(Color4F& lhs, const Color4F& rhs);
Color4F operator*(Color4F lhs, const Color4F& rhs);
Color4F& operator*=(Color4F& lhs, float rhs);
Color4F operator*(Color4F lhs, float rhs);
Color4F& operator/=(Color4F& lhs, const Color4F& rhs);
Color4F operator/(Color4F lhs, const Color4F& rhs);
Color4F& operator/=(Color4F& lhs, float rhs);
Color4F operator/(Color4F lhs, float rhs);

// A texture coordinate.
struct CC_DLL Tex2F {
    Tex2F(float _u, float _v) : u(_u), v(_v) {}
    Tex2F() : u(0.f), v(0.f) {}

    GLfloat u;
    GLfloat v;
};

struct CC_DLL PointSprite {
    Vec2 pos;
    Color4B color;
    GLfloat size;
};

struct CC_DLL Quad2 {
    Vec2 tl;
    Vec2 tr;
    Vec2 bl;
    Vec2 br;
};

struct CC_DLL Quad3 {
    Vec3 bl;
    Vec3 br;
    Vec3 tl;
    Vec3 tr;
};

// Vertex: 2D position, byte colour, texture coordinate.
struct CC_DLL V2F_C4B_T2F {
    Vec2 vertices;
    Color4B colors;
    Tex2F texCoords;
};

struct CC_DLL V2F_C4B_PF {
    Vec2 vertices;
    Color4B colors;
    float pointSize;
};

struct CC_DLL V2F_C4F_T2F {
    Vec2 vertices;
    Color4F colors;
    Tex2F texCoords;
};

// Vertex: 3D position, byte colour, texture coordinate (24 bytes).
struct CC_DLL V3F_C4B_T2F {
    Vec3 vertices;
    Color4B colors;
    Tex2F texCoords;
};

struct CC_DLL V3F_T2F {
    Vec3 vertices;
    Tex2F texCoords;
};

struct CC_DLL V2F_C4B_T2F_Triangle {
    V2F_C4B_T2F a;
    V2F_C4B_T2F b;
    V2F_C4B_T2F c;
};

struct CC_DLL V2F_C4B_T2F_Quad {
    V2F_C4B_T2F bl;
    V2F_C4B_T2F br;
    V2F_C4B_T2F tl;
    V2F_C4B_T2F tr;
};

// A quad in the order the renderer's index pattern expects: tl, bl, tr, br.
struct CC_DLL V3F_C4B_T2F_Quad {
    V3F_C4B_T2F tl;
    V3F_C4B_T2F bl;
    V3F_C4B_T2F tr;
    V3F_C4B_T2F br;
};

struct CC_DLL V2F_C4F_T2F_Quad {
    V2F_C4F_T2F bl;
    V2F_C4F_T2F br;
    V2F_C4F_T2F tl;
    V2F_C4F_T2F tr;
};

struct CC_DLL V3F_T2F_Quad {
    V3F_T2F bl;
    V3F_T2F br;
    V3F_T2F tl;
    V3F_T2F tr;
};

// Source and destination factors of GL blending.
struct CC_DLL BlendFunc {
    GLenum src;
    GLenum dst;

    static const BlendFunc DISABLE;                  // GL_ONE, GL_ZERO
    static const BlendFunc ALPHA_PREMULTIPLIED;      // GL_ONE, GL_ONE_MINUS_SRC_ALPHA
    static const BlendFunc ALPHA_NON_PREMULTIPLIED;  // GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA
    static const BlendFunc ADDITIVE;                 // GL_SRC_ALPHA, GL_ONE

    bool operator==(const BlendFunc& a) const { return src == a.src && dst == a.dst; }
    bool operator!=(const BlendFunc& a) const { return src != a.src || dst != a.dst; }
    bool operator<(const BlendFunc& a) const { return src < a.src || (src == a.src && dst < a.dst); }
};

enum class CC_DLL TextVAlignment { TOP, CENTER, BOTTOM };
enum class CC_DLL TextHAlignment { LEFT, CENTER, RIGHT };

struct CC_DLL T2F_Quad {
    Tex2F bl;
    Tex2F br;
    Tex2F tl;
    Tex2F tr;
};

NS_CC_END

#endif  // __BASE_CCTYPES_H__
