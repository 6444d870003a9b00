// Engine utilities.
#include "base/ccUtils.h"

#include <clocale>
#include <cstdlib>
#include <cstring>

#include <locale.h>

#include "renderer/ccGLStateCache.h"

NS_CC_BEGIN

int ccNextPOT(int x) {
    x = x - 1;
    x = x | (x >> 1);
    x = x | (x >> 2);
    x = x | (x >> 4);
    x = x | (x >> 8);
    x = x | (x >> 16);
    return x + 1;
}

namespace utils {

double atof(const char* str) {
    if (str == nullptr) return 0.0;

    // The engine copies 256 bytes without a terminator; keep the terminator here.
    char buf[256];
    std::strncpy(buf, str, sizeof(buf) - 1);
    buf[sizeof(buf) - 1] = '\0';

    char* dot = std::strchr(buf, '.');
    if (dot != nullptr && dot - buf + 8 < static_cast<ptrdiff_t>(sizeof(buf))) {
        dot[8] = '\0';
    }
    return atofClassic(buf);
}

double atofClassic(const char* str) {
    if (str == nullptr) return 0.0;
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    if (classic == static_cast<locale_t>(0)) return std::atof(str);
    return strtod_l(str, nullptr, classic);
}

void setBlending(GLenum sfactor, GLenum dfactor) {
    GL::blendFunc(sfactor, dfactor);
}

} // namespace utils

NS_CC_END
