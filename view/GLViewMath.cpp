// The engine view's arithmetic, kept free of windows and GL so that it can be checked alone.
#include "view/GLViewMath.h"

#include <algorithm>

namespace ViewMath {

PixelRect PointsToPixels(float x, float y, float w, float h, float sx, float sy, float vx, float vy, int retinaFactor,
                         float zoom) {
    const float k = static_cast<float>(retinaFactor) * zoom;
    PixelRect r;
    r.x = x * sx * k + vx * k;
    r.y = y * sy * k + vy * k;
    r.width = w * sx * k;
    r.height = h * sy * k;
    return r;
}

ScissorBox PointsToScissor(float x, float y, float w, float h, float sx, float sy, float vx, float vy, int retinaFactor,
                           float zoom) {
    PixelRect r = PointsToPixels(x, y, w, h, sx, sy, vx, vy, retinaFactor, zoom);
    return ScissorBox{static_cast<int>(r.x), static_cast<int>(r.y), static_cast<int>(r.width),
                      static_cast<int>(r.height)};
}

FrameSizeUpdate UpdateFrameSize(float frameWidth, float frameHeight, int windowWidth, int windowHeight,
                                int framebufferWidth, int framebufferHeight, bool retinaEnabled, bool inRetinaMonitor,
                                int retinaFactor, float zoom) {
    FrameSizeUpdate u;
    u.retinaFactor = retinaFactor;
    if (framebufferWidth == windowWidth * 2 && framebufferHeight == windowHeight * 2) {
        u.retinaFactor = retinaEnabled ? 1 : 2;
        u.windowWidth = static_cast<int>(frameWidth / 2 * u.retinaFactor * zoom);
        u.windowHeight = static_cast<int>(frameHeight / 2 * u.retinaFactor * zoom);
        u.inRetinaMonitor = true;
    } else {
        if (inRetinaMonitor) u.retinaFactor = 1;
        u.windowWidth = static_cast<int>(frameWidth * u.retinaFactor * zoom);
        u.windowHeight = static_cast<int>(frameHeight * u.retinaFactor * zoom);
        u.inRetinaMonitor = false;
    }
    return u;
}

DesignAreaFit FitDesignArea(int clientWidth, int clientHeight, int designWidth, int designHeight) {
    DesignAreaFit f;
    if (designWidth <= 0 || designHeight <= 0) return f;
    f.scale = std::min(static_cast<float>(clientHeight) / static_cast<float>(designHeight),
                       static_cast<float>(clientWidth) / static_cast<float>(designWidth));
    if (f.scale > 1) f.scale = 1;
    f.width = static_cast<int>(static_cast<float>(designWidth) * f.scale);
    f.height = static_cast<int>(static_cast<float>(designHeight) * f.scale);
    f.x = static_cast<float>(clientWidth) * 0.5f - static_cast<float>(f.width) * 0.5f;
    f.y = static_cast<float>(clientHeight) * 0.5f - static_cast<float>(f.height) * 0.5f;
    return f;
}

DesignPoint ClientToDesign(float x, float y, float vx, float vy, float vh, float sx, float sy) {
    DesignPoint p;
    if (sx == 0 || sy == 0) return p;
    p.x = (x - vx) / sx;
    p.y = (vy + vh - y) / sy;
    return p;
}

} // namespace ViewMath
