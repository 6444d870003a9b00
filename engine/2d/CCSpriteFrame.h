// SpriteFrame: a named piece of a texture (a sprite sheet cell), with its trim offset and original size.
#ifndef __SPRITE_CCSPRITE_FRAME_H__
#define __SPRITE_CCSPRITE_FRAME_H__

#include "base/CCRef.h"
#include "math/CCGeometry.h"

NS_CC_BEGIN

class Texture2D;

class CC_DLL SpriteFrame : public Ref {
public:
    // Rectangles, offsets and sizes in points. A rotated frame is stored
    // turned a quarter clockwise in the texture; its rect is the unturned size.
    static SpriteFrame* createWithTexture(Texture2D* texture, const Rect& rect, bool rotated, const Vec2& offset,
                                          const Size& originalSize);
    static SpriteFrame* createWithTexture(Texture2D* texture, const Rect& rect);

    Texture2D* getTexture() const { return _texture; }
    const Rect& getRect() const { return _rect; }
    bool isRotated() const { return _rotated; }
    const Vec2& getOffset() const { return _offset; }
    const Size& getOriginalSize() const { return _originalSize; }

    SpriteFrame() = default;
    virtual ~SpriteFrame();

private:
    Texture2D* _texture = nullptr;
    Rect _rect;
    bool _rotated = false;
    Vec2 _offset;
    Size _originalSize;
};

NS_CC_END

#endif // __SPRITE_CCSPRITE_FRAME_H__
