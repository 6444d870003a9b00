// GLProgramState: a program plus the uniform values a node draws with.
#ifndef __CCGLPROGRAMSTATE_H__
#define __CCGLPROGRAMSTATE_H__

#include <functional>
#include <string>
#include <vector>

#include "base/CCRef.h"
#include "base/ccTypes.h"
#include "math/CCMath.h"
#include "platform/CCGL.h"

NS_CC_BEGIN

class GLProgram;
class Texture2D;

class CC_DLL GLProgramState : public Ref {
public:
    static GLProgramState* create(GLProgram* glprogram);
    // One shared state per program (cached).
    static GLProgramState* getOrCreateWithGLProgram(GLProgram* glprogram);
    static GLProgramState* getOrCreateWithGLProgramName(const std::string& glProgramName);
    static GLProgramState* getOrCreateWithGLProgramName(const std::string& glProgramName, Texture2D* texture);

    // Uses the program, uploads the built-ins for modelView and the stored uniforms.
    void apply(const Mat4& modelView);
    void applyGLProgram(const Mat4& modelView);
    void applyUniforms();

    GLProgram* getGLProgram() const { return _glprogram; }
    void setGLProgram(GLProgram* glprogram);
    uint32_t getVertexAttribsFlags() const;

    void setUniformInt(const std::string& uniformName, int value);
    void setUniformFloat(const std::string& uniformName, float value);
    void setUniformVec2(const std::string& uniformName, const Vec2& value);
    void setUniformVec4(const std::string& uniformName, const Vec4& value);
    void setUniformMat4(const std::string& uniformName, const Mat4& value);
    void setUniformTexture(const std::string& uniformName, GLuint textureId);
    void setUniformTexture(const std::string& uniformName, Texture2D* texture);

    // Number of uniforms set through the setters above.
    ssize_t getUniformCount() const { return _uniforms.size(); }

    GLProgramState();
    virtual ~GLProgramState();
    bool init(GLProgram* program);

protected:
    void setUniform(const std::string& name, std::function<void(GLProgram*, GLint)> apply);

    struct Uniform {
        std::string name;
        std::function<void(GLProgram*, GLint)> apply;
    };
    std::vector<Uniform> _uniforms;
    GLProgram* _glprogram;
    int _textureUnitIndex;
};

NS_CC_END

#endif  // __CCGLPROGRAMSTATE_H__
