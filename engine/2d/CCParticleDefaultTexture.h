// The soft white dot that the ready-made particle effects use as their texture.
#ifndef __CCPARTICLE_DEFAULT_TEXTURE_H__
#define __CCPARTICLE_DEFAULT_TEXTURE_H__

#include <vector>

#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

class Texture2D;

class CC_DLL ParticleDefaultTexture {
public:
    // Texture-cache key of the dot, as the engine names its built-in texture.
    static const char* const CACHE_KEY;
    static constexpr int SIZE = 32;

    // The cached texture, created on first use; null if it cannot be made.
    static Texture2D* get();

    // RGBA8888 pixels, top row first, premultiplied: white with a round
    // alpha falloff from 255 at pixel (15, 15) to 0 at a radius of 14.5.
    static std::vector<unsigned char> pixels();
};

NS_CC_END

#endif  // __CCPARTICLE_DEFAULT_TEXTURE_H__
