// Scale9Sprite: an image drawn to fill a size, stretched whole or as nine slices around cap insets.
#ifndef __UISCALE9SPRITE_H__
#define __UISCALE9SPRITE_H__

#include <string>

#include "2d/CCNode.h"
#include "base/ccTypes.h"
#include "renderer/CCTrianglesCommand.h"

NS_CC_BEGIN

class SpriteFrame;
class Texture2D;

namespace ui {

class CC_DLL Scale9Sprite : public Node {
public:
    enum class RenderingType { SIMPLE, SLICE };

    static Scale9Sprite* create();
    static Scale9Sprite* create(const std::string& file);

    // False (and no picture) when the image cannot be loaded.
    virtual bool initWithFile(const std::string& file);
    // A sprite-sheet frame: its rectangle (turned back when stored turned)
    // is the image; trimmed borders are not restored.
    virtual bool initWithSpriteFrame(SpriteFrame* frame);
    // A file when it exists, else the cached sprite frame of that name.
    bool initWithFileOrFrame(const std::string& name);
    void resetTexture();
    Texture2D* getTexture() const { return _texture; }
    // The whole image's size in points; zero without an image.
    const Size& getOriginalSize() const { return _originalSize; }

    void setRenderingType(RenderingType type);
    RenderingType getRenderingType() const { return _renderingType; }
    void setScale9Enabled(bool enabled) { setRenderingType(enabled ? RenderingType::SLICE : RenderingType::SIMPLE); }
    bool isScale9Enabled() const { return _renderingType == RenderingType::SLICE; }

    // (left inset, top inset, centre width, centre height) in the image's
    // pixels, origin at the top-left. A zero rectangle means the middle third.
    void setCapInsets(const Rect& insets);
    const Rect& getCapInsets() const { return _capInsets; }

    void setPreferredSize(const Size& size) { setContentSize(size); }
    virtual void setContentSize(const Size& size) override;

    void setBlendFunc(const BlendFunc& blendFunc) { _blendFunc = blendFunc; }
    const BlendFunc& getBlendFunc() const { return _blendFunc; }

    // Vertices of the current fill in node space, for checking the geometry.
    int getVertexCount() const { return _vertexCount; }
    const V3F_C4B_T2F* getVertices() const { return _vertices; }

    virtual void draw(Renderer* renderer, const Mat4& transform, uint32_t flags) override;

    Scale9Sprite();
    virtual ~Scale9Sprite();

protected:
    virtual void updateColor() override;
    void updateGeometry();
    // The insets the slices use: clamped to the image as the engine does.
    Rect effectiveInsets() const;

    bool useTexture(Texture2D* texture, const Rect& rect, bool rotated);

    Texture2D* _texture = nullptr;
    Size _originalSize;
    Rect _frameRect; // in the texture's points
    bool _frameRotated = false;
    RenderingType _renderingType = RenderingType::SIMPLE;
    Rect _capInsets;
    BlendFunc _blendFunc;
    bool _premultiplied = false;
    V3F_C4B_T2F _vertices[16];
    unsigned short _indices[54];
    int _vertexCount = 0;
    int _indexCount = 0;
    TrianglesCommand _trianglesCommand;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(Scale9Sprite)
};

} // namespace ui

NS_CC_END

#endif // __UISCALE9SPRITE_H__
