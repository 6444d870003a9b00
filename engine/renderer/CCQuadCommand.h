// A batched command of textured quads (4 vertices tl, bl, tr, br; triangles 0,1,2 and 3,2,1).
#ifndef _CC_QUADCOMMAND_H_
#define _CC_QUADCOMMAND_H_

#include <vector>

#include "renderer/CCTrianglesCommand.h"

NS_CC_BEGIN

class CC_DLL QuadCommand : public TrianglesCommand {
public:
    QuadCommand();
    ~QuadCommand();

    void init(float globalOrder, GLuint textureID, GLProgramState* shader, const BlendFunc& blendType,
              V3F_C4B_T2F_Quad* quads, ssize_t quadCount, const Mat4& mv, uint32_t flags);
    void init(float globalOrder, Texture2D* texture, GLProgramState* shader, const BlendFunc& blendType,
              V3F_C4B_T2F_Quad* quads, ssize_t quadCount, const Mat4& mv, uint32_t flags);
    CC_DEPRECATED_ATTRIBUTE void init(float globalOrder, GLuint textureID, GLProgramState* shader,
                                      const BlendFunc& blendType, V3F_C4B_T2F_Quad* quads, ssize_t quadCount,
                                      const Mat4& mv);

protected:
    void reIndex(ssize_t quadCount);

    // Indices for up to 16384 quads (what 16-bit indices can address);
    // the renderer draws larger commands from the quad count alone.
    std::vector<GLushort> _indices;
};

NS_CC_END

#endif  // _CC_QUADCOMMAND_H_
