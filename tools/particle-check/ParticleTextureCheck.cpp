// Texture lookup as the game does it, embedded picture decoding, and the comparison of the two pictures.
#include "ParticleTextureCheck.h"

#include "ParticleCheckTexts.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "2d/CCParticleTiffDecoder.h"
#include "base/ZipUtils.h"
#include "base/base64.h"
#include "platform/CCFileUtils.h"
#include "platform/CCImage.h"

using namespace cocos2d;

namespace {

struct MallocBuffer {
    unsigned char* data = nullptr;
    ~MallocBuffer() { std::free(data); }
};

struct ImageRef {
    Image* image = new Image();
    ~ImageRef() { image->release(); }
};

std::string sizeText(int w, int h) {
    return std::to_string(w) + "x" + std::to_string(h);
}

// Straight RGBA of any format the image loader produces; false for others.
bool toStraightRgba(Image* image, std::vector<unsigned char>* out) {
    const size_t n = static_cast<size_t>(image->getWidth()) * static_cast<size_t>(image->getHeight());
    const unsigned char* src = image->getData();
    const Texture2D::PixelFormat format = image->getRenderFormat();
    out->assign(n * 4, 0);
    for (size_t i = 0; i < n; ++i) {
        unsigned char* p = &(*out)[i * 4];
        switch (format) {
        case Texture2D::PixelFormat::RGBA8888:
            p[0] = src[i * 4], p[1] = src[i * 4 + 1], p[2] = src[i * 4 + 2], p[3] = src[i * 4 + 3];
            break;
        case Texture2D::PixelFormat::RGB888:
            p[0] = src[i * 3], p[1] = src[i * 3 + 1], p[2] = src[i * 3 + 2], p[3] = 255;
            break;
        case Texture2D::PixelFormat::AI88:
            p[0] = p[1] = p[2] = src[i * 2], p[3] = src[i * 2 + 1];
            break;
        case Texture2D::PixelFormat::I8:
            p[0] = p[1] = p[2] = src[i], p[3] = 255;
            break;
        default:
            return false;
        }
        if (p[3] == 0) {
            p[0] = p[1] = p[2] = 0;
        } else if (image->hasPremultipliedAlpha() && p[3] < 255) {
            for (int c = 0; c < 3; ++c)
                p[c] = static_cast<unsigned char>(std::min(255, (p[c] * 255 + p[3] / 2) / p[3]));
        }
    }
    return true;
}

bool fillPicture(Image* image, bool* premultiplied, bool* alpha, int* w, int* h, std::vector<unsigned char>* rgba) {
    *premultiplied = image->hasPremultipliedAlpha();
    *alpha = image->hasAlpha();
    *w = image->getWidth();
    *h = image->getHeight();
    return toStraightRgba(image, rgba);
}

} // namespace

ParticleTextureCheck::ParticleTextureCheck(const ValueMap& dict, const std::string& plistPath)
    : m_dict(dict),
      m_plistPath(plistPath) {}

std::string ParticleTextureCheck::gameTextureName(const std::string& textureFileName, const std::string& plistPath) {
    // The directory comes from the plist path as given; the texture's own
    // directory is replaced by it, even an absolute one.
    std::string dirname;
    const size_t plistSlash = plistPath.rfind('/');
    if (plistSlash != std::string::npos) dirname = plistPath.substr(0, plistSlash + 1);
    std::string name = textureFileName;
    const size_t slash = name.rfind('/');
    if (slash != std::string::npos) {
        if (!dirname.empty() && name.substr(0, slash + 1) != dirname) name = dirname + name.substr(slash + 1);
    } else if (!dirname.empty() && !name.empty()) {
        name = dirname + name;
    }
    return name;
}

bool ParticleTextureCheck::loadFile(const std::string& fullPath, Picture* p) {
    ImageRef ref;
    if (!ref.image->initWithImageFile(fullPath)) return false;
    return fillPicture(ref.image, &p->premultiplied, &p->alpha, &p->width, &p->height, &p->straightRgba);
}

bool ParticleTextureCheck::loadEmbedded(Picture* p, std::string* why) const {
    const std::string encoded = m_dict.at("textureImageData").asString();
    MallocBuffer decoded;
    const int decodedLen = base64Decode(reinterpret_cast<const unsigned char*>(encoded.data()),
                                        static_cast<unsigned int>(encoded.size()), &decoded.data);
    if (!decoded.data || decodedLen <= 0) {
        *why = "not valid base64";
        return false;
    }
    MallocBuffer inflated;
    ssize_t inflatedLen = 0;
    const int status = ZipUtils::inflateMemoryWithStatus(decoded.data, decodedLen, &inflated.data, &inflatedLen);
    if (status == Z_MEM_ERROR) {
        *why = "it unpacks past the size limit";
        return false;
    }
    if (status != Z_OK || !inflated.data || inflatedLen <= 0) {
        *why = "not a zlib or gzip stream";
        return false;
    }
    ImageRef ref;
    if (!ref.image->initWithImageData(inflated.data, inflatedLen)) {
        std::vector<unsigned char> rgba;
        int w = 0, h = 0;
        if (!ParticleTiffDecoder::decode(inflated.data, inflatedLen, &rgba, &w, &h) ||
            !ref.image->initWithRawData(rgba.data(), static_cast<ssize_t>(rgba.size()), w, h, 8, true)) {
            *why = "no decodable image";
            return false;
        }
    }
    if (!fillPicture(ref.image, &p->premultiplied, &p->alpha, &p->width, &p->height, &p->straightRgba)) {
        *why = "an image format particles cannot use";
        return false;
    }
    return true;
}

bool ParticleTextureCheck::samePicture(const Picture& a, const Picture& b) {
    if (a.width != b.width || a.height != b.height) return false;
    // Premultiplying and undoing it again loses a little at low alpha.
    for (size_t i = 0; i < a.straightRgba.size(); i += 4) {
        const int alpha = std::max(a.straightRgba[i + 3], b.straightRgba[i + 3]);
        for (int c = 0; c < 4; ++c) {
            const int tolerance = c == 3 ? 2 : 2 + 255 / std::max(alpha, 1);
            if (std::abs(a.straightRgba[i + c] - b.straightRgba[i + c]) > tolerance) return false;
        }
    }
    return true;
}

void ParticleTextureCheck::use(const Picture& p) {
    m_hasPicture = true;
    m_premultiplied = p.premultiplied;
    m_hasAlpha = p.alpha;
}

void ParticleTextureCheck::run(std::vector<ParticleFinding>* out) {
    auto stringOf = [&](const char* key) {
        auto it = m_dict.find(key);
        return it == m_dict.end() ? std::string() : it->second.asString();
    };
    const std::string fileName = stringOf("textureFileName");
    const std::string name = gameTextureName(fileName, m_plistPath);
    const bool embedded = !stringOf("textureImageData").empty();

    FileUtils* files = FileUtils::getInstance();
    Picture file;
    bool fileLoaded = false;
    if (!name.empty()) {
        const bool notify = files->isPopupNotify();
        files->setPopupNotify(false);
        const std::string full = files->fullPathForFilename(name);
        files->setPopupNotify(notify);
        fileLoaded = !full.empty() && loadFile(full, &file);
    }

    if (fileLoaded) {
        use(file);
        Picture inside;
        std::string why;
        // The game never decodes the embedded picture when the file loads.
        if (embedded && loadEmbedded(&inside, &why) && !samePicture(file, inside))
            out->push_back(
                ParticleCheckTexts::make("texture-file-overrides-embedded", {name, sizeText(file.width, file.height),
                                                                             sizeText(inside.width, inside.height)}));
        return;
    }
    if (!embedded) {
        if (name.empty())
            out->push_back(ParticleCheckTexts::make("no-texture"));
        else
            out->push_back(ParticleCheckTexts::make("texture-missing", {fileName, name}));
        return;
    }
    Picture inside;
    std::string why;
    if (!loadEmbedded(&inside, &why)) {
        out->push_back(ParticleCheckTexts::make("embedded-texture-invalid", {why}));
        return;
    }
    use(inside);
    if (!name.empty()) out->push_back(ParticleCheckTexts::make("texture-missing-embedded-used", {fileName, name}));
}
