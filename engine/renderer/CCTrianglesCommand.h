// A batched command of textured triangles: consecutive commands with equal
// texture, blend function and shader state are drawn in one call.
#ifndef __CC_TRIANGLES_COMMAND__
#define __CC_TRIANGLES_COMMAND__

#include "base/ccTypes.h"
#include "platform/CCGL.h"
#include "renderer/CCRenderCommand.h"

NS_CC_BEGIN

class GLProgramState;
class GLProgram;
class Texture2D;

class CC_DLL TrianglesCommand : public RenderCommand {
public:
    enum { MATERIAL_ID_DO_NOT_BATCH = 0 };

    struct Triangles {
        Triangles(V3F_C4B_T2F* _verts, unsigned short* _indices, int _vertCount, int _indexCount)
            : verts(_verts),
              indices(_indices),
              vertCount(_vertCount),
              indexCount(_indexCount) {}
        Triangles() {}
        V3F_C4B_T2F* verts = nullptr;
        unsigned short* indices = nullptr;
        int vertCount = 0;
        int indexCount = 0;
    };

    TrianglesCommand();
    ~TrianglesCommand();

    void init(float globalOrder, GLuint textureID, GLProgramState* glProgramState, BlendFunc blendType,
              const Triangles& triangles, const Mat4& mv, uint32_t flags);
    void init(float globalOrder, Texture2D* texture, GLProgramState* glProgramState, BlendFunc blendType,
              const Triangles& triangles, const Mat4& mv, uint32_t flags);
    CC_DEPRECATED_ATTRIBUTE void init(float globalOrder, GLuint textureID, GLProgramState* glProgramState,
                                      BlendFunc blendType, const Triangles& triangles, const Mat4& mv);

    // Binds the texture, sets the blend function and applies the shader state.
    void useMaterial() const;

    uint32_t getMaterialID() const { return _materialID; }
    GLuint getTextureID() const { return _textureID; }
    const Triangles& getTriangles() const { return _triangles; }
    ssize_t getVertexCount() const { return _triangles.vertCount; }
    ssize_t getIndexCount() const { return _triangles.indexCount; }
    const V3F_C4B_T2F* getVertices() const { return _triangles.verts; }
    const unsigned short* getIndices() const { return _triangles.indices; }
    GLProgramState* getGLProgramState() const { return _glProgramState; }
    BlendFunc getBlendType() const { return _blendType; }
    const Mat4& getModelView() const { return _mv; }
    // The texture was given as an object and has no translucent texel.
    bool isTextureOpaque() const { return _textureOpaque; }

    // Quads drawn with the implicit index pattern (set by QuadCommand), so
    // that any number of quads can be batched.
    ssize_t getQuadCount() const { return _quadCount; }

protected:
    void generateMaterialID();

    uint32_t _materialID;
    GLuint _textureID;
    GLProgramState* _glProgramState;
    GLProgram* _glProgram;
    BlendFunc _blendType;
    Triangles _triangles;
    Mat4 _mv;
    ssize_t _quadCount;
    bool _textureOpaque = false;
};

NS_CC_END

#endif // __CC_TRIANGLES_COMMAND__
