// CsbSprite: the sprite the scene loader builds; besides a whole image it can show a sprite-sheet frame in place.
#ifndef __CSBSPRITE_H__
#define __CSBSPRITE_H__

#include "2d/CCSprite.h"

NS_CC_BEGIN

class SpriteFrame;

class CC_DLL CsbSprite : public Sprite {
public:
    static CsbSprite* create();
    // Texture, rectangle (turned when the sheet stored it turned) and the
    // trim offset, so the visible part sits where it sat in the original image.
    void showSpriteFrame(SpriteFrame* frame);
};

NS_CC_END

#endif // __CSBSPRITE_H__
