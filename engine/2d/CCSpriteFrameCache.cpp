// SpriteFrameCache: reading sprite-sheet plists in the four frame formats.
#include "2d/CCSpriteFrameCache.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "2d/CCSpriteFrame.h"
#include "base/CCConsole.h"
#include "base/CCDirector.h"
#include "platform/CCFileUtils.h"
#include "renderer/CCTextureCache.h"

NS_CC_BEGIN

namespace {

SpriteFrameCache* s_sharedCache = nullptr;

// The numbers of "{{x,y},{w,h}}" or "{x,y}", in order; non-finite ones as 0.
std::vector<float> numbersIn(const std::string& text) {
    std::vector<float> out;
    const char* p = text.c_str();
    while (*p && out.size() < 4) {
        if ((*p >= '0' && *p <= '9') || *p == '-' || *p == '+' || *p == '.') {
            char* end = nullptr;
            const float v = std::strtof(p, &end);
            if (end == p) {
                ++p;
                continue;
            }
            out.push_back(std::isfinite(v) && std::fabs(v) < 1e6f ? v : 0.0f);
            p = end;
        } else {
            ++p;
        }
    }
    out.resize(4, 0.0f);
    return out;
}

Rect rectFrom(const std::string& text) {
    const std::vector<float> n = numbersIn(text);
    return Rect(n[0], n[1], std::fabs(n[2]), std::fabs(n[3]));
}

Vec2 pointFrom(const std::string& text) {
    const std::vector<float> n = numbersIn(text);
    return Vec2(n[0], n[1]);
}

const Value& entry(const ValueMap& map, const char* key) {
    static const Value none;
    auto found = map.find(key);
    return found == map.end() ? none : found->second;
}

std::string directoryOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

} // namespace

SpriteFrameCache* SpriteFrameCache::getInstance() {
    if (s_sharedCache == nullptr) s_sharedCache = new SpriteFrameCache();
    return s_sharedCache;
}

void SpriteFrameCache::destroyInstance() {
    delete s_sharedCache;
    s_sharedCache = nullptr;
}

SpriteFrameCache::~SpriteFrameCache() {
    removeSpriteFrames();
}

void SpriteFrameCache::removeSpriteFrames() {
    for (auto& named : _frames) named.second->release();
    _frames.clear();
    _loadedFiles.clear();
}

bool SpriteFrameCache::isSpriteFramesWithFileLoaded(const std::string& plist) const {
    return _loadedFiles.count(FileUtils::getInstance()->fullPathForFilename(plist)) > 0;
}

SpriteFrame* SpriteFrameCache::getSpriteFrameByName(const std::string& name) const {
    auto found = _frames.find(name);
    return found == _frames.end() ? nullptr : found->second;
}

void SpriteFrameCache::addSpriteFramesWithFile(const std::string& plist) {
    addSpriteFramesWithFile(plist, std::string());
}

void SpriteFrameCache::addSpriteFramesWithFile(const std::string& plist, const std::string& textureFileName) {
    FileUtils* files = FileUtils::getInstance();
    const std::string fullPath = plist.empty() ? std::string() : files->fullPathForFilename(plist);
    if (fullPath.empty()) {
        log("SpriteFrameCache: %s not found", plist.c_str());
        return;
    }
    if (_loadedFiles.count(fullPath)) return;
    const ValueMap dictionary = files->getValueMapFromFile(fullPath);
    std::string texturePath = textureFileName;
    if (texturePath.empty()) {
        const Value& metadata = entry(dictionary, "metadata");
        if (metadata.getType() == Value::Type::MAP) {
            texturePath = entry(metadata.asValueMap(), "textureFileName").asString();
            if (!texturePath.empty()) texturePath = directoryOf(fullPath) + texturePath;
        }
        if (texturePath.empty()) {
            const size_t dot = fullPath.find_last_of('.');
            texturePath = (dot == std::string::npos ? fullPath : fullPath.substr(0, dot)) + ".png";
        }
    }
    _loadedFiles.insert(fullPath);
    addFrames(dictionary, texturePath);
}

void SpriteFrameCache::addFrames(const ValueMap& dictionary, const std::string& texturePath) {
    const Value& framesValue = entry(dictionary, "frames");
    if (framesValue.getType() != Value::Type::MAP) return;
    Texture2D* texture = Director::getInstance()->getTextureCache()->addImage(texturePath);
    if (texture == nullptr) {
        log("SpriteFrameCache: sheet image %s could not be loaded", texturePath.c_str());
        return;
    }
    int format = 0;
    const Value& metadata = entry(dictionary, "metadata");
    if (metadata.getType() == Value::Type::MAP) format = entry(metadata.asValueMap(), "format").asInt();

    size_t added = 0;
    for (const auto& named : framesValue.asValueMap()) {
        if (named.second.getType() != Value::Type::MAP || added >= kMaxFramesPerSheet) continue;
        const ValueMap& f = named.second.asValueMap();
        Rect rect;
        Vec2 offset;
        Size original;
        bool rotated = false;
        if (format == 0) {
            rect = Rect(entry(f, "x").asFloat(), entry(f, "y").asFloat(), entry(f, "width").asFloat(),
                        entry(f, "height").asFloat());
            offset = Vec2(entry(f, "offsetX").asFloat(), entry(f, "offsetY").asFloat());
            original = Size(std::fabs(static_cast<float>(entry(f, "originalWidth").asInt())),
                            std::fabs(static_cast<float>(entry(f, "originalHeight").asInt())));
        } else if (format == 1 || format == 2) {
            rect = rectFrom(entry(f, "frame").asString());
            rotated = format == 2 && entry(f, "rotated").asBool();
            offset = pointFrom(entry(f, "offset").asString());
            const Vec2 size = pointFrom(entry(f, "sourceSize").asString());
            original = Size(std::fabs(size.x), std::fabs(size.y));
        } else if (format == 3) {
            const Vec2 size = pointFrom(entry(f, "spriteSize").asString());
            const Rect textureRect = rectFrom(entry(f, "textureRect").asString());
            rect = Rect(textureRect.origin.x, textureRect.origin.y, std::fabs(size.x), std::fabs(size.y));
            rotated = entry(f, "textureRotated").asBool();
            offset = pointFrom(entry(f, "spriteOffset").asString());
            const Vec2 source = pointFrom(entry(f, "spriteSourceSize").asString());
            original = Size(std::fabs(source.x), std::fabs(source.y));
        } else {
            log("SpriteFrameCache: sheet format %d is not known", format);
            return;
        }
        if (!std::isfinite(rect.origin.x) || !std::isfinite(rect.origin.y) || !std::isfinite(rect.size.width) ||
            !std::isfinite(rect.size.height) || !std::isfinite(offset.x) || !std::isfinite(offset.y))
            continue;
        if (original.width <= 0 || original.height <= 0) original = rect.size;
        SpriteFrame* frame = SpriteFrame::createWithTexture(texture, rect, rotated, offset, original);
        if (frame == nullptr) continue;
        frame->retain();
        auto existing = _frames.find(named.first);
        if (existing != _frames.end()) existing->second->release();
        _frames[named.first] = frame;
        ++added;
    }
}

NS_CC_END
