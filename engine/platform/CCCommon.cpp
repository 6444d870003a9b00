// Message boxes through the program's handler.
#include "platform/CCCommon.h"

#include <cstdio>

NS_CC_BEGIN

static std::function<void(const char*, const char*)>& messageBoxHandler() {
    static std::function<void(const char*, const char*)> handler;
    return handler;
}

void MessageBox(const char* msg, const char* title) {
    if (msg == nullptr) msg = "";
    if (title == nullptr) title = "";
    auto& handler = messageBoxHandler();
    if (handler) {
        handler(msg, title);
    } else {
        std::fprintf(stderr, "%s: %s\n", title, msg);
        std::fflush(stderr);
    }
}

void setMessageBoxHandler(std::function<void(const char* msg, const char* title)> handler) {
    messageBoxHandler() = std::move(handler);
}

void LuaLog(const char* format) {
    std::puts(format);
}

NS_CC_END
