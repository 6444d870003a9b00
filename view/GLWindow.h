// The record the GL context layer keeps for each window it has given a context.
#pragma once

#include "view/GLLayer.h"

#include <GL/glx.h>

namespace GLLayer {

// What the created context turned out to be.
struct ContextFacts {
    int clientApi = OpenglApi;
    int major = 0, minor = 0, revision = 0;
    bool forwardCompat = false;
    bool debug = false;
    int profile = AnyProfile;
    int robustness = NoRobustness;
};

// GLX extensions found when the context was made.
struct GlxExtensions {
    bool multisample = false;
    bool framebufferSrgb = false;
    bool createContext = false;
    bool createContextProfile = false;
    bool es2Profile = false;
    bool robustness = false;
    bool swapControl = false;
};

struct GLWindow {
    GLWindow* next = nullptr;
    bool shouldClose = false;
    bool iconified = false;  // the layer sees no window events, so this stays false
    bool resizable = true;
    bool decorated = true;
    int cursorMode = CursorNormal;
    GLHostWindow host;
    GLXFBConfig fbconfig = nullptr;
    GLXContext context = nullptr;
    ContextFacts facts;
    GlxExtensions extensions;
};

}  // namespace GLLayer
