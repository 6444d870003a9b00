// Image: PNG decoding and saving through libpng, guarded against damaged data.
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/CCConsole.h"
#include "platform/CCFileReplace.h"
#include "platform/CCFileUtils.h"
#include "platform/CCImage.h"

NS_CC_BEGIN

namespace {

struct PngSource {
    const unsigned char* data;
    size_t size;
    size_t offset;
};

void readFromMemory(png_structp png, png_bytep out, png_size_t length) {
    PngSource* source = static_cast<PngSource*>(png_get_io_ptr(png));
    if (source == nullptr || length > source->size - source->offset) {
        png_error(png, "truncated PNG data");
    }
    memcpy(out, source->data + source->offset, length);
    source->offset += length;
}

// Side chunks of real textures (text, ICC profiles) are a few KB; 8 MiB is
// far above any of them.
const png_alloc_size_t kMaxSideChunkSize = 8 * 1024 * 1024;
const png_uint_32 kMaxSideChunks = 1000;

// False when a chunk before IEND claims more bytes than the data holds.
// libpng would fail on such a file anyway (it reads every chunk up to IEND),
// but only after allocating the claimed length for a side chunk: a 2 KB file
// claiming a 1.3 GB text chunk cost that much memory and a second of time.
bool chunksFitTheData(const unsigned char* data, size_t size) {
    size_t at = 8; // after the signature
    while (size - at >= 12) {
        const size_t length = (static_cast<size_t>(data[at]) << 24) | (static_cast<size_t>(data[at + 1]) << 16) |
                              (static_cast<size_t>(data[at + 2]) << 8) | data[at + 3];
        if (length > size - at - 12) return false;
        if (memcmp(data + at + 4, "IEND", 4) == 0) return true;
        at += 12 + length;
    }
    return true; // what is left is too short for a chunk; libpng decides
}

void quietWarning(png_structp, png_const_charp) {}

// Damaged files are reported by the false result, not on the console.
void quietError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

} // namespace

bool Image::initWithPngData(const unsigned char* data, ssize_t dataLen) {
    if (data == nullptr || dataLen < 8 || !chunksFitTheData(data, static_cast<size_t>(dataLen))) {
        return false;
    }
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, quietError, quietWarning);
    if (png == nullptr) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    // Both survive a longjmp from libpng and are freed on the error path.
    unsigned char* volatile pixels = nullptr;
    png_bytep* volatile rows = nullptr;
    PngSource source = {data, static_cast<size_t>(dataLen), 0};

    if (setjmp(png_jmpbuf(png))) {
        free(rows);
        free(pixels);
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }

    png_set_user_limits(png, kMaxDimension, kMaxDimension);
    // Text, colour-profile and other side chunks state their own length;
    // without a cap a 2 KB file claiming a 1.3 GB text chunk makes libpng
    // allocate that much before it finds the data missing. Pixels (IDAT)
    // are not subject to this limit.
    png_set_chunk_malloc_max(png, kMaxSideChunkSize);
    png_set_chunk_cache_max(png, kMaxSideChunks);
    png_set_read_fn(png, &source, readFromMemory);
    png_read_info(png, info);

    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    const png_byte bitDepth = png_get_bit_depth(png, info);
    const png_byte colorType = png_get_color_type(png, info);

    // Palette to RGB, grey below 8 bits to 8, tRNS to an alpha channel,
    // 16 bits down to 8, sub-byte samples unpacked.
    if (colorType == PNG_COLOR_TYPE_PALETTE) {
        png_set_palette_to_rgb(png);
    }
    if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) {
        png_set_expand_gray_1_2_4_to_8(png);
    }
    if (png_get_valid(png, info, PNG_INFO_tRNS)) {
        png_set_tRNS_to_alpha(png);
    }
    if (bitDepth == 16) {
        png_set_strip_16(png);
    }
    if (bitDepth < 8) {
        png_set_packing(png);
    }
    png_set_interlace_handling(png);
    png_read_update_info(png, info);

    const size_t rowBytes = png_get_rowbytes(png, info);
    const size_t total = rowBytes * height;
    if (width == 0 || height == 0 || total == 0 || total > static_cast<size_t>(kMaxDataSize)) {
        png_error(png, "PNG image too large");
    }
    pixels = static_cast<unsigned char*>(malloc(total));
    rows = static_cast<png_bytep*>(malloc(sizeof(png_bytep) * height));
    if (pixels == nullptr || rows == nullptr) {
        png_error(png, "out of memory");
    }
    for (png_uint_32 y = 0; y < height; ++y) {
        rows[y] = pixels + y * rowBytes;
    }
    png_read_image(png, rows);
    png_read_end(png, nullptr);

    const png_byte finalType = png_get_color_type(png, info);
    Texture2D::PixelFormat format;
    switch (finalType) {
    case PNG_COLOR_TYPE_GRAY:
        format = Texture2D::PixelFormat::I8;
        break;
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        format = Texture2D::PixelFormat::AI88;
        break;
    case PNG_COLOR_TYPE_RGB:
        format = Texture2D::PixelFormat::RGB888;
        break;
    case PNG_COLOR_TYPE_RGB_ALPHA:
        format = Texture2D::PixelFormat::RGBA8888;
        break;
    default:
        png_error(png, "unexpected PNG colour type");
    }
    free(rows);
    rows = nullptr;
    png_destroy_read_struct(&png, &info, nullptr);

    _data = pixels;
    _dataLen = static_cast<ssize_t>(total);
    _width = static_cast<int>(width);
    _height = static_cast<int>(height);
    _renderFormat = format;
    _hasPremultipliedAlpha = false;
    if (PNG_PREMULTIPLIED_ALPHA_ENABLED && format == Texture2D::PixelFormat::RGBA8888) {
        premultipliedAlpha();
    }
    return true;
}

namespace {

// Writes RGB or RGBA rows to an open file; false on any libpng error.
bool writePng(FILE* fp, const unsigned char* rgba, int width, int height, bool withAlpha) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, quietError, quietWarning);
    if (png == nullptr) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    unsigned char* volatile row = nullptr;
    if (setjmp(png_jmpbuf(png))) {
        free(row);
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, fp);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 withAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const int channels = withAlpha ? 4 : 3;
    row = static_cast<unsigned char*>(malloc(static_cast<size_t>(width) * channels));
    if (row == nullptr) {
        png_error(png, "out of memory");
    }
    for (int y = 0; y < height; ++y) {
        const unsigned char* src = rgba + static_cast<size_t>(y) * width * 4;
        for (int x = 0; x < width; ++x) {
            memcpy(row + x * channels, src + x * 4, static_cast<size_t>(channels));
        }
        png_write_row(png, row);
    }
    png_write_end(png, info);
    free(row);
    row = nullptr;
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

bool Image::saveToFile(const std::string& filename, bool isToRGB) {
    if (_data == nullptr || filename.empty()) {
        return false;
    }
    if (FileUtils::getInstance()->getFileExtension(filename) != ".png") {
        log("cocos2d: Image: saveToFile only writes .png files");
        return false;
    }
    // Expand to straight (not premultiplied) RGBA first, so that a saved
    // image shows the colours it was loaded with.
    const size_t pixels = static_cast<size_t>(_width) * static_cast<size_t>(_height);
    std::string rgba(pixels * 4, '\0');
    unsigned char* dst = reinterpret_cast<unsigned char*>(&rgba[0]);
    for (size_t i = 0; i < pixels; ++i, dst += 4) {
        switch (_renderFormat) {
        case Texture2D::PixelFormat::RGBA8888:
            memcpy(dst, _data + i * 4, 4);
            break;
        case Texture2D::PixelFormat::RGB888:
            memcpy(dst, _data + i * 3, 3);
            dst[3] = 255;
            break;
        case Texture2D::PixelFormat::AI88:
            dst[0] = dst[1] = dst[2] = _data[i * 2];
            dst[3] = _data[i * 2 + 1];
            break;
        case Texture2D::PixelFormat::I8:
            dst[0] = dst[1] = dst[2] = _data[i];
            dst[3] = 255;
            break;
        default:
            return false;
        }
        if (_hasPremultipliedAlpha && dst[3] != 0) {
            for (int c = 0; c < 3; ++c) {
                const unsigned int straight = (dst[c] * 255u + dst[3] / 2u) / dst[3];
                dst[c] = static_cast<unsigned char>(straight > 255u ? 255u : straight);
            }
        }
    }
    const bool withAlpha = !isToRGB && hasAlpha();
    // Encoded in memory first, so that the file is replaced only by a whole
    // picture, and as safely as every other file the program writes.
    char* encoded = nullptr;
    size_t encodedSize = 0;
    FILE* memory = open_memstream(&encoded, &encodedSize);
    if (memory == nullptr) {
        return false;
    }
    const bool written =
        writePng(memory, reinterpret_cast<const unsigned char*>(rgba.data()), _width, _height, withAlpha);
    const bool closed = fclose(memory) == 0;
    const bool saved = written && closed && replaceFileContents(filename, encoded, encodedSize) == 0;
    free(encoded);
    return saved;
}

NS_CC_END
