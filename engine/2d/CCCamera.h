// Camera: here only the default camera's viewport, which GLView::setViewPortInPoints sets
// and each scene applies before drawing (the projection comes from the director).
#ifndef _CCCAMERA_H__
#define _CCCAMERA_H__

#include "2d/CCNode.h"
#include "renderer/CCFrameBuffer.h"

NS_CC_BEGIN

enum class CameraFlag {
    DEFAULT = 1,
    USER1 = 1 << 1,
    USER2 = 1 << 2,
    USER3 = 1 << 3,
    USER4 = 1 << 4,
    USER5 = 1 << 5,
    USER6 = 1 << 6,
    USER7 = 1 << 7,
    USER8 = 1 << 8,
};

class CC_DLL Camera : public Node {
public:
    static void setDefaultViewport(const experimental::Viewport& vp) { _defaultViewport = vp; }
    static const experimental::Viewport& getDefaultViewport() { return _defaultViewport; }
    // glViewport from the default viewport (when a context is current).
    static void applyDefaultViewport();

protected:
    static experimental::Viewport _defaultViewport;
};

NS_CC_END

#endif  // _CCCAMERA_H__
