// PNG frames through the engine's image writer, which the sprite sheet uses too.
#include "PngFrames.h"

#include <cstdio>

#include "platform/CCImage.h"

namespace PngFrames {

std::string fileName(int index) {
    char name[32];
    std::snprintf(name, sizeof name, "frame_%04d.png", index);
    return name;
}

bool write(const std::string& path, const std::vector<unsigned char>& rgba, int width, int height, bool transparent) {
    cocos2d::Image* image = new cocos2d::Image();
    const bool ok = image->initWithRawData(rgba.data(), static_cast<ssize_t>(rgba.size()), width, height, 8, false) &&
                    image->saveToFile(path, !transparent);
    image->release();
    return ok;
}

} // namespace PngFrames
