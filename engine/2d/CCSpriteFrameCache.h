// SpriteFrameCache: the sprite sheets loaded from their plists, their frames found by name.
#ifndef __SPRITE_CCSPRITE_FRAME_CACHE_H__
#define __SPRITE_CCSPRITE_FRAME_CACHE_H__

#include <map>
#include <set>
#include <string>

#include "base/CCValue.h"
#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

class SpriteFrame;

class CC_DLL SpriteFrameCache {
public:
    static constexpr size_t kMaxFramesPerSheet = 65536;

    static SpriteFrameCache* getInstance();
    static void destroyInstance();

    // The sheet's image is the plist's own textureFileName, beside the
    // plist, or else the plist's name with ".png". Every frame format the
    // sheet tools write (0 to 3) is read; a sheet already loaded is skipped.
    void addSpriteFramesWithFile(const std::string& plist);
    void addSpriteFramesWithFile(const std::string& plist, const std::string& textureFileName);
    bool isSpriteFramesWithFileLoaded(const std::string& plist) const;
    SpriteFrame* getSpriteFrameByName(const std::string& name) const;
    void removeSpriteFrames();

    ~SpriteFrameCache();

private:
    SpriteFrameCache() = default;
    void addFrames(const ValueMap& dictionary, const std::string& texturePath);

    std::map<std::string, SpriteFrame*> _frames;
    std::set<std::string> _loadedFiles;
};

NS_CC_END

#endif // __SPRITE_CCSPRITE_FRAME_CACHE_H__
