// The engine's log output.
#include "base/CCConsole.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

NS_CC_BEGIN

void log(const char* format, ...) {
    std::vector<char> buf(MAX_LOG_LENGTH);
    va_list args;
    va_start(args, format);
    std::vsnprintf(buf.data(), MAX_LOG_LENGTH - 3, format, args);
    va_end(args);
    std::fputs(buf.data(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

NS_CC_END
