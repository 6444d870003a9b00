// Cache of textures by full path, so each image file is decoded and uploaded once.
#ifndef __CCTEXTURE_CACHE_H__
#define __CCTEXTURE_CACHE_H__

#include <string>
#include <unordered_map>

#include "base/CCRef.h"
#include "renderer/CCTexture2D.h"

NS_CC_BEGIN

class Image;

// Holds one reference on every cached texture.
class CC_DLL TextureCache : public Ref {
public:
    TextureCache();
    virtual ~TextureCache();

    virtual std::string getDescription() const;

    // Finds the file through the search paths, keyed by its full path;
    // null when it is missing or cannot be decoded.
    Texture2D* addImage(const std::string& filepath);
    // A texture from an already decoded image, cached under `key`; an
    // existing entry for the key is returned unchanged.
    Texture2D* addImage(Image* image, const std::string& key);

    // The cached texture for a name (resolved to its full path) or null.
    Texture2D* getTextureForKey(const std::string& key) const;

    void removeAllTextures();
    // Drops textures that nobody but the cache holds.
    void removeUnusedTextures();
    void removeTexture(Texture2D* texture);
    void removeTextureForKey(const std::string& key);

    std::string getCachedTextureInfo() const;

private:
    std::string keyFor(const std::string& name) const;

    std::unordered_map<std::string, Texture2D*> _textures;
};

NS_CC_END

#endif  // __CCTEXTURE_CACHE_H__
