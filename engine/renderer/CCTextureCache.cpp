// TextureCache: loading, lookup and eviction of textures by full path.
#include "renderer/CCTextureCache.h"

#include "base/CCConsole.h"
#include "platform/CCFileUtils.h"
#include "platform/CCImage.h"

NS_CC_BEGIN

TextureCache::TextureCache() {}

TextureCache::~TextureCache() { removeAllTextures(); }

std::string TextureCache::getDescription() const {
    return "<TextureCache | Number of textures = " + std::to_string(_textures.size()) + ">";
}

std::string TextureCache::keyFor(const std::string& name) const {
    const std::string fullPath = FileUtils::getInstance()->fullPathForFilename(name);
    return fullPath.empty() ? name : fullPath;
}

Texture2D* TextureCache::addImage(const std::string& filepath) {
    const std::string fullPath = FileUtils::getInstance()->fullPathForFilename(filepath);
    if (fullPath.empty()) {
        return nullptr;
    }
    const auto found = _textures.find(fullPath);
    if (found != _textures.end()) {
        return found->second;
    }
    Image* image = new (std::nothrow) Image();
    if (image == nullptr) {
        return nullptr;
    }
    Texture2D* texture = nullptr;
    if (image->initWithImageFile(fullPath)) {
        texture = new (std::nothrow) Texture2D();
        if (texture != nullptr && texture->initWithImage(image)) {
            texture->setPath(fullPath);
            _textures.emplace(fullPath, texture);
        } else {
            log("cocos2d: Couldn't create texture for file:%s in TextureCache", filepath.c_str());
            CC_SAFE_RELEASE(texture);
            texture = nullptr;
        }
    } else {
        log("cocos2d: Couldn't decode image file:%s in TextureCache", filepath.c_str());
    }
    image->release();
    return texture;
}

Texture2D* TextureCache::addImage(Image* image, const std::string& key) {
    if (image == nullptr) {
        return nullptr;
    }
    const auto found = _textures.find(key);
    if (found != _textures.end()) {
        return found->second;
    }
    Texture2D* texture = new (std::nothrow) Texture2D();
    if (texture == nullptr || !texture->initWithImage(image)) {
        CC_SAFE_RELEASE(texture);
        return nullptr;
    }
    if (!key.empty()) {
        _textures.emplace(key, texture);
    } else {
        // Without a key nothing owns the texture but the autorelease pool.
        texture->autorelease();
    }
    return texture;
}

Texture2D* TextureCache::getTextureForKey(const std::string& key) const {
    auto found = _textures.find(key);
    if (found == _textures.end()) {
        found = _textures.find(keyFor(key));
    }
    return found == _textures.end() ? nullptr : found->second;
}

void TextureCache::removeAllTextures() {
    for (auto& item : _textures) {
        item.second->release();
    }
    _textures.clear();
}

void TextureCache::removeUnusedTextures() {
    for (auto it = _textures.begin(); it != _textures.end();) {
        if (it->second->getReferenceCount() == 1) {
            it->second->release();
            it = _textures.erase(it);
        } else {
            ++it;
        }
    }
}

void TextureCache::removeTexture(Texture2D* texture) {
    if (texture == nullptr) {
        return;
    }
    for (auto it = _textures.begin(); it != _textures.end();) {
        if (it->second == texture) {
            it->second->release();
            it = _textures.erase(it);
        } else {
            ++it;
        }
    }
}

void TextureCache::removeTextureForKey(const std::string& key) {
    auto found = _textures.find(key);
    if (found == _textures.end()) {
        found = _textures.find(keyFor(key));
    }
    if (found != _textures.end()) {
        found->second->release();
        _textures.erase(found);
    }
}

std::string TextureCache::getCachedTextureInfo() const {
    std::string info;
    size_t totalBytes = 0;
    for (const auto& item : _textures) {
        const Texture2D* t = item.second;
        const size_t bytes = static_cast<size_t>(t->getPixelsWide()) * t->getPixelsHigh() *
                             t->getBitsPerPixelForFormat() / 8;
        totalBytes += bytes;
        info += "\"" + item.first + "\" rc=" + std::to_string(t->getReferenceCount()) + " id=" +
                std::to_string(t->getName()) + " " + std::to_string(t->getPixelsWide()) + " x " +
                std::to_string(t->getPixelsHigh()) + " @ " + std::to_string(t->getBitsPerPixelForFormat()) +
                " bpp => " + std::to_string(bytes / 1024) + " KB\n";
    }
    info += "TextureCache dumpDebugInfo: " + std::to_string(_textures.size()) + " textures, for " +
            std::to_string(totalBytes / 1024) + " KB (" + std::to_string(totalBytes / (1024.0 * 1024.0)) + " MB)\n";
    return info;
}

NS_CC_END
