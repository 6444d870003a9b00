// SpriteFrame: holds its texture for as long as it lives.
#include "2d/CCSpriteFrame.h"

#include "renderer/CCTexture2D.h"

NS_CC_BEGIN

SpriteFrame* SpriteFrame::createWithTexture(Texture2D* texture, const Rect& rect, bool rotated, const Vec2& offset,
                                            const Size& originalSize) {
    if (texture == nullptr) return nullptr;
    SpriteFrame* frame = new (std::nothrow) SpriteFrame();
    if (frame == nullptr) return nullptr;
    texture->retain();
    frame->_texture = texture;
    frame->_rect = rect;
    frame->_rotated = rotated;
    frame->_offset = offset;
    frame->_originalSize = originalSize;
    frame->autorelease();
    return frame;
}

SpriteFrame* SpriteFrame::createWithTexture(Texture2D* texture, const Rect& rect) {
    return createWithTexture(texture, rect, false, Vec2::ZERO, rect.size);
}

SpriteFrame::~SpriteFrame() {
    CC_SAFE_RELEASE(_texture);
}

NS_CC_END
