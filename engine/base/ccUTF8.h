// String helpers of the engine (StringUtils::format, toString).
#ifndef __cocos2dx__ccUTF8__
#define __cocos2dx__ccUTF8__

#include <sstream>
#include <string>
#include <vector>

#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

namespace StringUtils {

template <typename T>
std::string toString(T arg) {
    std::stringstream ss;
    ss << arg;
    return ss.str();
}

// printf-style formatting into a std::string of any length.
std::string CC_DLL format(const char* format, ...) __attribute__((__format__(printf, 1, 2)));

}  // namespace StringUtils

NS_CC_END

#endif  // __cocos2dx__ccUTF8__
