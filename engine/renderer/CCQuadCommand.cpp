// Batched quads.
#include "renderer/CCQuadCommand.h"

#include <algorithm>

#include "renderer/CCTexture2D.h"

NS_CC_BEGIN

QuadCommand::QuadCommand() {
    _type = RenderCommand::Type::TRIANGLES_COMMAND;
}

QuadCommand::~QuadCommand() {}

void QuadCommand::reIndex(ssize_t quadCount) {
    ssize_t indexed = std::min<ssize_t>(quadCount, 16384);
    ssize_t have = static_cast<ssize_t>(_indices.size()) / 6;
    if (have >= indexed) return;
    _indices.resize(static_cast<size_t>(indexed) * 6);
    for (ssize_t i = have; i < indexed; i++) {
        GLushort base = static_cast<GLushort>(i * 4);
        _indices[i * 6 + 0] = base + 0;
        _indices[i * 6 + 1] = base + 1;
        _indices[i * 6 + 2] = base + 2;
        _indices[i * 6 + 3] = base + 3;
        _indices[i * 6 + 4] = base + 2;
        _indices[i * 6 + 5] = base + 1;
    }
}

void QuadCommand::init(float globalOrder, GLuint textureID, GLProgramState* shader, const BlendFunc& blendType,
                       V3F_C4B_T2F_Quad* quads, ssize_t quadCount, const Mat4& mv, uint32_t flags) {
    if (quadCount < 0) quadCount = 0;
    reIndex(quadCount);
    ssize_t indexed = std::min<ssize_t>(quadCount, 16384);
    Triangles triangles;
    triangles.verts = &quads->tl;
    triangles.vertCount = static_cast<int>(std::min<ssize_t>(quadCount * 4, 65536));
    triangles.indices = _indices.empty() ? nullptr : _indices.data();
    triangles.indexCount = static_cast<int>(indexed * 6);
    TrianglesCommand::init(globalOrder, textureID, shader, blendType, triangles, mv, flags);
    _quadCount = quadCount;
}

void QuadCommand::init(float globalOrder, Texture2D* texture, GLProgramState* shader, const BlendFunc& blendType,
                       V3F_C4B_T2F_Quad* quads, ssize_t quadCount, const Mat4& mv, uint32_t flags) {
    init(globalOrder, texture ? texture->getName() : 0, shader, blendType, quads, quadCount, mv, flags);
    _textureOpaque = texture && texture->isOpaque();
}

void QuadCommand::init(float globalOrder, GLuint textureID, GLProgramState* shader, const BlendFunc& blendType,
                       V3F_C4B_T2F_Quad* quads, ssize_t quadCount, const Mat4& mv) {
    init(globalOrder, textureID, shader, blendType, quads, quadCount, mv, 0);
}

NS_CC_END
