// libFuzzer target: arbitrary bytes through format detection, gzip/ccz unwrapping and the PNG/JPEG decoders.
#include <cstddef>
#include <cstdint>

#include "platform/CCImage.h"

using namespace cocos2d;

namespace {
// Reaches the protected format detection the way code outside the engine must.
class ProbeImage : public Image {
public:
    using Image::detectFormat;
};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > (4u << 20)) {
        return 0;
    }
    ProbeImage* image = new ProbeImage();
    image->detectFormat(data, static_cast<ssize_t>(size));
    if (image->initWithImageData(data, static_cast<ssize_t>(size))) {
        // A decoded image must describe its buffer consistently.
        const ssize_t expected =
            static_cast<ssize_t>(image->getWidth()) * image->getHeight() * image->getBitPerPixel() / 8;
        if (image->getData() == nullptr || image->getDataLen() != expected) {
            __builtin_trap();
        }
    }
    image->release();
    return 0;
}
