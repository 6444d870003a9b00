// Umbrella header of the engine layer, as the engine's own "cocos2d.h".
#ifndef __COCOS2D_H__
#define __COCOS2D_H__

namespace cocos2d {
// Version text of the engine API this layer follows.
const char* cocos2dVersion();
}  // namespace cocos2d

// base
#include "base/ccConfig.h"
#include "base/ccMacros.h"
#include "base/ccRandom.h"
#include "base/ccTypes.h"
#include "base/ccUTF8.h"
#include "base/CCAutoreleasePool.h"
#include "base/CCConsole.h"
#include "base/CCRef.h"
#include "base/CCVector.h"
#include "base/CCData.h"
#include "base/CCValue.h"
#include "base/base64.h"
#include "base/ZipUtils.h"

// math
#include "math/CCAffineTransform.h"
#include "math/CCGeometry.h"
#include "math/CCMath.h"

// platform
#include "platform/CCGL.h"
#include "platform/CCPlatformConfig.h"
#include "platform/CCPlatformMacros.h"
#include "platform/CCFileUtils.h"
#include "platform/CCImage.h"

// renderer
#include "renderer/ccGLStateCache.h"
#include "renderer/CCTexture2D.h"
#include "renderer/CCTextureCache.h"

#endif  // __COCOS2D_H__
