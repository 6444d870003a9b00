// Sprite: texture, texture rectangle, colour, flips, blending and drawing.
#include "2d/CCSprite.h"

#include <algorithm>
#include <cstring>

#include "base/CCDirector.h"
#include "platform/CCImage.h"
#include "renderer/CCGLProgram.h"
#include "renderer/CCGLProgramState.h"
#include "renderer/CCRenderer.h"
#include "renderer/CCTexture2D.h"
#include "renderer/CCTextureCache.h"

NS_CC_BEGIN

static const char* CC_2x2_WHITE_IMAGE_KEY = "/cc_2x2_white_image";

Sprite* Sprite::createWithTexture(Texture2D* texture) {
    Sprite* sprite = new (std::nothrow) Sprite();
    if (sprite && sprite->initWithTexture(texture)) {
        sprite->autorelease();
        return sprite;
    }
    CC_SAFE_DELETE(sprite);
    return nullptr;
}

Sprite* Sprite::createWithTexture(Texture2D* texture, const Rect& rect, bool rotated) {
    Sprite* sprite = new (std::nothrow) Sprite();
    if (sprite && sprite->initWithTexture(texture, rect, rotated)) {
        sprite->autorelease();
        return sprite;
    }
    CC_SAFE_DELETE(sprite);
    return nullptr;
}

Sprite* Sprite::create(const std::string& filename) {
    Sprite* sprite = new (std::nothrow) Sprite();
    if (sprite && sprite->initWithFile(filename)) {
        sprite->autorelease();
        return sprite;
    }
    CC_SAFE_DELETE(sprite);
    return nullptr;
}

Sprite* Sprite::create(const std::string& filename, const Rect& rect) {
    Sprite* sprite = new (std::nothrow) Sprite();
    if (sprite && sprite->initWithFile(filename, rect)) {
        sprite->autorelease();
        return sprite;
    }
    CC_SAFE_DELETE(sprite);
    return nullptr;
}

Sprite* Sprite::create() {
    Sprite* sprite = new (std::nothrow) Sprite();
    if (sprite && sprite->init()) {
        sprite->autorelease();
        return sprite;
    }
    CC_SAFE_DELETE(sprite);
    return nullptr;
}

bool Sprite::init() {
    return initWithTexture(nullptr, Rect::ZERO);
}

bool Sprite::initWithTexture(Texture2D* texture) {
    if (texture == nullptr) return false;
    Rect rect = Rect::ZERO;
    rect.size = texture->getContentSize();
    return initWithTexture(texture, rect);
}

bool Sprite::initWithTexture(Texture2D* texture, const Rect& rect) {
    return initWithTexture(texture, rect, false);
}

bool Sprite::initWithFile(const std::string& filename) {
    if (filename.empty()) {
        log("Call Sprite::initWithFile with blank resource filename.");
        return false;
    }
    _fileName = filename;
    Texture2D* texture = Director::getInstance()->getTextureCache()->addImage(filename);
    if (texture) {
        Rect rect = Rect::ZERO;
        rect.size = texture->getContentSize();
        return initWithTexture(texture, rect);
    }
    return false;
}

bool Sprite::initWithFile(const std::string& filename, const Rect& rect) {
    if (filename.empty()) {
        log("Call Sprite::initWithFile with blank resource filename.");
        return false;
    }
    _fileName = filename;
    Texture2D* texture = Director::getInstance()->getTextureCache()->addImage(filename);
    if (texture) {
        return initWithTexture(texture, rect);
    }
    return false;
}

bool Sprite::initWithTexture(Texture2D* texture, const Rect& rect, bool rotated) {
    if (!Node::init()) return false;

    _opacityModifyRGB = true;
    _blendFunc = BlendFunc::ALPHA_PREMULTIPLIED;
    _flippedX = _flippedY = false;

    setAnchorPoint(Vec2(0.5f, 0.5f));
    _offsetPosition.setZero();

    _quad = V3F_C4B_T2F_Quad();
    _quad.bl.colors = Color4B::WHITE;
    _quad.br.colors = Color4B::WHITE;
    _quad.tl.colors = Color4B::WHITE;
    _quad.tr.colors = Color4B::WHITE;

    setTexture(texture);
    setTextureRect(rect, rotated, rect.size);
    return true;
}

Sprite::Sprite()
    : _texture(nullptr),
      _rectRotated(false),
      _opacityModifyRGB(false),
      _flippedX(false),
      _flippedY(false) {
    _blendFunc = BlendFunc::ALPHA_PREMULTIPLIED;
    const unsigned short indices[6] = {0, 1, 2, 3, 2, 1};
    std::memcpy(_indices, indices, sizeof(_indices));
    _quad = V3F_C4B_T2F_Quad();
}

Sprite::~Sprite() {
    CC_SAFE_RELEASE(_texture);
}

void Sprite::setTexture(const std::string& filename) {
    Texture2D* texture = Director::getInstance()->getTextureCache()->addImage(filename);
    setTexture(texture);
    _fileName = filename;
    Rect rect = Rect::ZERO;
    if (texture) rect.size = texture->getContentSize();
    setTextureRect(rect);
}

void Sprite::setTexture(Texture2D* texture) {
    setGLProgramState(GLProgramState::getOrCreateWithGLProgramName(GLProgram::SHADER_NAME_POSITION_TEXTURE_COLOR_NO_MVP));

    if (texture == nullptr) {
        // A 2x2 white texture stands in, so that an untextured sprite draws its colour.
        auto cache = Director::getInstance()->getTextureCache();
        texture = cache->getTextureForKey(CC_2x2_WHITE_IMAGE_KEY);
        if (texture == nullptr) {
            static const unsigned char white[16] = {255, 255, 255, 255, 255, 255, 255, 255,
                                                    255, 255, 255, 255, 255, 255, 255, 255};
            Image* image = new (std::nothrow) Image();
            if (image && image->initWithRawData(white, sizeof(white), 2, 2, 8)) {
                texture = cache->addImage(image, CC_2x2_WHITE_IMAGE_KEY);
            }
            CC_SAFE_RELEASE(image);
        }
    }

    if (_texture != texture) {
        CC_SAFE_RETAIN(texture);
        CC_SAFE_RELEASE(_texture);
        _texture = texture;
        updateBlendFunc();
    }
}

Texture2D* Sprite::getTexture() const {
    return _texture;
}

void Sprite::setTextureRect(const Rect& rect) {
    setTextureRect(rect, false, rect.size);
}

void Sprite::setTextureRect(const Rect& rect, bool rotated, const Size& untrimmedSize) {
    _rectRotated = rotated;
    Node::setContentSize(untrimmedSize);
    _rect = rect;
    setVertexCoords(rect);
    setTextureCoords(rect);
    updateColor();
}

void Sprite::setVertexCoords(const Rect& rect) {
    Vec2 relativeOffset = _unflippedOffsetPositionFromCenter;
    if (_flippedX) relativeOffset.x = -relativeOffset.x;
    if (_flippedY) relativeOffset.y = -relativeOffset.y;
    _offsetPosition.x = relativeOffset.x + (_contentSize.width - rect.size.width) / 2;
    _offsetPosition.y = relativeOffset.y + (_contentSize.height - rect.size.height) / 2;

    float x1 = _offsetPosition.x;
    float y1 = _offsetPosition.y;
    float x2 = x1 + rect.size.width;
    float y2 = y1 + rect.size.height;

    _quad.bl.vertices.set(x1, y1, 0.0f);
    _quad.br.vertices.set(x2, y1, 0.0f);
    _quad.tl.vertices.set(x1, y2, 0.0f);
    _quad.tr.vertices.set(x2, y2, 0.0f);
}

void Sprite::setTextureCoords(const Rect& rectInPoints) {
    Texture2D* tex = _texture;
    if (tex == nullptr || tex->getPixelsWide() <= 0 || tex->getPixelsHigh() <= 0) return;

    float csf = Director::getInstance()->getContentScaleFactor();
    Rect rect(rectInPoints.origin.x * csf, rectInPoints.origin.y * csf, rectInPoints.size.width * csf,
              rectInPoints.size.height * csf);
    float atlasWidth = (float)tex->getPixelsWide();
    float atlasHeight = (float)tex->getPixelsHigh();

    float left, right, top, bottom;
    if (_rectRotated) {
        left = rect.origin.x / atlasWidth;
        right = (rect.origin.x + rect.size.height) / atlasWidth;
        top = rect.origin.y / atlasHeight;
        bottom = (rect.origin.y + rect.size.width) / atlasHeight;
        if (_flippedX) std::swap(top, bottom);
        if (_flippedY) std::swap(left, right);
        _quad.bl.texCoords.u = left;
        _quad.bl.texCoords.v = top;
        _quad.br.texCoords.u = left;
        _quad.br.texCoords.v = bottom;
        _quad.tl.texCoords.u = right;
        _quad.tl.texCoords.v = top;
        _quad.tr.texCoords.u = right;
        _quad.tr.texCoords.v = bottom;
    } else {
        left = rect.origin.x / atlasWidth;
        right = (rect.origin.x + rect.size.width) / atlasWidth;
        top = rect.origin.y / atlasHeight;
        bottom = (rect.origin.y + rect.size.height) / atlasHeight;
        if (_flippedX) std::swap(left, right);
        if (_flippedY) std::swap(top, bottom);
        _quad.bl.texCoords.u = left;
        _quad.bl.texCoords.v = bottom;
        _quad.br.texCoords.u = right;
        _quad.br.texCoords.v = bottom;
        _quad.tl.texCoords.u = left;
        _quad.tl.texCoords.v = top;
        _quad.tr.texCoords.u = right;
        _quad.tr.texCoords.v = top;
    }
}

void Sprite::draw(Renderer* renderer, const Mat4& transform, uint32_t flags) {
    if (_texture == nullptr) return;
    TrianglesCommand::Triangles triangles(&_quad.tl, _indices, 4, 6);
    _trianglesCommand.init(_globalZOrder, _texture, getGLProgramState(), _blendFunc, triangles, transform, flags);
    renderer->addCommand(&_trianglesCommand);
}

void Sprite::setFlippedX(bool flippedX) {
    if (_flippedX != flippedX) {
        _flippedX = flippedX;
        setTextureCoords(_rect);
    }
}

bool Sprite::isFlippedX() const {
    return _flippedX;
}

void Sprite::setFlippedY(bool flippedY) {
    if (_flippedY != flippedY) {
        _flippedY = flippedY;
        setTextureCoords(_rect);
    }
}

bool Sprite::isFlippedY() const {
    return _flippedY;
}

void Sprite::flipQuad() {
    setTextureCoords(_rect);
}

void Sprite::updateColor() {
    Color4B color4(_displayedColor.r, _displayedColor.g, _displayedColor.b, _displayedOpacity);
    if (_opacityModifyRGB) {
        color4.r = static_cast<GLubyte>(color4.r * _displayedOpacity / 255.0f);
        color4.g = static_cast<GLubyte>(color4.g * _displayedOpacity / 255.0f);
        color4.b = static_cast<GLubyte>(color4.b * _displayedOpacity / 255.0f);
    }
    _quad.bl.colors = color4;
    _quad.br.colors = color4;
    _quad.tl.colors = color4;
    _quad.tr.colors = color4;
}

void Sprite::setOpacityModifyRGB(bool modify) {
    if (_opacityModifyRGB != modify) {
        _opacityModifyRGB = modify;
        updateColor();
    }
}

bool Sprite::isOpacityModifyRGB() const {
    return _opacityModifyRGB;
}

void Sprite::updateBlendFunc() {
    if (!_texture || !_texture->hasPremultipliedAlpha()) {
        _blendFunc = BlendFunc::ALPHA_NON_PREMULTIPLIED;
        setOpacityModifyRGB(false);
    } else {
        _blendFunc = BlendFunc::ALPHA_PREMULTIPLIED;
        setOpacityModifyRGB(true);
    }
}

std::string Sprite::getDescription() const {
    return StringUtils::format("<Sprite | Tag = %d, TextureID = %u>", _tag, _texture ? _texture->getName() : 0u);
}

NS_CC_END
