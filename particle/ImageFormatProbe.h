// Asks the engine's image format detection about bytes read from a file.
#pragma once

#include "platform/CCImage.h"

// The engine keeps detectFormat protected; deriving is the route that
// compiles against it and against our engine alike.
class ImageFormatProbe : public cocos2d::Image {
public:
    using cocos2d::Image::detectFormat;

    // True when the engine recognises the format of the file at `path`
    // (found through the engine's search paths), judged from its bytes as
    // they are on disk; false for a missing, empty or unrecognised file.
    static bool isSupportedImage(const std::string& path);
};
