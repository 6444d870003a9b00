// Image: JPEG decoding through libjpeg, with errors turned into a false result.
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

#include "platform/CCImage.h"

NS_CC_BEGIN

namespace {

struct JpegError {
    jpeg_error_mgr manager;
    jmp_buf jump;
};

void onJpegError(j_common_ptr info) {
    JpegError* error = reinterpret_cast<JpegError*>(info->err);
    longjmp(error->jump, 1);
}

void quietMessage(j_common_ptr) {}

}  // namespace

bool Image::initWithJpgData(const unsigned char* data, ssize_t dataLen) {
    jpeg_decompress_struct info;
    JpegError error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = onJpegError;
    error.manager.output_message = quietMessage;
    unsigned char* volatile pixels = nullptr;

    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        free(pixels);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(dataLen));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    if (info.image_width == 0 || info.image_height == 0 || info.image_width > static_cast<JDIMENSION>(kMaxDimension) ||
        info.image_height > static_cast<JDIMENSION>(kMaxDimension)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = info.jpeg_color_space == JCS_GRAYSCALE ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(&info);

    const size_t rowBytes = static_cast<size_t>(info.output_width) * static_cast<size_t>(info.output_components);
    const size_t total = rowBytes * info.output_height;
    if (total == 0 || total > static_cast<size_t>(kMaxDataSize)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    pixels = static_cast<unsigned char*>(malloc(total));
    if (pixels == nullptr) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels + static_cast<size_t>(info.output_scanline) * rowBytes;
        if (jpeg_read_scanlines(&info, &row, 1) != 1) {
            break;
        }
    }
    const bool complete = info.output_scanline == info.output_height;
    if (complete) {
        jpeg_finish_decompress(&info);
    }
    const bool gray = info.output_components == 1;
    _width = static_cast<int>(info.output_width);
    _height = static_cast<int>(info.output_height);
    jpeg_destroy_decompress(&info);
    if (!complete) {
        free(pixels);
        _width = _height = 0;
        return false;
    }

    _data = pixels;
    _dataLen = static_cast<ssize_t>(total);
    _renderFormat = gray ? Texture2D::PixelFormat::I8 : Texture2D::PixelFormat::RGB888;
    _hasPremultipliedAlpha = false;
    return true;
}

NS_CC_END
