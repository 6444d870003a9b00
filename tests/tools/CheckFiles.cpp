// Plist text, PNG bytes and embedded picture text for the checker tests.
#include "CheckFiles.h"

#include <png.h>
#include <zlib.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/base64.h"

std::string realValue(double v) {
    char text[64];
    std::snprintf(text, sizeof text, "<real>%.9g</real>", v);
    return text;
}

std::string intValue(long long v) {
    return "<integer>" + std::to_string(v) + "</integer>";
}

std::string stringValue(const std::string& v) {
    return "<string>" + v + "</string>";
}

std::string plistText(const PlistEntries& entries) {
    std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n";
    for (const auto& e : entries) s += "  <key>" + e.first + "</key>" + e.second + "\n";
    return s + "</dict>\n</plist>\n";
}

PlistEntries cleanEntries() {
    return {{"maxParticles", intValue(100)},
            {"emissionRate", realValue(50)},
            {"particleLifespan", realValue(2)},
            {"particleLifespanVariance", realValue(0.5)},
            {"duration", realValue(-1)},
            {"emitterType", intValue(0)},
            {"angle", realValue(90)},
            {"speed", realValue(40)},
            {"startParticleSize", realValue(16)},
            {"finishParticleSize", realValue(-1)},
            {"startColorRed", realValue(1)},
            {"startColorAlpha", realValue(1)},
            {"blendFuncSource", intValue(1)},
            {"blendFuncDestination", intValue(771)},
            {"sourcePositionx", realValue(0)},
            {"sourcePositiony", realValue(0)},
            {"yCoordFlipped", intValue(1)},
            {"positionType", intValue(0)},
            {"textureFileName", stringValue("tex.png")}};
}

namespace {

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void noFlush(png_structp) {}

} // namespace

std::vector<unsigned char> pngBytes(PictureKind kind, int width, int height, int tint) {
    std::vector<unsigned char> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &out, appendBytes, noFlush);
    const int channels = kind == PictureKind::Rgba ? 4 : (kind == PictureKind::GreyAlpha ? 2 : 3);
    const int type = kind == PictureKind::Rgba
                         ? PNG_COLOR_TYPE_RGB_ALPHA
                         : (kind == PictureKind::GreyAlpha ? PNG_COLOR_TYPE_GRAY_ALPHA : PNG_COLOR_TYPE_RGB);
    png_set_IHDR(png, info, width, height, 8, type, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<unsigned char> row(static_cast<size_t>(width) * channels);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double d = std::hypot(x + 0.5 - width / 2.0, y + 0.5 - height / 2.0) / (width / 2.0);
            const int alpha = d >= 1.0 ? 0 : static_cast<int>(255 * (1.0 - d));
            unsigned char* p = &row[static_cast<size_t>(x) * channels];
            const unsigned char level = static_cast<unsigned char>((200 + tint * 37) % 256);
            for (int c = 0; c < channels; ++c) p[c] = level;
            if (kind == PictureKind::Rgba) p[3] = static_cast<unsigned char>(alpha);
            if (kind == PictureKind::GreyAlpha) p[1] = static_cast<unsigned char>(alpha);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::string embeddedText(const std::vector<unsigned char>& fileBytes) {
    uLongf packedLen = compressBound(static_cast<uLong>(fileBytes.size()));
    std::vector<unsigned char> packed(packedLen);
    compress(packed.data(), &packedLen, fileBytes.data(), static_cast<uLong>(fileBytes.size()));
    char* encoded = nullptr;
    const int n = cocos2d::base64Encode(packed.data(), static_cast<unsigned int>(packedLen), &encoded);
    std::string text(encoded, static_cast<size_t>(n > 0 ? n : 0));
    std::free(encoded);
    return text;
}

std::vector<std::string> codesOf(const std::vector<ParticleFinding>& findings) {
    std::vector<std::string> codes;
    for (const ParticleFinding& f : findings) codes.push_back(f.code);
    return codes;
}
