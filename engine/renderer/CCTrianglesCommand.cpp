// Batched triangles: material identity and state setup.
#include "renderer/CCTrianglesCommand.h"

#include <cstring>

#include "base/CCConsole.h"
#include "renderer/CCGLProgram.h"
#include "renderer/CCGLProgramState.h"
#include "renderer/CCTexture2D.h"
#include "renderer/ccGLStateCache.h"

NS_CC_BEGIN

TrianglesCommand::TrianglesCommand()
    : _materialID(0),
      _textureID(0),
      _glProgramState(nullptr),
      _glProgram(nullptr),
      _quadCount(0) {
    _type = RenderCommand::Type::TRIANGLES_COMMAND;
    _blendType = BlendFunc::DISABLE;
}

TrianglesCommand::~TrianglesCommand() {}

void TrianglesCommand::init(float globalOrder, GLuint textureID, GLProgramState* glProgramState, BlendFunc blendType,
                            const Triangles& triangles, const Mat4& mv, uint32_t flags) {
    RenderCommand::init(globalOrder, mv, flags);

    _triangles = triangles;
    if (_triangles.indexCount % 3 != 0) {
        int count = _triangles.indexCount;
        _triangles.indexCount = count / 3 * 3;
        log("Resize indexCount from %d to %d, size must be multiple times of 3", count, _triangles.indexCount);
    }
    _mv = mv;
    _quadCount = 0;
    _textureOpaque = false;

    if (_textureID != textureID || _blendType.src != blendType.src || _blendType.dst != blendType.dst ||
        _glProgramState != glProgramState ||
        _glProgram != (glProgramState ? glProgramState->getGLProgram() : nullptr)) {
        _textureID = textureID;
        _blendType = blendType;
        _glProgramState = glProgramState;
        _glProgram = glProgramState ? glProgramState->getGLProgram() : nullptr;
        generateMaterialID();
    }
}

void TrianglesCommand::init(float globalOrder, Texture2D* texture, GLProgramState* glProgramState, BlendFunc blendType,
                            const Triangles& triangles, const Mat4& mv, uint32_t flags) {
    init(globalOrder, texture ? texture->getName() : 0, glProgramState, blendType, triangles, mv, flags);
    _textureOpaque = texture && texture->isOpaque();
}

void TrianglesCommand::init(float globalOrder, GLuint textureID, GLProgramState* glProgramState, BlendFunc blendType,
                            const Triangles& triangles, const Mat4& mv) {
    init(globalOrder, textureID, glProgramState, blendType, triangles, mv, 0);
}

void TrianglesCommand::generateMaterialID() {
    // FNV-1a over the record {program state, texture, blend src, blend dst}.
    struct {
        void* glProgramState;
        GLuint textureId;
        GLenum src;
        GLenum dst;
    } hashMe;
    std::memset(&hashMe, 0, sizeof(hashMe));
    hashMe.glProgramState = _glProgramState;
    hashMe.textureId = _textureID;
    hashMe.src = _blendType.src;
    hashMe.dst = _blendType.dst;
    uint32_t h = 2166136261u;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(&hashMe);
    for (size_t i = 0; i < sizeof(hashMe); ++i) {
        h ^= p[i];
        h *= 16777619u;
    }
    if (h == MATERIAL_ID_DO_NOT_BATCH) h = 1;
    _materialID = h;
}

void TrianglesCommand::useMaterial() const {
    GL::bindTexture2D(_textureID);
    GL::blendFunc(_blendType.src, _blendType.dst);
    if (_glProgramState) _glProgramState->apply(_mv);
}

NS_CC_END
