// The engine view's arithmetic: viewport and scissor in pixels, the retina rule, fitting the design area.
#pragma once

namespace ViewMath {

struct PixelRect {
    float x = 0, y = 0, width = 0, height = 0;
};

// A rectangle in design points mapped to GL window pixels: the engine's
// scale factors (sx, sy), the origin of its viewport rectangle (vx, vy), the
// retina factor and the frame zoom factor.
PixelRect PointsToPixels(float x, float y, float w, float h, float sx, float sy, float vx, float vy, int retinaFactor,
                         float zoom);

// The same rectangle as glScissor takes it (truncated towards zero).
struct ScissorBox {
    int x = 0, y = 0, width = 0, height = 0;
};
ScissorBox PointsToScissor(float x, float y, float w, float h, float sx, float sy, float vx, float vy, int retinaFactor,
                           float zoom);

// What a frame-size update does with the GL window: a framebuffer exactly
// twice the window size in both directions means a retina screen.
struct FrameSizeUpdate {
    int retinaFactor = 1;
    bool inRetinaMonitor = false;
    int windowWidth = 0, windowHeight = 0; // size to give the GL window
};
FrameSizeUpdate UpdateFrameSize(float frameWidth, float frameHeight, int windowWidth, int windowHeight,
                                int framebufferWidth, int framebufferHeight, bool retinaEnabled, bool inRetinaMonitor,
                                int retinaFactor, float zoom);

// Where the design area goes in a client area of cw x ch pixels: uniformly
// scaled to fit, never enlarged, centred.
struct DesignAreaFit {
    float scale = 1;
    int width = 0, height = 0; // truncated
    float x = 0, y = 0;
};
DesignAreaFit FitDesignArea(int clientWidth, int clientHeight, int designWidth, int designHeight);

// A position in the view's client pixels (y down) in design points (y up):
// (vx, vy) and vh are the engine's viewport rectangle in the view, (sx, sy)
// its scale factors. The viewport already carries the centring margins, so
// the client position is used as it is.
struct DesignPoint {
    float x = 0, y = 0;
};
DesignPoint ClientToDesign(float x, float y, float vx, float vy, float vh, float sx, float sy);

} // namespace ViewMath
