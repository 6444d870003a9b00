// Engine utilities: utils::atof with the engine's platform-independent cut, blending helper.
#ifndef __SUPPORT_CC_UTILS_H__
#define __SUPPORT_CC_UTILS_H__

#include <string>

#include "platform/CCGL.h"
#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

int CC_DLL ccNextPOT(int value);

namespace utils {

// The C atof on at most 255 characters, cut 8 characters after the first '.'
// (the '.' and 7 digits are kept; an exponent after that point is dropped). Null gives 0.
double CC_DLL atof(const char* str);

// The C library's atof as it reads in the "C" locale, whatever locale the
// process has set since (a comma locale would otherwise read "0.5" as 0).
double CC_DLL atofClassic(const char* str);

// Blending through the state cache: (GL_ONE, GL_ZERO) disables it.
void CC_DLL setBlending(GLenum sfactor, GLenum dfactor);

} // namespace utils

NS_CC_END

#endif // __SUPPORT_CC_UTILS_H__
