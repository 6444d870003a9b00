// Assertion and export macros of the platform.
#ifndef __CC_PLATFORM_DEFINE_H__
#define __CC_PLATFORM_DEFINE_H__

#include <cassert>
#include <sys/types.h>

#include "platform/CCPlatformConfig.h"

#define CC_DLL

#if !defined(COCOS2D_DEBUG) || COCOS2D_DEBUG == 0
#define CC_ASSERT(cond) ((void)0)
#else
#define CC_ASSERT(cond) assert(cond)
#endif

#define CC_UNUSED_PARAM(unusedparam) (void)unusedparam

#ifndef NULL
#define NULL 0
#endif

#endif  // __CC_PLATFORM_DEFINE_H__
