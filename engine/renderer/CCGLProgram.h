// GLProgram: a GLSL 1.20 shader program with the engine's attribute and built-in uniform names.
// It may be created without a GL context; it compiles and links on first use with one.
#ifndef __CCGLPROGRAM_H__
#define __CCGLPROGRAM_H__

#include <string>
#include <unordered_map>

#include "base/CCRef.h"
#include "math/CCMath.h"
#include "platform/CCGL.h"

NS_CC_BEGIN

class CC_DLL GLProgram : public Ref {
public:
    enum {
        VERTEX_ATTRIB_POSITION,
        VERTEX_ATTRIB_COLOR,
        VERTEX_ATTRIB_TEX_COORD,
        VERTEX_ATTRIB_TEX_COORD1,
        VERTEX_ATTRIB_TEX_COORD2,
        VERTEX_ATTRIB_TEX_COORD3,
        VERTEX_ATTRIB_NORMAL,
        VERTEX_ATTRIB_BLEND_WEIGHT,
        VERTEX_ATTRIB_BLEND_INDEX,
        VERTEX_ATTRIB_TANGENT,
        VERTEX_ATTRIB_BINORMAL,
        VERTEX_ATTRIB_MAX,
        VERTEX_ATTRIB_TEX_COORDS = VERTEX_ATTRIB_TEX_COORD,
    };

    enum {
        UNIFORM_P_MATRIX,
        UNIFORM_MV_MATRIX,
        UNIFORM_MVP_MATRIX,
        UNIFORM_NORMAL_MATRIX,
        UNIFORM_TIME,
        UNIFORM_SIN_TIME,
        UNIFORM_COS_TIME,
        UNIFORM_RANDOM01,
        UNIFORM_SAMPLER0,
        UNIFORM_SAMPLER1,
        UNIFORM_SAMPLER2,
        UNIFORM_SAMPLER3,
        UNIFORM_MAX,
    };

    static const char* SHADER_NAME_POSITION_TEXTURE_COLOR;
    static const char* SHADER_NAME_POSITION_TEXTURE_COLOR_NO_MVP;
    static const char* SHADER_NAME_POSITION_TEXTURE_ALPHA_TEST;
    static const char* SHADER_NAME_POSITION_TEXTURE_ALPHA_TEST_NO_MV;
    static const char* SHADER_NAME_POSITION_COLOR;
    static const char* SHADER_NAME_POSITION_COLOR_NO_MVP;
    static const char* SHADER_NAME_POSITION_TEXTURE;
    static const char* SHADER_NAME_POSITION_TEXTURE_U_COLOR;
    static const char* SHADER_NAME_POSITION_U_COLOR;

    static const char* UNIFORM_NAME_P_MATRIX;
    static const char* UNIFORM_NAME_MV_MATRIX;
    static const char* UNIFORM_NAME_MVP_MATRIX;
    static const char* UNIFORM_NAME_NORMAL_MATRIX;
    static const char* UNIFORM_NAME_TIME;
    static const char* UNIFORM_NAME_SIN_TIME;
    static const char* UNIFORM_NAME_COS_TIME;
    static const char* UNIFORM_NAME_RANDOM01;
    static const char* UNIFORM_NAME_SAMPLER0;
    static const char* UNIFORM_NAME_SAMPLER1;
    static const char* UNIFORM_NAME_SAMPLER2;
    static const char* UNIFORM_NAME_SAMPLER3;
    static const char* UNIFORM_NAME_ALPHA_TEST_VALUE;

    static const char* ATTRIBUTE_NAME_COLOR;
    static const char* ATTRIBUTE_NAME_POSITION;
    static const char* ATTRIBUTE_NAME_TEX_COORD;
    static const char* ATTRIBUTE_NAME_TEX_COORD1;
    static const char* ATTRIBUTE_NAME_NORMAL;

    GLProgram();
    virtual ~GLProgram();

    // Sources without a #version line; the built-in uniforms are declared for them.
    static GLProgram* createWithByteArrays(const GLchar* vShaderByteArray, const GLchar* fShaderByteArray);
    bool initWithByteArrays(const GLchar* vShaderByteArray, const GLchar* fShaderByteArray);

    // Compiles and links now if a context is current (otherwise at first use).
    bool link();
    void use();
    void updateUniforms();
    void bindAttribLocation(const std::string& attributeName, GLuint index) const;
    GLint getAttribLocation(const std::string& attributeName) const;
    GLint getUniformLocation(const std::string& attributeName) const;
    GLint getUniformLocationForName(const char* name) const { return getUniformLocation(name); }

    void setUniformLocationWith1i(GLint location, GLint i1);
    void setUniformLocationWith1f(GLint location, GLfloat f1);
    void setUniformLocationWith2f(GLint location, GLfloat f1, GLfloat f2);
    void setUniformLocationWith4f(GLint location, GLfloat f1, GLfloat f2, GLfloat f3, GLfloat f4);
    void setUniformLocationWith4fv(GLint location, const GLfloat* floats, unsigned int numberOfArrays);
    void setUniformLocationWithMatrix4fv(GLint location, const GLfloat* matrixArray, unsigned int numberOfMatrices);

    // Uploads P (the director's projection top now), MV and MVP = P x MV.
    void setUniformsForBuiltins();
    void setUniformsForBuiltins(const Mat4& modelView);

    GLuint getProgram() const;
    bool isLinked() const { return _linked; }
    void reset();

protected:
    bool ensureLinked() const;
    bool compileShader(GLuint* shader, GLenum type, const std::string& source) const;

    std::string _vertSource;
    std::string _fragSource;
    mutable GLuint _program;
    mutable bool _linked;
    mutable bool _linkFailed;
    mutable GLint _builtInUniforms[UNIFORM_MAX];
};

NS_CC_END

#endif  // __CCGLPROGRAM_H__
