// Format check of a texture file chosen in the grid, before the texture cache is asked to load it.
#include "particle/ImageFormatProbe.h"

#include "base/CCData.h"
#include "platform/CCFileUtils.h"

bool ImageFormatProbe::isSupportedImage(const std::string& path) {
    cocos2d::FileUtils* files = cocos2d::FileUtils::getInstance();
    const std::string fullPath = files->fullPathForFilename(path);
    if (fullPath.empty()) return false;
    const cocos2d::Data data = files->getDataFromFile(fullPath);
    if (data.isNull()) return false;
    // Reference counted like every engine image.
    auto* probe = new ImageFormatProbe();
    const bool known = probe->detectFormat(data.getBytes(), data.getSize()) != Format::UNKNOWN;
    probe->release();
    return known;
}
