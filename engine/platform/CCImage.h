// Decoded image (PNG, JPEG) with the engine's format detection and premultiplication.
#ifndef __CC_IMAGE_H__
#define __CC_IMAGE_H__

#include <sys/types.h>

#include <string>

#include "base/CCRef.h"
#include "renderer/CCTexture2D.h"

NS_CC_BEGIN

// Decoding is bounded: images wider or taller than kMaxDimension, or larger
// than kMaxDataSize once decoded, are refused, and damaged or truncated data
// makes the init call return false.
class CC_DLL Image : public Ref {
public:
    friend class TextureCache;

    static const int kMaxDimension = 16384;
    static const ssize_t kMaxDataSize = 256 * 1024 * 1024;

    Image();
    virtual ~Image();

    enum class Format {
        JPG,
        PNG,
        TIFF,
        WEBP,
        PVR,
        ETC,
        S3TC,
        ATITC,
        TGA,
        RAW_DATA,
        UNKNOWN
    };

    // Whether decoded RGBA PNGs are premultiplied (true by default).
    static bool PNG_PREMULTIPLIED_ALPHA_ENABLED;
    static void setPNGPremultipliedAlphaEnabled(bool enabled) { PNG_PREMULTIPLIED_ALPHA_ENABLED = enabled; }

    // Reads the file found through the search paths and decodes it.
    bool initWithImageFile(const std::string& path);
    // Decodes bytes held in memory; ccz and gzip wrappers are removed first.
    bool initWithImageData(const unsigned char* data, ssize_t dataLen);
    // RGBA8888 pixels only; bitsPerComponent must be 8.
    bool initWithRawData(const unsigned char* data, ssize_t dataLen, int width, int height, int bitsPerComponent,
                         bool preMulti = false);

    unsigned char* getData() { return _data; }
    ssize_t getDataLen() { return _dataLen; }
    Format getFileType() { return _fileType; }
    Texture2D::PixelFormat getRenderFormat() { return _renderFormat; }
    int getWidth() { return _width; }
    int getHeight() { return _height; }
    int getNumberOfMipmaps() { return _data ? 1 : 0; }
    bool hasPremultipliedAlpha() { return _hasPremultipliedAlpha; }
    bool isPremultipliedAlpha() { return _hasPremultipliedAlpha; }
    std::string getFilePath() const { return _filePath; }
    int getBitPerPixel();
    bool hasAlpha();
    bool isCompressed();

    // PNG only (by the ".png" extension, any case); written to a temporary
    // file that is renamed into place. isToRGB drops the alpha channel.
    bool saveToFile(const std::string& filename, bool isToRGB = true);

protected:
    // The format the bytes are in, judged by their signature; UNKNOWN when
    // none matches. Protected as in the engine: callers that need it derive.
    Format detectFormat(const unsigned char* data, ssize_t dataLen);
    bool isPng(const unsigned char* data, ssize_t dataLen);
    bool isJpg(const unsigned char* data, ssize_t dataLen);
    bool isTiff(const unsigned char* data, ssize_t dataLen);
    bool isWebp(const unsigned char* data, ssize_t dataLen);
    bool isPvr(const unsigned char* data, ssize_t dataLen);
    bool isEtc(const unsigned char* data, ssize_t dataLen);
    bool isS3TC(const unsigned char* data, ssize_t dataLen);
    bool isATITC(const unsigned char* data, ssize_t dataLen);

    bool initWithPngData(const unsigned char* data, ssize_t dataLen);
    bool initWithJpgData(const unsigned char* data, ssize_t dataLen);

    // Each colour channel c of RGBA8888 data becomes (c * (a + 1)) >> 8.
    void premultipliedAlpha();
    void clearData();

    unsigned char* _data;
    ssize_t _dataLen;
    int _width;
    int _height;
    Format _fileType;
    Texture2D::PixelFormat _renderFormat;
    bool _hasPremultipliedAlpha;
    std::string _filePath;

private:
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;
};

NS_CC_END

#endif  // __CC_IMAGE_H__
