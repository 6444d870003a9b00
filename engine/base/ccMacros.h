// The engine's helper macros: assertions, blending defaults, angles, randoms, GL statistics.
#ifndef __BASE_CCMACROS_H__
#define __BASE_CCMACROS_H__

#define _USE_MATH_DEFINES

#include <cfloat>
#include <cmath>

#include "base/ccConfig.h"
#include "platform/CCPlatformMacros.h"
#include "base/ccRandom.h"

#ifndef CCASSERT
#if defined(COCOS2D_DEBUG) && COCOS2D_DEBUG > 0
#define CCASSERT(cond, msg) do { \
        if (!(cond)) { \
            cocos2d::log("Assert failed: %s", msg); \
            CC_ASSERT(cond); \
        } \
    } while (0)
#else
#define CCASSERT(cond, msg)
#endif
#define GP_ASSERT(cond) CCASSERT(cond, "")
#endif

#define CCRANDOM_MINUS1_1() cocos2d::rand_minus1_1()
#define CCRANDOM_0_1() cocos2d::rand_0_1()

#define CC_DEGREES_TO_RADIANS(__ANGLE__) ((__ANGLE__) * 0.01745329252f)  // PI / 180
#define CC_RADIANS_TO_DEGREES(__ANGLE__) ((__ANGLE__) * 57.29577951f)    // PI * 180

#define CC_REPEAT_FOREVER (UINT_MAX - 1)
#define kRepeatForever CC_REPEAT_FOREVER

// Default blending: premultiplied alpha.
#define CC_BLEND_SRC GL_ONE
#define CC_BLEND_DST GL_ONE_MINUS_SRC_ALPHA

#define CC_NODE_DRAW_SETUP() \
    do { \
        CCASSERT(getGLProgram(), "No shader program set for this node"); \
        { \
            getGLProgram()->use(); \
            getGLProgram()->setUniformsForBuiltins(_modelViewTransform); \
        } \
    } while (0)

#define CC_DIRECTOR_END() \
    do { \
        Director* __director = cocos2d::Director::getInstance(); \
        __director->end(); \
    } while (0)

// Needs "base/CCDirector.h" where it is used, as in the engine.
#define CC_CONTENT_SCALE_FACTOR() cocos2d::Director::getInstance()->getContentScaleFactor()

#define CC_RECT_PIXELS_TO_POINTS(__rect_in_pixels__) \
    cocos2d::Rect((__rect_in_pixels__).origin.x / CC_CONTENT_SCALE_FACTOR(), \
                  (__rect_in_pixels__).origin.y / CC_CONTENT_SCALE_FACTOR(), \
                  (__rect_in_pixels__).size.width / CC_CONTENT_SCALE_FACTOR(), \
                  (__rect_in_pixels__).size.height / CC_CONTENT_SCALE_FACTOR())
#define CC_RECT_POINTS_TO_PIXELS(__rect_in_points_points__) \
    cocos2d::Rect((__rect_in_points_points__).origin.x * CC_CONTENT_SCALE_FACTOR(), \
                  (__rect_in_points_points__).origin.y * CC_CONTENT_SCALE_FACTOR(), \
                  (__rect_in_points_points__).size.width * CC_CONTENT_SCALE_FACTOR(), \
                  (__rect_in_points_points__).size.height * CC_CONTENT_SCALE_FACTOR())
#define CC_POINT_PIXELS_TO_POINTS(__pixels__) \
    cocos2d::Vec2((__pixels__).x / CC_CONTENT_SCALE_FACTOR(), (__pixels__).y / CC_CONTENT_SCALE_FACTOR())
#define CC_POINT_POINTS_TO_PIXELS(__points__) \
    cocos2d::Vec2((__points__).x * CC_CONTENT_SCALE_FACTOR(), (__points__).y * CC_CONTENT_SCALE_FACTOR())
#define CC_SIZE_PIXELS_TO_POINTS(__size_in_pixels__) \
    cocos2d::Size((__size_in_pixels__).width / CC_CONTENT_SCALE_FACTOR(), (__size_in_pixels__).height / CC_CONTENT_SCALE_FACTOR())
#define CC_SIZE_POINTS_TO_PIXELS(__size_in_points__) \
    cocos2d::Size((__size_in_points__).width * CC_CONTENT_SCALE_FACTOR(), (__size_in_points__).height * CC_CONTENT_SCALE_FACTOR())

#ifndef FLT_EPSILON
#define FLT_EPSILON 1.192092896e-07F
#endif

#define CC_SWAP(x, y, type) \
    do { type temp = (x); (x) = (y); (y) = temp; } while (0)

// GL error check: active in debug builds only, as in the engine.
#if !defined(COCOS2D_DEBUG) || COCOS2D_DEBUG == 0
#define CHECK_GL_ERROR_DEBUG()
#else
#define CHECK_GL_ERROR_DEBUG() \
    do { \
        GLenum __error = glGetError(); \
        if (__error) { \
            cocos2d::log("OpenGL error 0x%04X in %s %s %d\n", __error, __FILE__, __FUNCTION__, __LINE__); \
        } \
    } while (false)
#endif

// Draw statistics of the renderer.
#define CC_INCREMENT_GL_DRAWS(__n__) cocos2d::Director::getInstance()->getRenderer()->addDrawnBatches(__n__)
#define CC_INCREMENT_GL_DRAWN_BATCHES_AND_VERTICES(__drawcalls__, __vertices__) \
    do { \
        auto __renderer__ = cocos2d::Director::getInstance()->getRenderer(); \
        __renderer__->addDrawnBatches(__drawcalls__); \
        __renderer__->addDrawnVertices(__vertices__); \
    } while (0)

#define AnimationFrameDisplayedNotification "CCAnimationFrameDisplayedNotification"

#define CC_ENABLE_PREMULTIPLIED_ALPHA_VALUE CC_ENABLE_PREMULTIPLIED_ALPHA

#endif  // __BASE_CCMACROS_H__
