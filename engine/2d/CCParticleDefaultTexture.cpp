// Generates the ready-made effects' default texture and keeps it in the texture cache.
#include "2d/CCParticleDefaultTexture.h"

#include <cmath>

#include "base/CCDirector.h"
#include "platform/CCImage.h"
#include "renderer/CCTexture2D.h"
#include "renderer/CCTextureCache.h"

NS_CC_BEGIN

const char* const ParticleDefaultTexture::CACHE_KEY = "/__firePngData";

std::vector<unsigned char> ParticleDefaultTexture::pixels() {
    const float centre = 15.0f;
    const float radius = 14.5f;
    std::vector<unsigned char> rgba(SIZE * SIZE * 4);
    for (int y = 0; y < SIZE; ++y) {
        for (int x = 0; x < SIZE; ++x) {
            float dx = x - centre, dy = y - centre;
            float falloff = 1.0f - std::sqrt(dx * dx + dy * dy) / radius;
            int alpha = falloff > 0.0f ? static_cast<int>(falloff * 255.0f + 0.5f) : 0;
            // White premultiplied by alpha, the way PNG loading premultiplies.
            unsigned char c = static_cast<unsigned char>((255 * (alpha + 1)) >> 8);
            unsigned char* p = &rgba[(y * SIZE + x) * 4];
            p[0] = p[1] = p[2] = c;
            p[3] = static_cast<unsigned char>(alpha);
        }
    }
    return rgba;
}

Texture2D* ParticleDefaultTexture::get() {
    TextureCache* cache = Director::getInstance()->getTextureCache();
    if (!cache)
        return nullptr;
    if (Texture2D* cached = cache->getTextureForKey(CACHE_KEY))
        return cached;
    std::vector<unsigned char> rgba = pixels();
    Image* image = new (std::nothrow) Image();
    if (!image)
        return nullptr;
    Texture2D* texture = nullptr;
    if (image->initWithRawData(rgba.data(), static_cast<ssize_t>(rgba.size()), SIZE, SIZE, 8, true))
        texture = cache->addImage(image, CACHE_KEY);
    image->release();
    return texture;
}

NS_CC_END
