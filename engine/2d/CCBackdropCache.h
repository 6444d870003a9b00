// The pixels of a scene's backdrop (the children behind it) kept between frames and copied in while they stay the same.
#ifndef __CC_BACKDROP_CACHE_H__
#define __CC_BACKDROP_CACHE_H__

#include "platform/CCGL.h"
#include "platform/CCPlatformMacros.h"
#include "renderer/CCCustomCommand.h"
#include "renderer/CCRenderFingerprint.h"

#include <cstddef>

NS_CC_BEGIN

class Node;
class Renderer;
class RenderQueue;

// A large image behind moving effects costs a software rasteriser as much as
// the effects themselves, although its pixels do not change. The scene marks
// where its backdrop's commands begin and end in the render queue; the cache
// compares everything they would draw with (vertices, transforms, textures,
// shaders, blending, viewport, projection) with the frame before. Once the
// inputs held still for a frame, the drawn backdrop is copied into an
// offscreen buffer; while they stay the same, one exact copy (same size,
// nearest) takes the place of those commands, so the frame is byte for byte
// what drawing them would give. A backdrop holding particle systems, or a
// draw whose inputs cannot be told (a custom command without a fingerprint),
// is always drawn.
class CC_DLL BackdropCache {
public:
    BackdropCache();
    ~BackdropCache();

    // Before the scene's children behind it are visited.
    void beginBackdrop(Renderer* renderer);
    // After they have queued their commands (the scene's own draw).
    void endBackdrop(Renderer* renderer, const Node& scene);
    // Forgets the kept pixels: the next frames draw the backdrop again.
    void invalidate();

    // Frames whose backdrop came from the copy, and copies taken (for tests and figures).
    unsigned int framesFromCache() const { return _framesFromCache; }
    unsigned int copiesTaken() const { return _copiesTaken; }

private:
    bool describeBackdrop(Renderer* renderer, const Node& scene);
    bool ensureStorage(GLsizei width, GLsizei height);
    void releaseStorage();
    void capture();
    void restore();
    // Whether anything was queued to draw before the backdrop, which a copy would freeze or cover.
    bool drawnBeforeBackdrop() const;

    Renderer* _renderer = nullptr;
    int _queueId = 0;
    size_t _queuedBefore[5] = {};
    bool _begun = false;

    RenderFingerprint _inputs;   // this frame's
    RenderFingerprint _previous; // the last frame's, not yet kept
    RenderFingerprint _kept;     // those of the kept pixels
    bool _valid = false;
    GLint _viewport[4] = {};

    GLuint _framebuffer = 0;
    GLuint _colour = 0;
    GLsizei _width = 0;
    GLsizei _height = 0;

    CustomCommand _captureCommand;
    CustomCommand _restoreCommand;
    unsigned int _framesFromCache = 0;
    unsigned int _copiesTaken = 0;
};

NS_CC_END

#endif // __CC_BACKDROP_CACHE_H__
