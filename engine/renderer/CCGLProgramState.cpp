// Program states: a program with its stored uniform values.
#include "renderer/CCGLProgramState.h"

#include "renderer/CCGLProgram.h"
#include "renderer/CCGLProgramCache.h"
#include "renderer/CCGLProgramStateCache.h"
#include "renderer/CCTexture2D.h"
#include "renderer/ccGLStateCache.h"

NS_CC_BEGIN

GLProgramState* GLProgramState::create(GLProgram* glprogram) {
    auto ret = new (std::nothrow) GLProgramState();
    if (ret && ret->init(glprogram)) {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

GLProgramState* GLProgramState::getOrCreateWithGLProgram(GLProgram* glprogram) {
    return GLProgramStateCache::getInstance()->getGLProgramState(glprogram);
}

GLProgramState* GLProgramState::getOrCreateWithGLProgramName(const std::string& glProgramName) {
    GLProgram* glProgram = GLProgramCache::getInstance()->getGLProgram(glProgramName);
    if (glProgram) return getOrCreateWithGLProgram(glProgram);
    return nullptr;
}

GLProgramState* GLProgramState::getOrCreateWithGLProgramName(const std::string& glProgramName,
                                                             Texture2D* texture) {
    // The texture is bound by the draw command; the state is shared.
    (void)texture;
    return getOrCreateWithGLProgramName(glProgramName);
}

GLProgramState::GLProgramState() : _glprogram(nullptr), _textureUnitIndex(1) {}

GLProgramState::~GLProgramState() {
    CC_SAFE_RELEASE(_glprogram);
}

bool GLProgramState::init(GLProgram* glprogram) {
    if (glprogram == nullptr) return false;
    _glprogram = glprogram;
    _glprogram->retain();
    return true;
}

void GLProgramState::setGLProgram(GLProgram* glprogram) {
    if (_glprogram != glprogram) {
        CC_SAFE_RETAIN(glprogram);
        CC_SAFE_RELEASE(_glprogram);
        _glprogram = glprogram;
    }
}

uint32_t GLProgramState::getVertexAttribsFlags() const {
    return GL::VERTEX_ATTRIB_FLAG_POS_COLOR_TEX;
}

void GLProgramState::apply(const Mat4& modelView) {
    applyGLProgram(modelView);
    applyUniforms();
}

void GLProgramState::applyGLProgram(const Mat4& modelView) {
    if (!_glprogram) return;
    _glprogram->use();
    _glprogram->setUniformsForBuiltins(modelView);
}

void GLProgramState::applyUniforms() {
    if (!_glprogram || !_glprogram->isLinked()) return;
    for (auto& u : _uniforms) {
        GLint location = _glprogram->getUniformLocation(u.name);
        if (location >= 0) u.apply(_glprogram, location);
    }
}

void GLProgramState::setUniform(const std::string& name, std::function<void(GLProgram*, GLint)> apply) {
    for (auto& u : _uniforms) {
        if (u.name == name) {
            u.apply = std::move(apply);
            return;
        }
    }
    _uniforms.push_back(Uniform{name, std::move(apply)});
}

void GLProgramState::setUniformInt(const std::string& uniformName, int value) {
    setUniform(uniformName, [value](GLProgram* p, GLint loc) { p->setUniformLocationWith1i(loc, value); });
}

void GLProgramState::setUniformFloat(const std::string& uniformName, float value) {
    setUniform(uniformName, [value](GLProgram* p, GLint loc) { p->setUniformLocationWith1f(loc, value); });
}

void GLProgramState::setUniformVec2(const std::string& uniformName, const Vec2& value) {
    setUniform(uniformName, [value](GLProgram* p, GLint loc) { p->setUniformLocationWith2f(loc, value.x, value.y); });
}

void GLProgramState::setUniformVec4(const std::string& uniformName, const Vec4& value) {
    setUniform(uniformName, [value](GLProgram* p, GLint loc) {
        p->setUniformLocationWith4f(loc, value.x, value.y, value.z, value.w);
    });
}

void GLProgramState::setUniformMat4(const std::string& uniformName, const Mat4& value) {
    setUniform(uniformName, [value](GLProgram* p, GLint loc) { p->setUniformLocationWithMatrix4fv(loc, value.m, 1); });
}

void GLProgramState::setUniformTexture(const std::string& uniformName, GLuint textureId) {
    int unit = _textureUnitIndex++;
    setUniform(uniformName, [unit, textureId](GLProgram* p, GLint loc) {
        GL::bindTexture2DN(unit, textureId);
        p->setUniformLocationWith1i(loc, unit);
    });
}

void GLProgramState::setUniformTexture(const std::string& uniformName, Texture2D* texture) {
    setUniformTexture(uniformName, texture ? texture->getName() : 0);
}

NS_CC_END
