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
#include "base/ccUtils.h"
#include "base/CCDirector.h"
#include "base/CCScheduler.h"
#include "base/CCEvent.h"
#include "base/CCEventCustom.h"
#include "base/CCEventDispatcher.h"
#include "base/CCEventListener.h"
#include "base/CCEventListenerCustom.h"
#include "base/CCEventListenerMouse.h"
#include "base/CCEventMouse.h"
#include "base/CCEventTouch.h"
#include "base/CCTouch.h"
#include "base/CCIMEDelegate.h"
#include "base/CCIMEDispatcher.h"

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
#include "platform/CCApplication.h"
#include "platform/CCCommon.h"
#include "platform/CCGLView.h"

// 2d
#include "2d/CCCamera.h"
#include "2d/CCDrawingPrimitives.h"
#include "2d/CCLayer.h"
#include "2d/CCNode.h"
#include "2d/CCScene.h"
#include "2d/CCSprite.h"

// audio
#include "audio/include/SimpleAudioEngine.h"

// renderer
#include "renderer/ccGLStateCache.h"
#include "renderer/CCTexture2D.h"
#include "renderer/CCTextureCache.h"
#include "renderer/CCRenderer.h"
#include "renderer/CCRenderCommand.h"
#include "renderer/CCCustomCommand.h"
#include "renderer/CCTrianglesCommand.h"
#include "renderer/CCQuadCommand.h"
#include "renderer/CCGLProgram.h"
#include "renderer/CCGLProgramCache.h"
#include "renderer/CCGLProgramState.h"
#include "renderer/CCGLProgramStateCache.h"
#include "renderer/CCFrameBuffer.h"
#include "renderer/ccShaders.h"

#endif  // __COCOS2D_H__
