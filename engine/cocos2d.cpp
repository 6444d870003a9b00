// Version of the engine API that this layer is compatible with.
#include "cocos2d.h"

namespace cocos2d {
const char* cocos2dVersion() { return "cocos2d-x-3.17"; }
}  // namespace cocos2d
