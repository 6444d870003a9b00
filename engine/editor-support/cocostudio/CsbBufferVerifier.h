// CsbBufferVerifier: checks a whole scene buffer, including each node's class-specific options, before it is read.
#ifndef __CSBBUFFERVERIFIER_H__
#define __CSBBUFFERVERIFIER_H__

#include <cstddef>
#include <string>

#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

class CC_DLL CsbBufferVerifier {
public:
    // False with a reason the user can be shown when any part of the buffer
    // would be read outside its bounds or has the wrong shape.
    static bool verify(const unsigned char* bytes, size_t size, std::string& reason);
};

NS_CC_END

#endif // __CSBBUFFERVERIFIER_H__
