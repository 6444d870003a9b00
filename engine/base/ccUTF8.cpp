// String helpers of the engine.
#include "base/ccUTF8.h"

#include <cstdarg>
#include <cstdio>

NS_CC_BEGIN

namespace StringUtils {

std::string format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int len = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string ret;
    if (len > 0) {
        ret.resize(static_cast<size_t>(len) + 1);
        std::vsnprintf(&ret[0], ret.size(), format, args);
        ret.resize(static_cast<size_t>(len));
    }
    va_end(args);
    return ret;
}

}  // namespace StringUtils

NS_CC_END
