// CsbSprite: a frame's texture, rectangle and offset applied to the sprite.
#include "editor-support/cocostudio/CsbSprite.h"

#include "2d/CCSpriteFrame.h"

NS_CC_BEGIN

CsbSprite* CsbSprite::create() {
    CsbSprite* sprite = new (std::nothrow) CsbSprite();
    if (sprite && sprite->init()) {
        sprite->autorelease();
        return sprite;
    }
    CC_SAFE_DELETE(sprite);
    return nullptr;
}

void CsbSprite::showSpriteFrame(SpriteFrame* frame) {
    if (frame == nullptr) return;
    setTexture(frame->getTexture());
    _unflippedOffsetPositionFromCenter = frame->getOffset();
    setTextureRect(frame->getRect(), frame->isRotated(), frame->getOriginalSize());
}

NS_CC_END
