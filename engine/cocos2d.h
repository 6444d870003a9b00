// Umbrella header of the engine layer, as the engine's own "cocos2d.h".
#ifndef __COCOS2D_H__
#define __COCOS2D_H__

namespace cocos2d {
// Version text of the engine API this layer follows.
const char* cocos2dVersion();
}  // namespace cocos2d

#endif  // __COCOS2D_H__
