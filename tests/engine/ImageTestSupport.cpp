// Builders of PNG, JPEG, gzip and ccz bytes for the image and texture tests.
#include "ImageTestSupport.h"

#include <png.h>
#include <zlib.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <jpeglib.h>

namespace imagetest {

namespace {

void appendToVector(png_structp png, png_bytep data, png_size_t length) {
    Bytes* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void noFlush(png_structp) {}

void put32(Bytes& b, unsigned int v) {
    for (int shift = 24; shift >= 0; shift -= 8) b.push_back(static_cast<unsigned char>(v >> shift));
}

}  // namespace

Bytes makePng(int width, int height, int colorType, int bitDepth, const std::vector<unsigned int>& samples,
              const Bytes& palette, const Bytes& trns) {
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("png write failed");
    }
    png_set_write_fn(png, &out, appendToVector, noFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), bitDepth, colorType,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (colorType == PNG_COLOR_TYPE_PALETTE) {
        std::vector<png_color> colors(palette.size() / 3);
        for (size_t i = 0; i < colors.size(); ++i) {
            colors[i].red = palette[i * 3];
            colors[i].green = palette[i * 3 + 1];
            colors[i].blue = palette[i * 3 + 2];
        }
        png_set_PLTE(png, info, colors.data(), static_cast<int>(colors.size()));
    }
    if (!trns.empty()) {
        png_set_tRNS(png, info, trns.data(), static_cast<int>(trns.size()), nullptr);
    }
    png_write_info(png, info);
    int channels = 1;
    if (colorType == PNG_COLOR_TYPE_GRAY_ALPHA) channels = 2;
    if (colorType == PNG_COLOR_TYPE_RGB) channels = 3;
    if (colorType == PNG_COLOR_TYPE_RGB_ALPHA) channels = 4;
    const size_t rowBytes = (static_cast<size_t>(width) * channels * bitDepth + 7) / 8;
    Bytes row(rowBytes);
    for (int y = 0; y < height; ++y) {
        std::fill(row.begin(), row.end(), 0);
        for (int i = 0; i < width * channels; ++i) {
            const unsigned int v = samples[static_cast<size_t>(y) * width * channels + i];
            if (bitDepth == 16) {
                row[i * 2] = static_cast<unsigned char>(v >> 8);
                row[i * 2 + 1] = static_cast<unsigned char>(v);
            } else if (bitDepth == 8) {
                row[i] = static_cast<unsigned char>(v);
            } else {
                const int bitPos = i * bitDepth;
                row[bitPos / 8] |= static_cast<unsigned char>(v << (8 - bitDepth - bitPos % 8));
            }
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

Bytes makeJpeg(int width, int height, int components, const Bytes& pixels, int quality) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = components;
    cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<unsigned char*>(&pixels[static_cast<size_t>(cinfo.next_scanline) * width * components]);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    Bytes out(buffer, buffer + size);
    free(buffer);
    return out;
}

Bytes pngHeaderOnly(unsigned int width, unsigned int height) {
    Bytes out = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    Bytes chunk = {'I', 'H', 'D', 'R'};
    put32(chunk, width);
    put32(chunk, height);
    chunk.insert(chunk.end(), {8, 6, 0, 0, 0});
    put32(out, 13);
    out.insert(out.end(), chunk.begin(), chunk.end());
    put32(out, static_cast<unsigned int>(crc32(0, chunk.data(), static_cast<uInt>(chunk.size()))));
    return out;
}

void writeFileBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
}

Bytes compress(const Bytes& in, bool gzip) {
    z_stream s;
    memset(&s, 0, sizeof(s));
    deflateInit2(&s, 9, Z_DEFLATED, gzip ? 15 + 16 : 15, 8, Z_DEFAULT_STRATEGY);
    Bytes out(deflateBound(&s, in.size()) + 32);
    s.next_in = const_cast<unsigned char*>(in.data());
    s.avail_in = static_cast<uInt>(in.size());
    s.next_out = out.data();
    s.avail_out = static_cast<uInt>(out.size());
    deflate(&s, Z_FINISH);
    out.resize(s.total_out);
    deflateEnd(&s);
    return out;
}

Bytes cczOf(const Bytes& in) {
    Bytes out = {'C', 'C', 'Z', '!', 0, 0, 0, 2, 0, 0, 0, 0};
    put32(out, static_cast<unsigned int>(in.size()));
    const Bytes packed = compress(in, false);
    out.insert(out.end(), packed.begin(), packed.end());
    return out;
}

}  // namespace imagetest
