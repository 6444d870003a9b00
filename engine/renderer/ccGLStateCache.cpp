// Cached GL state.
#include "renderer/ccGLStateCache.h"

#include "base/ccConfig.h"

NS_CC_BEGIN

namespace {
const int kMaxActiveTexture = 16;
GLuint s_currentProjectionMatrix = static_cast<GLuint>(-1);
uint32_t s_attributeFlags = 0;
GLuint s_currentShaderProgram = static_cast<GLuint>(-1);
GLuint s_currentBoundTexture[kMaxActiveTexture] = {
    (GLuint)-1, (GLuint)-1, (GLuint)-1, (GLuint)-1, (GLuint)-1, (GLuint)-1, (GLuint)-1, (GLuint)-1,
    (GLuint)-1, (GLuint)-1, (GLuint)-1, (GLuint)-1, (GLuint)-1, (GLuint)-1, (GLuint)-1, (GLuint)-1};
GLenum s_blendingSource = static_cast<GLenum>(-1);
GLenum s_blendingDest = static_cast<GLenum>(-1);
int s_GLServerState = 0;
GLuint s_VAO = 0;
GLenum s_activeTexture = static_cast<GLenum>(-1);

void SetBlending(GLenum sfactor, GLenum dfactor) {
    if (sfactor == GL_ONE && dfactor == GL_ZERO) {
        glDisable(GL_BLEND);
    } else {
        glEnable(GL_BLEND);
        glBlendFunc(sfactor, dfactor);
    }
}
}  // namespace

namespace GL {

void invalidateStateCache() {
    s_currentProjectionMatrix = static_cast<GLuint>(-1);
    s_attributeFlags = 0;
    s_currentShaderProgram = static_cast<GLuint>(-1);
    for (int i = 0; i < kMaxActiveTexture; i++) s_currentBoundTexture[i] = static_cast<GLuint>(-1);
    s_blendingSource = static_cast<GLenum>(-1);
    s_blendingDest = static_cast<GLenum>(-1);
    s_GLServerState = 0;
    s_VAO = 0;
    s_activeTexture = static_cast<GLenum>(-1);
}

void deleteProgram(GLuint program) {
    if (program == s_currentShaderProgram) s_currentShaderProgram = static_cast<GLuint>(-1);
    glDeleteProgram(program);
}

void useProgram(GLuint program) {
    if (program != s_currentShaderProgram) {
        s_currentShaderProgram = program;
        glUseProgram(program);
    }
}

void blendFunc(GLenum sfactor, GLenum dfactor) {
    if (sfactor != s_blendingSource || dfactor != s_blendingDest) {
        s_blendingSource = sfactor;
        s_blendingDest = dfactor;
        SetBlending(sfactor, dfactor);
    }
}

void blendResetToCache() {
    glBlendEquation(GL_FUNC_ADD);
    SetBlending(s_blendingSource, s_blendingDest);
}

void bindTexture2D(GLuint textureId) {
    bindTexture2DN(0, textureId);
}

void bindTexture2DN(GLuint textureUnit, GLuint textureId) {
    bindTextureN(textureUnit, textureId, GL_TEXTURE_2D);
}

void bindTextureN(GLuint textureUnit, GLuint textureId, GLuint textureType) {
    if (textureUnit >= static_cast<GLuint>(kMaxActiveTexture)) return;
    if (s_currentBoundTexture[textureUnit] != textureId) {
        s_currentBoundTexture[textureUnit] = textureId;
        activeTexture(GL_TEXTURE0 + textureUnit);
        glBindTexture(textureType, textureId);
    }
}

void deleteTexture(GLuint textureId) {
    for (int i = 0; i < kMaxActiveTexture; i++) {
        if (s_currentBoundTexture[i] == textureId) s_currentBoundTexture[i] = static_cast<GLuint>(-1);
    }
    glDeleteTextures(1, &textureId);
}

void deleteTextureN(GLuint /*textureUnit*/, GLuint textureId) {
    deleteTexture(textureId);
}

void activeTexture(GLenum texture) {
    if (s_activeTexture != texture) {
        s_activeTexture = texture;
        glActiveTexture(s_activeTexture);
    }
}

void bindVAO(GLuint vaoId) {
    if (s_VAO != vaoId) {
        s_VAO = vaoId;
        if (glBindVertexArray) glBindVertexArray(vaoId);
    }
}

void enableVertexAttribs(uint32_t flags) {
    bindVAO(0);
    // Attribute indices 0..15 follow the flag bits.
    for (int i = 0; i < 16; i++) {
        unsigned int bit = 1u << i;
        bool enabled = (flags & bit) != 0;
        bool enabledBefore = (s_attributeFlags & bit) != 0;
        if (enabled != enabledBefore) {
            if (enabled)
                glEnableVertexAttribArray(i);
            else
                glDisableVertexAttribArray(i);
        }
    }
    s_attributeFlags = flags;
}

void setProjectionMatrixDirty() {
    s_currentProjectionMatrix = static_cast<GLuint>(-1);
}

}  // namespace GL

NS_CC_END
