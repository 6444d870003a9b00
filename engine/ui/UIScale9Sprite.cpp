// Scale9Sprite: the one-quad and nine-slice fills, their texture coordinates and colour.
#include "ui/UIScale9Sprite.h"

#include <algorithm>

#include "2d/CCSpriteFrame.h"
#include "2d/CCSpriteFrameCache.h"
#include "base/CCDirector.h"
#include "platform/CCFileUtils.h"
#include "renderer/CCGLProgram.h"
#include "renderer/CCGLProgramState.h"
#include "renderer/CCRenderer.h"
#include "renderer/CCTexture2D.h"
#include "renderer/CCTextureCache.h"

NS_CC_BEGIN

namespace ui {

Scale9Sprite* Scale9Sprite::create() {
    Scale9Sprite* sprite = new (std::nothrow) Scale9Sprite();
    if (sprite && sprite->init()) {
        sprite->autorelease();
        return sprite;
    }
    CC_SAFE_DELETE(sprite);
    return nullptr;
}

Scale9Sprite* Scale9Sprite::create(const std::string& file) {
    Scale9Sprite* sprite = create();
    if (sprite && !sprite->initWithFile(file)) return nullptr;
    return sprite;
}

Scale9Sprite::Scale9Sprite() {
    _blendFunc = BlendFunc::ALPHA_PREMULTIPLIED;
    setAnchorPoint(Vec2(0.5f, 0.5f));
}

Scale9Sprite::~Scale9Sprite() {
    CC_SAFE_RELEASE(_texture);
}

bool Scale9Sprite::initWithFile(const std::string& file) {
    Texture2D* texture = file.empty() ? nullptr : Director::getInstance()->getTextureCache()->addImage(file);
    return useTexture(texture, Rect(Vec2::ZERO, texture ? texture->getContentSize() : Size::ZERO), false);
}

bool Scale9Sprite::initWithSpriteFrame(SpriteFrame* frame) {
    if (frame == nullptr) return useTexture(nullptr, Rect::ZERO, false);
    return useTexture(frame->getTexture(), frame->getRect(), frame->isRotated());
}

bool Scale9Sprite::initWithFileOrFrame(const std::string& name) {
    if (!name.empty() && FileUtils::getInstance()->isFileExist(name)) return initWithFile(name);
    return initWithSpriteFrame(SpriteFrameCache::getInstance()->getSpriteFrameByName(name));
}

bool Scale9Sprite::useTexture(Texture2D* texture, const Rect& rect, bool rotated) {
    CC_SAFE_RETAIN(texture);
    CC_SAFE_RELEASE(_texture);
    _texture = texture;
    _frameRect = texture ? rect : Rect::ZERO;
    _frameRotated = rotated;
    _originalSize = _frameRect.size;
    _premultiplied = texture && texture->hasPremultipliedAlpha();
    _blendFunc = _premultiplied ? BlendFunc::ALPHA_PREMULTIPLIED : BlendFunc::ALPHA_NON_PREMULTIPLIED;
    Node::setContentSize(_originalSize);
    updateGeometry();
    return texture != nullptr;
}

void Scale9Sprite::resetTexture() {
    useTexture(nullptr, Rect::ZERO, false);
}

void Scale9Sprite::setRenderingType(RenderingType type) {
    _renderingType = type;
    updateGeometry();
}

void Scale9Sprite::setCapInsets(const Rect& insets) {
    _capInsets = insets;
    updateGeometry();
}

void Scale9Sprite::setContentSize(const Size& size) {
    Node::setContentSize(size);
    updateGeometry();
}

Rect Scale9Sprite::effectiveInsets() const {
    const float w = _originalSize.width, h = _originalSize.height;
    if (_capInsets.equals(Rect::ZERO)) return Rect(w / 3, h / 3, w / 3, h / 3);
    Rect r = _capInsets;
    if (r.origin.x > w) r.origin.x = 0;
    if (r.origin.y > h) r.origin.y = 0;
    if (r.size.width > w) r.size.width = 1;
    if (r.size.height > h) r.size.height = 1;
    r.size.width = std::min(r.size.width, w - r.origin.x);
    r.size.height = std::min(r.size.height, h - r.origin.y);
    return r;
}

void Scale9Sprite::updateGeometry() {
    _vertexCount = _indexCount = 0;
    if (_texture == nullptr || _originalSize.width <= 0 || _originalSize.height <= 0) return;
    const float W = _contentSize.width, H = _contentSize.height;
    const float ow = _originalSize.width, oh = _originalSize.height;

    // Column and row edges in node space (y up) and texture space (v down).
    float xs[4], us[4], ys[4], vs[4];
    int columns = 1, rows = 1;
    if (_renderingType == RenderingType::SIMPLE) {
        xs[0] = 0, xs[1] = W, us[0] = 0, us[1] = 1;
        ys[0] = 0, ys[1] = H, vs[0] = 1, vs[1] = 0;
    } else {
        const Rect in = effectiveInsets();
        float left = in.origin.x, right = ow - in.origin.x - in.size.width;
        float top = in.origin.y, bottom = oh - in.origin.y - in.size.height;
        // Corners shrink together when the target is smaller than they are.
        if (left + right > W && left + right > 0) {
            const float f = W / (left + right);
            left *= f, right *= f;
        }
        if (top + bottom > H && top + bottom > 0) {
            const float f = H / (top + bottom);
            top *= f, bottom *= f;
        }
        xs[0] = 0, xs[1] = left, xs[2] = W - right, xs[3] = W;
        us[0] = 0, us[1] = in.origin.x / ow, us[2] = (in.origin.x + in.size.width) / ow, us[3] = 1;
        ys[0] = 0, ys[1] = bottom, ys[2] = H - top, ys[3] = H;
        vs[0] = 1, vs[1] = (in.origin.y + in.size.height) / oh, vs[2] = in.origin.y / oh, vs[3] = 0;
        columns = rows = 3;
    }
    // From (u, v) across the image, v downwards, to the texture; a turned
    // frame lies a quarter turn clockwise in its sheet.
    const Size sheet = _texture->getContentSize();
    const float sheetW = sheet.width > 0 ? sheet.width : 1, sheetH = sheet.height > 0 ? sheet.height : 1;
    const float maxS = _texture->getMaxS(), maxT = _texture->getMaxT();
    const Rect& f = _frameRect;
    for (int r = 0; r <= rows; ++r) {
        for (int c = 0; c <= columns; ++c) {
            V3F_C4B_T2F& v = _vertices[r * (columns + 1) + c];
            v.vertices.set(xs[c], ys[r], 0);
            const float tx =
                _frameRotated ? f.origin.x + (1 - vs[r]) * f.size.height : f.origin.x + us[c] * f.size.width;
            const float ty = _frameRotated ? f.origin.y + us[c] * f.size.width : f.origin.y + vs[r] * f.size.height;
            v.texCoords = Tex2F(tx / sheetW * maxS, ty / sheetH * maxT);
        }
    }
    _vertexCount = (columns + 1) * (rows + 1);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const unsigned short bl = static_cast<unsigned short>(r * (columns + 1) + c);
            const unsigned short br = bl + 1;
            const unsigned short tl = static_cast<unsigned short>(bl + columns + 1);
            const unsigned short tr = tl + 1;
            const unsigned short quad[6] = {tl, bl, tr, br, tr, bl};
            std::copy(quad, quad + 6, _indices + _indexCount);
            _indexCount += 6;
        }
    }
    updateColor();
}

void Scale9Sprite::updateColor() {
    Color4B color(_displayedColor.r, _displayedColor.g, _displayedColor.b, _displayedOpacity);
    if (_premultiplied) {
        color.r = static_cast<GLubyte>(color.r * _displayedOpacity / 255.0f);
        color.g = static_cast<GLubyte>(color.g * _displayedOpacity / 255.0f);
        color.b = static_cast<GLubyte>(color.b * _displayedOpacity / 255.0f);
    }
    for (int i = 0; i < _vertexCount; ++i) _vertices[i].colors = color;
}

void Scale9Sprite::draw(Renderer* renderer, const Mat4& transform, uint32_t flags) {
    if (_texture == nullptr || _indexCount == 0) return;
    if (getGLProgramState() == nullptr)
        setGLProgramState(
            GLProgramState::getOrCreateWithGLProgramName(GLProgram::SHADER_NAME_POSITION_TEXTURE_COLOR_NO_MVP));
    TrianglesCommand::Triangles triangles(_vertices, _indices, _vertexCount, _indexCount);
    _trianglesCommand.init(_globalZOrder, _texture, getGLProgramState(), _blendFunc, triangles, transform, flags);
    renderer->addCommand(&_trianglesCommand);
}

} // namespace ui

NS_CC_END
