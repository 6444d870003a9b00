// Framebuffer-object entry points from the ARB or EXT extension, for drivers whose core lacks them.
#include "view/FramebufferEntryPoints.h"

#include "base/CCConsole.h"

#include <GL/glew.h>
#include <GL/glx.h>

#include <cstring>
#include <string>

namespace FramebufferEntryPoints {

const char* const kNames[17] = {
    "glIsRenderbuffer",      "glBindRenderbuffer",
    "glDeleteRenderbuffers", "glGenRenderbuffers",
    "glRenderbufferStorage", "glGetRenderbufferParameteriv",
    "glIsFramebuffer",       "glBindFramebuffer",
    "glDeleteFramebuffers",  "glGenFramebuffers",
    "glCheckFramebufferStatus", "glFramebufferTexture1D",
    "glFramebufferTexture2D", "glFramebufferTexture3D",
    "glFramebufferRenderbuffer", "glGetFramebufferAttachmentParameteriv",
    "glGenerateMipmap",
};

namespace {

// GLEW's pointers, in the order of kNames.
template <typename T>
void Store(T& slot, void* address) {
    slot = reinterpret_cast<T>(address);
}

void StoreAll(void* const addresses[17]) {
    Store(__glewIsRenderbuffer, addresses[0]);
    Store(__glewBindRenderbuffer, addresses[1]);
    Store(__glewDeleteRenderbuffers, addresses[2]);
    Store(__glewGenRenderbuffers, addresses[3]);
    Store(__glewRenderbufferStorage, addresses[4]);
    Store(__glewGetRenderbufferParameteriv, addresses[5]);
    Store(__glewIsFramebuffer, addresses[6]);
    Store(__glewBindFramebuffer, addresses[7]);
    Store(__glewDeleteFramebuffers, addresses[8]);
    Store(__glewGenFramebuffers, addresses[9]);
    Store(__glewCheckFramebufferStatus, addresses[10]);
    Store(__glewFramebufferTexture1D, addresses[11]);
    Store(__glewFramebufferTexture2D, addresses[12]);
    Store(__glewFramebufferTexture3D, addresses[13]);
    Store(__glewFramebufferRenderbuffer, addresses[14]);
    Store(__glewGetFramebufferAttachmentParameteriv, addresses[15]);
    Store(__glewGenerateMipmap, addresses[16]);
}

void ResolveAll(Resolver resolve, const char* suffix) {
    void* addresses[17];
    for (int i = 0; i < 17; ++i) {
        std::string name = std::string(kNames[i]) + suffix;
        addresses[i] = resolve(name.c_str());
    }
    StoreAll(addresses);
}

}  // namespace

bool Bind(const char* extensions, Resolver resolve) {
    if (__glewGenFramebuffers) return true;
    cocos2d::log("OpenGL: glGenFramebuffers is nullptr, try to detect an extension");
    const char* list = extensions ? extensions : "";
    if (std::strstr(list, "ARB_framebuffer_object")) {
        cocos2d::log("OpenGL: ARB_framebuffer_object is supported");
        ResolveAll(resolve, "");
        return true;
    }
    if (std::strstr(list, "EXT_framebuffer_object")) {
        cocos2d::log("OpenGL: EXT_framebuffer_object is supported");
        ResolveAll(resolve, "EXT");
        return true;
    }
    cocos2d::log("OpenGL: No framebuffers extension is supported");
    cocos2d::log("OpenGL: Any call to Fbo will crash!");
    return false;
}

void* ResolveWithGlx(const char* name) {
    return reinterpret_cast<void*>(
        glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
}

}  // namespace FramebufferEntryPoints
