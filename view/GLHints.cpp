// Window hints of the GL context layer and the check of the context they ask for.
#include "view/GLHints.h"

#include <algorithm>
#include <cstdio>

namespace GLLayer {

bool ApplyHint(GLHints& h, int hint, int value) {
    switch (hint) {
    case Resizable: h.resizable = value != 0; return true;
    case Visible: h.visible = value != 0; return true;
    case Decorated: h.decorated = value != 0; return true;
    case RedBits: h.redBits = value; return true;
    case GreenBits: h.greenBits = value; return true;
    case BlueBits: h.blueBits = value; return true;
    case AlphaBits: h.alphaBits = value; return true;
    case DepthBits: h.depthBits = value; return true;
    case StencilBits: h.stencilBits = value; return true;
    case AccumRedBits: h.accumRedBits = value; return true;
    case AccumGreenBits: h.accumGreenBits = value; return true;
    case AccumBlueBits: h.accumBlueBits = value; return true;
    case AccumAlphaBits: h.accumAlphaBits = value; return true;
    case AuxBuffers: h.auxBuffers = value; return true;
    case Stereo: h.stereo = value != 0; return true;
    case Samples: h.samples = value; return true;
    case SrgbCapable: h.sRGB = value != 0; return true;
    case ClientApi: h.clientApi = value; return true;
    case ContextVersionMajor: h.versionMajor = value; return true;
    case ContextVersionMinor: h.versionMinor = value; return true;
    case ContextRobustness: h.robustness = value; return true;
    case OpenglForwardCompat: h.forwardCompat = value != 0; return true;
    case OpenglDebugContext: h.debug = value != 0; return true;
    case OpenglProfile: h.profile = value; return true;
    default: return false;
    }
}

FramebufferConfig WantedFramebuffer(const GLHints& h) {
    auto bits = [](int v) { return std::max(v, 0); };
    FramebufferConfig c;
    c.redBits = bits(h.redBits);
    c.greenBits = bits(h.greenBits);
    c.blueBits = bits(h.blueBits);
    c.alphaBits = bits(h.alphaBits);
    c.depthBits = bits(h.depthBits);
    c.stencilBits = bits(h.stencilBits);
    c.accumRedBits = bits(h.accumRedBits);
    c.accumGreenBits = bits(h.accumGreenBits);
    c.accumBlueBits = bits(h.accumBlueBits);
    c.accumAlphaBits = bits(h.accumAlphaBits);
    c.auxBuffers = bits(h.auxBuffers);
    c.stereo = h.stereo;
    c.samples = bits(h.samples);
    c.sRGB = h.sRGB;
    return c;
}

namespace {

bool Fail(int& code, std::string& text, int c, const char* format, int a = 0, int b = 0) {
    char buf[160];
    std::snprintf(buf, sizeof buf, format, a, b);
    code = c;
    text = buf;
    return false;
}

}  // namespace

bool ValidateContextHints(const GLHints& h, int& code, std::string& text) {
    const int major = h.versionMajor, minor = h.versionMinor;
    if (h.clientApi == OpenglApi) {
        bool known = (major == 1 && minor >= 0 && minor <= 5) ||
                     (major == 2 && minor >= 0 && minor <= 1) ||
                     (major == 3 && minor >= 0 && minor <= 3) || (major >= 4 && minor >= 0);
        if (!known) return Fail(code, text, InvalidValue, "Invalid OpenGL version %i.%i", major, minor);
        if (h.forwardCompat && major < 3)
            return Fail(code, text, InvalidValue,
                        "Forward compatibility requested for OpenGL version %i.%i", major, minor);
        if (h.profile != AnyProfile) {
            if (h.profile != CoreProfile && h.profile != CompatProfile)
                return Fail(code, text, InvalidEnum, "Invalid OpenGL profile requested");
            if (major < 3 || (major == 3 && minor < 2))
                return Fail(code, text, InvalidValue,
                            "Context profiles are only defined for OpenGL version 3.2 and above");
        }
    } else if (h.clientApi == OpenglEsApi) {
        bool known = (major == 1 && minor >= 0 && minor <= 1) || (major == 2 && minor == 0) ||
                     (major >= 3 && minor >= 0);
        if (!known)
            return Fail(code, text, InvalidValue, "Invalid OpenGL ES version %i.%i", major, minor);
        if (h.profile != AnyProfile || h.forwardCompat)
            return Fail(code, text, InvalidValue,
                        "Profiles and forward compatibility are not defined for OpenGL ES");
    } else {
        return Fail(code, text, InvalidEnum, "Invalid client API requested");
    }
    if (h.robustness != NoRobustness && h.robustness != NoResetNotification &&
        h.robustness != LoseContextOnReset)
        return Fail(code, text, InvalidEnum, "Invalid context robustness mode requested");
    return true;
}

}  // namespace GLLayer
