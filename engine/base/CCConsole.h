// The engine's log: cocos2d::log(format, ...), one line to standard output.
#ifndef __CC_CONSOLE_H__
#define __CC_CONSOLE_H__

#include "base/ccUTF8.h"
#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

// Longest message log() formats; longer ones are cut.
static const int MAX_LOG_LENGTH = 16 * 1024;

// Formats like printf, appends a newline, writes to stdout and flushes.
void CC_DLL log(const char* format, ...) CC_FORMAT_PRINTF(1, 2);

NS_CC_END

#endif  // __CC_CONSOLE_H__
