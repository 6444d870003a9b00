// GLView: the window the director draws into. Platform views derive from it and provide
// the context operations (end, isOpenGLReady, swapBuffers, pollEvents, ...); the base keeps
// frame size, design resolution, scale factors, viewport and the touch bookkeeping.
//
// end() is called when the director is purged; by the engine's convention a view then
// forgets its window and releases itself once (balancing Director::setOpenGLView's retain).
#ifndef __CCGLVIEW_H__
#define __CCGLVIEW_H__

#include <cstdint>
#include <string>
#include <vector>

#include "base/CCRef.h"
#include "base/ccTypes.h"
#include "math/CCGeometry.h"

enum class ResolutionPolicy {
    // The whole design area fills the frame; x and y scale independently.
    EXACT_FIT,
    // The frame is filled without distortion; parts of the design area may be cut.
    NO_BORDER,
    // The whole design area is visible without distortion, centred; borders may remain.
    SHOW_ALL,
    // The design height fills the frame; the design width follows the frame's aspect.
    FIXED_HEIGHT,
    // The design width fills the frame; the design height follows the frame's aspect.
    FIXED_WIDTH,

    UNKNOWN,
};

// Bit depths of the GL context a view should create.
struct GLContextAttrs {
    int redBits;
    int greenBits;
    int blueBits;
    int alphaBits;
    int depthBits;
    int stencilBits;
    int multisamplingCount;
};

NS_CC_BEGIN

class Scene;
class Renderer;
class Touch;

class CC_DLL GLView : public Ref {
public:
    GLView();
    virtual ~GLView();

    // ---- virtual operations, in the engine's order ----
    virtual void end() = 0;
    virtual bool isOpenGLReady() = 0;
    virtual void swapBuffers() = 0;
    virtual void setIMEKeyboardState(bool open) = 0;
    virtual bool windowShouldClose() { return false; }
    CC_DEPRECATED_ATTRIBUTE virtual void pollInputEvents();
    virtual void pollEvents();
    virtual Size getFrameSize() const;
    // Stores the frame size; an unset design size becomes the frame size. Scale and
    // viewport are not recomputed (setDesignResolutionSize does that).
    virtual void setFrameSize(float width, float height);
    virtual void setFrameZoomFactor(float zoomFactor) {}
    virtual float getFrameZoomFactor() const { return 1.0; }
    virtual void setCursorVisible(bool isVisible) {}
    virtual int getRetinaFactor() const { return 1; }
    virtual bool setContentScaleFactor(float scaleFactor) { return false; }
    virtual float getContentScaleFactor() const { return 1.0; }
    virtual bool isRetinaDisplay() const { return false; }
    virtual Size getVisibleSize() const;
    virtual Vec2 getVisibleOrigin() const;
    virtual Rect getVisibleRect() const;
    virtual void setDesignResolutionSize(float width, float height, ResolutionPolicy resolutionPolicy);
    virtual const Size& getDesignResolutionSize() const;
    // Sets the default camera viewport: (x*sx + vp.x, y*sy + vp.y, w*sx, h*sy) in frame pixels.
    virtual void setViewPortInPoints(float x, float y, float w, float h);
    virtual void setScissorInPoints(float x, float y, float w, float h);
    virtual bool isScissorEnabled();
    virtual Rect getScissorRect() const;
    virtual void setViewName(const std::string& viewname);
    // Positions in frame pixels, y downwards.
    virtual void handleTouchesBegin(int num, intptr_t ids[], float xs[], float ys[]);
    virtual void handleTouchesMove(int num, intptr_t ids[], float xs[], float ys[]);
    virtual void handleTouchesEnd(int num, intptr_t ids[], float xs[], float ys[]);
    virtual void handleTouchesCancel(int num, intptr_t ids[], float xs[], float ys[]);

    // ---- non-virtual ----
    void handleTouchesMove(int num, intptr_t ids[], float xs[], float ys[], float fs[], float ms[]);
    Rect getSafeAreaRect() const { return getVisibleRect(); }
    const std::string& getViewName() const;
    // Frame pixels of the scaled design area (zero until a design size and frame size exist).
    const Rect& getViewPortRect() const;
    std::vector<Touch*> getAllTouches() const;
    float getScaleX() const;
    float getScaleY() const;
    ResolutionPolicy getResolutionPolicy() const { return _resolutionPolicy; }
    void renderScene(Scene* scene, Renderer* renderer);

    static void setGLContextAttrs(GLContextAttrs& glContextAttrs);
    static GLContextAttrs getGLContextAttrs();
    static GLContextAttrs _glContextAttrs;

protected:
    // Scale factors and viewport for the frame size, design size and policy; then the
    // director's window size and projection follow.
    void updateDesignResolutionSize();
    void handleTouchesOfEndOrCancel(int eventCode, int num, intptr_t ids[], float xs[], float ys[]);

    Size _screenSize;
    Size _designResolutionSize;
    Rect _viewPortRect;
    std::string _viewName;

    float _scaleX;
    float _scaleY;
    ResolutionPolicy _resolutionPolicy;
    void* _vrImpl;
};

NS_CC_END

#endif  // __CCGLVIEW_H__
