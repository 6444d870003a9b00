// Decoder for the uncompressed TIFF images that particle plists embed.
#ifndef __CCPARTICLE_TIFF_DECODER_H__
#define __CCPARTICLE_TIFF_DECODER_H__

#include <sys/types.h>

#include <vector>

#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

// Particle Designer embeds its textures as baseline TIFF: one image,
// uncompressed, 8 bits per sample, RGB or RGBA (or grey) in chunky order.
// The image loader handles PNG and JPEG only, so the particle loader decodes
// these itself. Every offset and length is checked against the data.
class CC_DLL ParticleTiffDecoder {
public:
    static constexpr int MAX_DIMENSION = 4096;

    // RGBA8888 pixels, top row first, premultiplied as the engine's TIFF
    // path delivers them; false for anything but the layout above.
    static bool decode(const unsigned char* data, ssize_t length, std::vector<unsigned char>* rgba, int* width,
                       int* height);
};

NS_CC_END

#endif  // __CCPARTICLE_TIFF_DECODER_H__
