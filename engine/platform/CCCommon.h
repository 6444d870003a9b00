// MessageBox and LuaLog of the engine. The program installs how a message box is shown.
#ifndef __CC_COMMON_H__
#define __CC_COMMON_H__

#include <functional>

#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

// Shows a modal message box through the installed handler; without one the
// message goes to standard error as "title: msg".
void CC_DLL MessageBox(const char* msg, const char* title);

// Installs (or, with an empty function, removes) the handler that shows message boxes.
void CC_DLL setMessageBoxHandler(std::function<void(const char* msg, const char* title)> handler);

void CC_DLL LuaLog(const char* format);

enum class LanguageType;

NS_CC_END

#endif  // __CC_COMMON_H__
