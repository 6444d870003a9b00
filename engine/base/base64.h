// Base64 decoding and encoding of byte buffers (embedded plist textures).
#ifndef __SUPPORT_BASE64_H__
#define __SUPPORT_BASE64_H__

#include "platform/CCPlatformMacros.h"

#ifdef __cplusplus
extern "C" {
#endif

namespace cocos2d {

// Decodes `inLength` characters into a malloc'ed buffer at *out (the caller
// frees it) and returns its length. Characters outside the alphabet (such as
// line breaks) are skipped and decoding stops at the first '='. A dangling
// single character is an error: 0 is returned and *out is null.
int base64Decode(const unsigned char* in, unsigned int inLength, unsigned char** out);

// Encodes into a malloc'ed, NUL-terminated text at *out (the caller frees it)
// and returns its length without the terminator; 0 and null on failure.
int base64Encode(const unsigned char* in, unsigned int inLength, char** out);

}  // namespace cocos2d

#ifdef __cplusplus
}
#endif

#endif  // __SUPPORT_BASE64_H__
