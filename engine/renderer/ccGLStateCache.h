// Cached GL state: current program, bound textures, blend function, enabled attributes.
// Call these instead of the raw GL functions so that redundant state changes are skipped.
#ifndef __CCGLSTATE_H__
#define __CCGLSTATE_H__

#include <cstdint>

#include "platform/CCGL.h"
#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

class GLProgram;
class Texture2D;

namespace GL {

enum {
    VERTEX_ATTRIB_FLAG_NONE = 0,
    VERTEX_ATTRIB_FLAG_POSITION = 1 << 0,
    VERTEX_ATTRIB_FLAG_COLOR = 1 << 1,
    VERTEX_ATTRIB_FLAG_TEX_COORD = 1 << 2,
    VERTEX_ATTRIB_FLAG_NORMAL = 1 << 3,
    VERTEX_ATTRIB_FLAG_BLEND_WEIGHT = 1 << 4,
    VERTEX_ATTRIB_FLAG_BLEND_INDEX = 1 << 5,
    VERTEX_ATTRIB_FLAG_POS_COLOR_TEX =
        (VERTEX_ATTRIB_FLAG_POSITION | VERTEX_ATTRIB_FLAG_COLOR | VERTEX_ATTRIB_FLAG_TEX_COORD),
};

// Forgets the cache (after foreign GL code or a new context).
void CC_DLL invalidateStateCache();
void CC_DLL useProgram(GLuint program);
void CC_DLL deleteProgram(GLuint program);
// (GL_ONE, GL_ZERO) disables blending, anything else enables it.
void CC_DLL blendFunc(GLenum sfactor, GLenum dfactor);
void CC_DLL blendResetToCache();
void CC_DLL setProjectionMatrixDirty();
void CC_DLL enableVertexAttribs(uint32_t flags);
void CC_DLL bindTexture2D(GLuint textureId);
void CC_DLL bindTexture2DN(GLuint textureUnit, GLuint textureId);
void CC_DLL bindTextureN(GLuint textureUnit, GLuint textureId, GLuint textureType = GL_TEXTURE_2D);
void CC_DLL deleteTexture(GLuint textureId);
void CC_DLL deleteTextureN(GLuint textureUnit, GLuint textureId);
void CC_DLL activeTexture(GLenum texture);
void CC_DLL bindVAO(GLuint vaoId);

}  // namespace GL

NS_CC_END

#endif  // __CCGLSTATE_H__
