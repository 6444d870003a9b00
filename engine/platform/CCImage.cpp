// Image: format detection, unwrapping of compressed data, decoding dispatch, premultiplication.
#include "platform/CCImage.h"

#include <cstdlib>
#include <cstring>

#include "base/CCConsole.h"
#include "base/CCData.h"
#include "base/ZipUtils.h"
#include "platform/CCFileUtils.h"

NS_CC_BEGIN

bool Image::PNG_PREMULTIPLIED_ALPHA_ENABLED = true;

namespace {

unsigned short readBigEndian16(const unsigned char* p) { return static_cast<unsigned short>((p[0] << 8) | p[1]); }

}  // namespace

Image::Image()
    : _data(nullptr), _dataLen(0), _width(0), _height(0), _fileType(Format::UNKNOWN),
      _renderFormat(Texture2D::PixelFormat::NONE), _hasPremultipliedAlpha(false) {}

Image::~Image() { clearData(); }

void Image::clearData() {
    free(_data);
    _data = nullptr;
    _dataLen = 0;
    _width = 0;
    _height = 0;
    _hasPremultipliedAlpha = false;
    _renderFormat = Texture2D::PixelFormat::NONE;
}

// ---- loading ----

bool Image::initWithImageFile(const std::string& path) {
    _filePath = FileUtils::getInstance()->fullPathForFilename(path);
    if (_filePath.empty()) {
        return false;
    }
    const Data data = FileUtils::getInstance()->getDataFromFile(_filePath);
    if (data.isNull()) {
        return false;
    }
    return initWithImageData(data.getBytes(), data.getSize());
}

bool Image::initWithImageData(const unsigned char* data, ssize_t dataLen) {
    if (data == nullptr || dataLen <= 0) {
        return false;
    }
    clearData();

    // Compressed wrappers are removed once, before the format is looked at.
    unsigned char* unpacked = nullptr;
    ssize_t unpackedLen = 0;
    if (ZipUtils::isCCZBuffer(data, dataLen)) {
        unpackedLen = ZipUtils::inflateCCZBuffer(data, dataLen, &unpacked);
    } else if (ZipUtils::isGZipBuffer(data, dataLen)) {
        unpackedLen = ZipUtils::inflateMemory(const_cast<unsigned char*>(data), dataLen, &unpacked);
    } else {
        unpacked = const_cast<unsigned char*>(data);
        unpackedLen = dataLen;
    }
    if (unpacked == nullptr || unpackedLen <= 0) {
        if (unpacked != data) {
            free(unpacked);
        }
        return false;
    }

    _fileType = detectFormat(unpacked, unpackedLen);
    bool ok = false;
    switch (_fileType) {
        case Format::PNG: ok = initWithPngData(unpacked, unpackedLen); break;
        case Format::JPG: ok = initWithJpgData(unpacked, unpackedLen); break;
        case Format::UNKNOWN: log("cocos2d: unsupported image format!"); break;
        default: log("cocos2d: image format %d is not supported by this build", static_cast<int>(_fileType)); break;
    }
    if (unpacked != data) {
        free(unpacked);
    }
    if (!ok) {
        clearData();
    }
    return ok;
}

bool Image::initWithRawData(const unsigned char* data, ssize_t dataLen, int width, int height,
                            int bitsPerComponent, bool preMulti) {
    if (data == nullptr || width <= 0 || height <= 0 || width > kMaxDimension || height > kMaxDimension ||
        bitsPerComponent != 8) {
        return false;
    }
    const ssize_t needed = static_cast<ssize_t>(width) * height * 4;
    if (dataLen < needed || needed > kMaxDataSize) {
        return false;
    }
    clearData();
    _data = static_cast<unsigned char*>(malloc(static_cast<size_t>(needed)));
    if (_data == nullptr) {
        return false;
    }
    memcpy(_data, data, static_cast<size_t>(needed));
    _dataLen = needed;
    _width = width;
    _height = height;
    _renderFormat = Texture2D::PixelFormat::RGBA8888;
    _fileType = Format::RAW_DATA;
    _hasPremultipliedAlpha = preMulti;
    return true;
}

// ---- format detection ----

bool Image::isPng(const unsigned char* data, ssize_t dataLen) {
    static const unsigned char signature[] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
    return dataLen > 8 && memcmp(data, signature, sizeof(signature)) == 0;
}

bool Image::isJpg(const unsigned char* data, ssize_t dataLen) {
    return dataLen > 4 && data[0] == 0xFF && data[1] == 0xD8;
}

bool Image::isTiff(const unsigned char* data, ssize_t dataLen) {
    return dataLen > 4 && ((data[0] == 'I' && data[1] == 'I' && data[2] == 0x2A && data[3] == 0x00) ||
                           (data[0] == 'M' && data[1] == 'M' && data[2] == 0x00 && data[3] == 0x2A));
}

bool Image::isWebp(const unsigned char* data, ssize_t dataLen) {
    return dataLen > 12 && memcmp(data, "RIFF", 4) == 0 && memcmp(data + 8, "WEBP", 4) == 0;
}

bool Image::isPvr(const unsigned char* data, ssize_t dataLen) {
    // Version 2 and version 3 headers are both 52 bytes long.
    if (dataLen < 52) {
        return false;
    }
    const bool v2 = memcmp(data + 44, "PVR!", 4) == 0;
    const bool v3 = data[0] == 'P' && data[1] == 'V' && data[2] == 'R' && data[3] == 3;
    return v2 || v3;
}

bool Image::isEtc(const unsigned char* data, ssize_t dataLen) {
    // PKM header: "PKM 10", type, padded width/height, width/height (big-endian).
    if (dataLen < 16 || memcmp(data, "PKM 10", 6) != 0) {
        return false;
    }
    const unsigned short type = readBigEndian16(data + 6);
    const unsigned short paddedWidth = readBigEndian16(data + 8);
    const unsigned short paddedHeight = readBigEndian16(data + 10);
    const unsigned short width = readBigEndian16(data + 12);
    const unsigned short height = readBigEndian16(data + 14);
    return type == 0 && paddedWidth >= width && paddedHeight >= height && paddedWidth - width < 4 &&
           paddedHeight - height < 4;
}

bool Image::isS3TC(const unsigned char* data, ssize_t dataLen) { return dataLen >= 3 && memcmp(data, "DDS", 3) == 0; }

bool Image::isATITC(const unsigned char* data, ssize_t dataLen) {
    return dataLen >= 4 && memcmp(data + 1, "KTX", 3) == 0;
}

Image::Format Image::detectFormat(const unsigned char* data, ssize_t dataLen) {
    if (data == nullptr || dataLen <= 0) {
        return Format::UNKNOWN;
    }
    if (isPng(data, dataLen)) return Format::PNG;
    if (isJpg(data, dataLen)) return Format::JPG;
    if (isTiff(data, dataLen)) return Format::TIFF;
    if (isWebp(data, dataLen)) return Format::WEBP;
    if (isPvr(data, dataLen)) return Format::PVR;
    if (isEtc(data, dataLen)) return Format::ETC;
    if (isS3TC(data, dataLen)) return Format::S3TC;
    if (isATITC(data, dataLen)) return Format::ATITC;
    return Format::UNKNOWN;
}

// ---- pixel properties ----

int Image::getBitPerPixel() {
    const auto& map = Texture2D::getPixelFormatInfoMap();
    const auto info = map.find(_renderFormat);
    return info != map.end() ? info->second.bpp : 0;
}

bool Image::hasAlpha() {
    const auto& map = Texture2D::getPixelFormatInfoMap();
    const auto info = map.find(_renderFormat);
    return info != map.end() && info->second.alpha;
}

bool Image::isCompressed() {
    const auto& map = Texture2D::getPixelFormatInfoMap();
    const auto info = map.find(_renderFormat);
    return info != map.end() && info->second.compressed;
}

void Image::premultipliedAlpha() {
    if (_renderFormat != Texture2D::PixelFormat::RGBA8888 || _data == nullptr) {
        return;
    }
    const ssize_t pixels = static_cast<ssize_t>(_width) * _height;
    unsigned char* p = _data;
    for (ssize_t i = 0; i < pixels; ++i, p += 4) {
        const unsigned int a = p[3] + 1u;
        p[0] = static_cast<unsigned char>((p[0] * a) >> 8);
        p[1] = static_cast<unsigned char>((p[1] * a) >> 8);
        p[2] = static_cast<unsigned char>((p[2] * a) >> 8);
    }
    _hasPremultipliedAlpha = true;
}

NS_CC_END
