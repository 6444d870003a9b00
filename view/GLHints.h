// The window hints of the GL context layer: defaults, setting one, checking the context request.
#pragma once

#include "view/FramebufferConfig.h"
#include "view/GLLayerCodes.h"

#include <string>

namespace GLLayer {

// What the next created window asks for. The defaults are those of a
// plain double-buffered RGBA8 window with depth 24 and stencil 8.
struct GLHints {
    int clientApi = OpenglApi;
    int versionMajor = 1;
    int versionMinor = 0;
    bool forwardCompat = false;
    bool debug = false;
    int profile = 0;
    int robustness = 0;

    bool resizable = true;
    bool visible = true;
    bool decorated = true;

    int redBits = 8, greenBits = 8, blueBits = 8, alphaBits = 8;
    int depthBits = 24, stencilBits = 8;
    int accumRedBits = 0, accumGreenBits = 0, accumBlueBits = 0, accumAlphaBits = 0;
    int auxBuffers = 0;
    bool stereo = false;
    int samples = 0;
    bool sRGB = false;
};

// Stores one hint; false when `hint` is not a known hint.
bool ApplyHint(GLHints& hints, int hint, int value);

// The framebuffer the hints ask for; negative bit counts become 0.
FramebufferConfig WantedFramebuffer(const GLHints& hints);

// Checks that the hints describe a context that can exist. On failure sets
// `code` (an Error) and `text` and returns false.
bool ValidateContextHints(const GLHints& hints, int& code, std::string& text);

}  // namespace GLLayer
