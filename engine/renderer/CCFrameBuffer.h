// The viewport rectangle the default camera applies (frame pixels).
#ifndef __CC_FRAME_BUFFER_H__
#define __CC_FRAME_BUFFER_H__

#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

namespace experimental {

struct CC_DLL Viewport {
    Viewport(float left, float bottom, float width, float height)
        : _left(left), _bottom(bottom), _width(width), _height(height) {}
    Viewport() : _left(0), _bottom(0), _width(0), _height(0) {}

    float _left;
    float _bottom;
    float _width;
    float _height;
};

}  // namespace experimental

NS_CC_END

#endif  // __CC_FRAME_BUFFER_H__
