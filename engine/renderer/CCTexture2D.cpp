// Texture2D: pixel-format conversion, deferred GL upload and sampling parameters.
#include "renderer/CCTexture2D.h"

#include <cstring>

#include "base/CCConsole.h"
#include "platform/CCImage.h"
#include "renderer/ccGLStateCache.h"

NS_CC_BEGIN

namespace {

Texture2D::PixelFormat g_defaultAlphaPixelFormat = Texture2D::PixelFormat::RGBA8888;

// Sizes beyond this are refused even before a context can tell its limit.
const int kMaxTextureSide = 16384;

const Texture2D::PixelFormatInfoMap& formatInfoMap() {
    typedef Texture2D::PixelFormat F;
    typedef Texture2D::PixelFormatInfo I;
    static const Texture2D::PixelFormatInfoMap map = {
        {F::BGRA8888, I(GL_BGRA, GL_BGRA, GL_UNSIGNED_BYTE, 32, false, true)},
        {F::RGBA8888, I(GL_RGBA, GL_RGBA, GL_UNSIGNED_BYTE, 32, false, true)},
        {F::RGBA4444, I(GL_RGBA, GL_RGBA, GL_UNSIGNED_SHORT_4_4_4_4, 16, false, true)},
        {F::RGB5A1, I(GL_RGBA, GL_RGBA, GL_UNSIGNED_SHORT_5_5_5_1, 16, false, true)},
        {F::RGB565, I(GL_RGB, GL_RGB, GL_UNSIGNED_SHORT_5_6_5, 16, false, false)},
        {F::RGB888, I(GL_RGB, GL_RGB, GL_UNSIGNED_BYTE, 24, false, false)},
        {F::A8, I(GL_ALPHA, GL_ALPHA, GL_UNSIGNED_BYTE, 8, false, false)},
        {F::I8, I(GL_LUMINANCE, GL_LUMINANCE, GL_UNSIGNED_BYTE, 8, false, false)},
        {F::AI88, I(GL_LUMINANCE_ALPHA, GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE, 16, false, true)},
    };
    return map;
}

// Expands one of the decoder's formats to RGBA8888; false for other formats.
bool toRGBA8888(const unsigned char* src, size_t pixels, Texture2D::PixelFormat from, std::vector<unsigned char>& out) {
    typedef Texture2D::PixelFormat F;
    out.resize(pixels * 4);
    unsigned char* dst = out.data();
    for (size_t i = 0; i < pixels; ++i, dst += 4) {
        switch (from) {
        case F::I8:
            dst[0] = dst[1] = dst[2] = src[i];
            dst[3] = 255;
            break;
        case F::AI88:
            dst[0] = dst[1] = dst[2] = src[i * 2];
            dst[3] = src[i * 2 + 1];
            break;
        case F::RGB888:
            memcpy(dst, src + i * 3, 3);
            dst[3] = 255;
            break;
        case F::RGBA8888:
            memcpy(dst, src + i * 4, 4);
            break;
        default:
            out.clear();
            return false;
        }
    }
    return true;
}

// Packs RGBA8888 pixels into `to`; false when `to` is not a packable format.
bool fromRGBA8888(const std::vector<unsigned char>& rgba, Texture2D::PixelFormat to, std::vector<unsigned char>& out) {
    typedef Texture2D::PixelFormat F;
    const size_t pixels = rgba.size() / 4;
    const unsigned char* s = rgba.data();
    switch (to) {
    case F::RGBA8888:
        out = rgba;
        return true;
    case F::RGB888:
        out.resize(pixels * 3);
        for (size_t i = 0; i < pixels; ++i) memcpy(&out[i * 3], s + i * 4, 3);
        return true;
    case F::I8:
    case F::A8:
        out.resize(pixels);
        for (size_t i = 0; i < pixels; ++i) {
            const unsigned char* p = s + i * 4;
            out[i] =
                to == F::A8 ? p[3] : static_cast<unsigned char>((p[0] * 299 + p[1] * 587 + p[2] * 114 + 500) / 1000);
        }
        return true;
    case F::AI88:
        out.resize(pixels * 2);
        for (size_t i = 0; i < pixels; ++i) {
            const unsigned char* p = s + i * 4;
            out[i * 2] = static_cast<unsigned char>((p[0] * 299 + p[1] * 587 + p[2] * 114 + 500) / 1000);
            out[i * 2 + 1] = p[3];
        }
        return true;
    case F::RGBA4444:
    case F::RGB5A1:
    case F::RGB565: {
        out.resize(pixels * 2);
        for (size_t i = 0; i < pixels; ++i) {
            const unsigned char* p = s + i * 4;
            uint16_t v;
            if (to == F::RGBA4444) {
                v = static_cast<uint16_t>(((p[0] >> 4) << 12) | ((p[1] >> 4) << 8) | ((p[2] >> 4) << 4) | (p[3] >> 4));
            } else if (to == F::RGB5A1) {
                v = static_cast<uint16_t>(((p[0] >> 3) << 11) | ((p[1] >> 3) << 6) | ((p[2] >> 3) << 1) | (p[3] >> 7));
            } else {
                v = static_cast<uint16_t>(((p[0] >> 3) << 11) | ((p[1] >> 2) << 5) | (p[2] >> 3));
            }
            memcpy(&out[i * 2], &v, 2);
        }
        return true;
    }
    default:
        return false;
    }
}

// Binds through the state cache and then directly as well, so that the
// texture really is bound even when the cache was filled by another context.
void bindForUpdate(GLuint name) {
    GL::bindTexture2D(name);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, name);
}

GLint unpackAlignment(size_t bytesPerRow) {
    if (bytesPerRow % 8 == 0) return 8;
    if (bytesPerRow % 4 == 0) return 4;
    if (bytesPerRow % 2 == 0) return 2;
    return 1;
}

} // namespace

// ---- statics ----

void Texture2D::setDefaultAlphaPixelFormat(Texture2D::PixelFormat format) {
    g_defaultAlphaPixelFormat = format;
}

Texture2D::PixelFormat Texture2D::getDefaultAlphaPixelFormat() {
    return g_defaultAlphaPixelFormat;
}

const Texture2D::PixelFormatInfoMap& Texture2D::getPixelFormatInfoMap() {
    return formatInfoMap();
}

bool Texture2D::isGLReady() {
    // Without a current context the GL dispatch answers null; without GLEW
    // the entry points beyond GL 1.1 are null.
    return glActiveTexture != nullptr && glGetString(GL_VERSION) != nullptr;
}

// ---- life ----

Texture2D::Texture2D()
    : _pixelFormat(PixelFormat::DEFAULT),
      _pixelsWide(0),
      _pixelsHigh(0),
      _name(0),
      _maxS(0.0f),
      _maxT(0.0f),
      _hasPremultipliedAlpha(false),
      _hasMipmaps(false),
      _mipmapRequested(false),
      _texParams{GL_LINEAR, GL_LINEAR, GL_CLAMP_TO_EDGE, GL_CLAMP_TO_EDGE} {}

Texture2D::~Texture2D() {
    releaseGLTexture();
}

void Texture2D::releaseGLTexture() {
    if (_name != 0 && isGLReady()) {
        GL::deleteTexture(_name);
    }
    _name = 0;
}

std::string Texture2D::getDescription() const {
    return "<Texture2D | Name = " + std::to_string(_name) + " | Dimensions = " + std::to_string(_pixelsWide) + " x " +
           std::to_string(_pixelsHigh) + " | Coordinates = (" + std::to_string(_maxS) + ", " + std::to_string(_maxT) +
           ")>";
}

// ---- initialisation ----

// Whether drawing the texture needs blending for its own sake.
static bool allTexelsOpaque(const std::vector<unsigned char>& pixels, Texture2D::PixelFormat format) {
    switch (format) {
    case Texture2D::PixelFormat::RGB888:
    case Texture2D::PixelFormat::RGB565:
    case Texture2D::PixelFormat::I8:
        return true;
    case Texture2D::PixelFormat::RGBA8888:
    case Texture2D::PixelFormat::BGRA8888: {
        unsigned char all = 255;
        for (size_t i = 3; i < pixels.size(); i += 4) all &= pixels[i];
        return all == 255;
    }
    default:
        return false;
    }
}

bool Texture2D::initWithData(const void* data, ssize_t dataLen, Texture2D::PixelFormat pixelFormat, int pixelsWide,
                             int pixelsHigh, const Size& contentSize) {
    const auto info = formatInfoMap().find(pixelFormat);
    if (data == nullptr || info == formatInfoMap().end() || pixelsWide <= 0 || pixelsHigh <= 0 ||
        pixelsWide > kMaxTextureSide || pixelsHigh > kMaxTextureSide) {
        return false;
    }
    const size_t needed =
        static_cast<size_t>(pixelsWide) * static_cast<size_t>(pixelsHigh) * static_cast<size_t>(info->second.bpp) / 8;
    if (dataLen < 0 || static_cast<size_t>(dataLen) < needed) {
        return false;
    }
    if (isGLReady()) {
        GLint maxSize = 0;
        glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
        if (maxSize > 0 && (pixelsWide > maxSize || pixelsHigh > maxSize)) {
            log("cocos2d: WARNING: Image (%d x %d) is bigger than the supported %d x %d", pixelsWide, pixelsHigh,
                maxSize, maxSize);
            return false;
        }
    }
    releaseGLTexture();
    _pixelFormat = pixelFormat;
    _pixelsWide = pixelsWide;
    _pixelsHigh = pixelsHigh;
    _contentSize = contentSize;
    _maxS = contentSize.width / static_cast<float>(pixelsWide);
    _maxT = contentSize.height / static_cast<float>(pixelsHigh);
    _hasPremultipliedAlpha = false;
    _hasMipmaps = false;
    _mipmapRequested = false;
    _pendingPixels.assign(static_cast<const unsigned char*>(data), static_cast<const unsigned char*>(data) + needed);
    _opaque = allTexelsOpaque(_pendingPixels, pixelFormat);
    uploadPending();
    return true;
}

bool Texture2D::initWithImage(Image* image) {
    return initWithImage(image, g_defaultAlphaPixelFormat);
}

bool Texture2D::initWithImage(Image* image, PixelFormat format) {
    if (image == nullptr || image->getData() == nullptr || image->getWidth() <= 0 || image->getHeight() <= 0) {
        return false;
    }
    const int width = image->getWidth();
    const int height = image->getHeight();
    if (width > kMaxTextureSide || height > kMaxTextureSide) {
        log("cocos2d: WARNING: Image (%d x %d) is bigger than the supported %d x %d", width, height, kMaxTextureSide,
            kMaxTextureSide);
        return false;
    }
    const PixelFormat source = image->getRenderFormat();
    PixelFormat target = (format == PixelFormat::NONE || format == PixelFormat::AUTO) ? source : format;
    const Size size(static_cast<float>(width), static_cast<float>(height));

    bool ok;
    if (target == source) {
        ok = initWithData(image->getData(), image->getDataLen(), source, width, height, size);
    } else {
        const size_t pixels = static_cast<size_t>(width) * static_cast<size_t>(height);
        const auto info = formatInfoMap().find(source);
        std::vector<unsigned char> rgba;
        std::vector<unsigned char> converted;
        const bool sourceComplete = info != formatInfoMap().end() && image->getDataLen() >= 0 &&
                                    static_cast<size_t>(image->getDataLen()) >= pixels * info->second.bpp / 8;
        if (sourceComplete && toRGBA8888(image->getData(), pixels, source, rgba) &&
            fromRGBA8888(rgba, target, converted)) {
            ok = initWithData(converted.data(), static_cast<ssize_t>(converted.size()), target, width, height, size);
        } else {
            // Formats without a conversion are uploaded as they are.
            ok = initWithData(image->getData(), image->getDataLen(), source, width, height, size);
        }
    }
    if (!ok) {
        return false;
    }
    _filePath = image->getFilePath();
    _hasPremultipliedAlpha = image->hasPremultipliedAlpha();
    return true;
}

// ---- GL ----

bool Texture2D::uploadPending() const {
    if (_pendingPixels.empty() || !isGLReady()) {
        return false;
    }
    const PixelFormatInfo& info = formatInfoMap().at(_pixelFormat);
    const size_t bytesPerRow = static_cast<size_t>(_pixelsWide) * static_cast<size_t>(info.bpp) / 8;
    glPixelStorei(GL_UNPACK_ALIGNMENT, unpackAlignment(bytesPerRow));
    GLuint name = 0;
    glGenTextures(1, &name);
    if (name == 0) {
        return false;
    }
    _name = name;
    bindForUpdate(_name);
    applyTexParameters();
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(info.internalFormat), _pixelsWide, _pixelsHigh, 0, info.format,
                 info.type, _pendingPixels.data());
    if (_mipmapRequested && glGenerateMipmap != nullptr) {
        glGenerateMipmap(GL_TEXTURE_2D);
    }
    std::vector<unsigned char>().swap(_pendingPixels);
    return true;
}

void Texture2D::applyTexParameters() const {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, static_cast<GLint>(_texParams.minFilter));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, static_cast<GLint>(_texParams.magFilter));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, static_cast<GLint>(_texParams.wrapS));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, static_cast<GLint>(_texParams.wrapT));
}

GLuint Texture2D::getName() const {
    if (_name == 0) {
        uploadPending();
    }
    return _name;
}

void Texture2D::setTexParameters(const TexParams& texParams) {
    _texParams = texParams;
    if (getName() != 0) {
        bindForUpdate(_name);
        applyTexParameters();
    }
}

void Texture2D::setAntiAliasTexParameters() {
    TexParams params = _texParams;
    params.minFilter = _hasMipmaps ? GL_LINEAR_MIPMAP_NEAREST : GL_LINEAR;
    params.magFilter = GL_LINEAR;
    setTexParameters(params);
}

void Texture2D::setAliasTexParameters() {
    TexParams params = _texParams;
    params.minFilter = _hasMipmaps ? GL_NEAREST_MIPMAP_NEAREST : GL_NEAREST;
    params.magFilter = GL_NEAREST;
    setTexParameters(params);
}

void Texture2D::generateMipmap() {
    if (_pixelsWide <= 0 || _pixelsHigh <= 0) {
        return;
    }
    _hasMipmaps = true;
    if (getName() != 0 && glGenerateMipmap != nullptr) {
        bindForUpdate(_name);
        glGenerateMipmap(GL_TEXTURE_2D);
    } else {
        _mipmapRequested = true;
    }
}

// ---- accessors ----

const char* Texture2D::getStringForFormat() const {
    switch (_pixelFormat) {
    case PixelFormat::RGBA8888:
        return "RGBA8888";
    case PixelFormat::RGB888:
        return "RGB888";
    case PixelFormat::RGB565:
        return "RGB565";
    case PixelFormat::RGBA4444:
        return "RGBA4444";
    case PixelFormat::RGB5A1:
        return "RGB5A1";
    case PixelFormat::AI88:
        return "AI88";
    case PixelFormat::A8:
        return "A8";
    case PixelFormat::I8:
        return "I8";
    case PixelFormat::BGRA8888:
        return "BGRA8888";
    default:
        return nullptr;
    }
}

unsigned int Texture2D::getBitsPerPixelForFormat(Texture2D::PixelFormat format) const {
    const auto info = formatInfoMap().find(format);
    return info == formatInfoMap().end() ? 0u : static_cast<unsigned int>(info->second.bpp);
}

unsigned int Texture2D::getBitsPerPixelForFormat() const {
    return getBitsPerPixelForFormat(_pixelFormat);
}

const Size& Texture2D::getContentSizeInPixels() {
    return _contentSize;
}

// Content size in points; the desktop content scale factor is 1.
Size Texture2D::getContentSize() const {
    return _contentSize;
}

bool Texture2D::hasPremultipliedAlpha() const {
    return _hasPremultipliedAlpha;
}
bool Texture2D::hasMipmaps() const {
    return _hasMipmaps;
}
Texture2D::PixelFormat Texture2D::getPixelFormat() const {
    return _pixelFormat;
}
int Texture2D::getPixelsWide() const {
    return _pixelsWide;
}
int Texture2D::getPixelsHigh() const {
    return _pixelsHigh;
}
GLfloat Texture2D::getMaxS() const {
    return _maxS;
}
void Texture2D::setMaxS(GLfloat maxS) {
    _maxS = maxS;
}
GLfloat Texture2D::getMaxT() const {
    return _maxT;
}
void Texture2D::setMaxT(GLfloat maxT) {
    _maxT = maxT;
}

NS_CC_END
