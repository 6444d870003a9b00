// The GL context layer: gives an existing toolkit-made X window a GLX context, and nothing more.
#pragma once

#include "view/GLLayerCodes.h"

#include <X11/Xlib.h>

#include <functional>

namespace GLLayer {

// A native window made by the toolkit. The layer creates no windows of its
// own; the hooks let the toolkit keep doing what it manages itself. Without a
// hook the layer acts on the X window directly.
struct GLHostWindow {
    ::Window xid = 0;
    std::function<void(int width, int height)> resize;
    std::function<void()> show;     // show, raise among siblings, take the keyboard focus
    std::function<void()> destroy;  // the layer is done with the window
};

struct GLWindow;
using ErrorCallback = void (*)(int code, const char* text);

// The X display of the toolkit must be open (GTK running on X11) and offer GLX 1.3.
bool init();
void terminate();
bool isInitialized();
ErrorCallback setErrorCallback(ErrorCallback callback);

void windowHint(int hint, int value);
void defaultWindowHints();

// The X visual the current hints lead to, 0 when there is none. A window's
// visual is fixed when it is made, so the toolkit asks for this first and
// gives it to the window it is about to create.
VisualID chooseVisual();

GLWindow* createWindow(int width, int height, const GLHostWindow& host, void* monitor = nullptr,
                       GLWindow* share = nullptr);
void destroyWindow(GLWindow* window);

void makeContextCurrent(GLWindow* window);
GLWindow* getCurrentContext();
void swapBuffers(GLWindow* window);

void getWindowSize(GLWindow* window, int* width, int* height);
void getFramebufferSize(GLWindow* window, int* width, int* height);
void setWindowSize(GLWindow* window, int width, int height);

void setWindowShouldClose(GLWindow* window, bool value);
bool windowShouldClose(GLWindow* window);

void setCursorMode(GLWindow* window, int mode);
int getCursorMode(GLWindow* window);

// Dispatches every toolkit event that is ready, without blocking.
void pollEvents();

::Window getX11Window(GLWindow* window);
Display* getX11Display();

// Live windows, newest first (for inspection; the list belongs to the layer).
GLWindow* firstWindow();
GLWindow* nextWindow(GLWindow* window);

}  // namespace GLLayer
