// FontFreeType: faces cached by path, line breaking, alignment and glyph rasterisation.
#include "2d/CCFontFreeType.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>

#include "base/CCConsole.h"
#include "base/CCData.h"
#include "platform/CCFileUtils.h"

NS_CC_BEGIN

const char* const FontFreeType::kDefaultFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

namespace {

FT_Library library() {
    static FT_Library lib = nullptr;
    if (lib == nullptr && FT_Init_FreeType(&lib) != 0) lib = nullptr;
    return lib;
}

std::map<std::string, std::unique_ptr<FontFreeType>>& fonts() {
    static std::map<std::string, std::unique_ptr<FontFreeType>> cache;
    return cache;
}

// Bad bytes become U+FFFD so that a broken string still shows its good part.
std::u32string decodeUtf8(const std::string& s, size_t limit) {
    std::u32string out;
    size_t i = 0;
    while (i < s.size() && out.size() < limit) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        char32_t cp = extra == 0 ? c : extra == 1 ? (c & 0x1f) : extra == 2 ? (c & 0x0f) : (c & 0x07);
        bool ok = extra >= 0 && i + extra < s.size() + (extra == 0 ? 1 : 0);
        for (int k = 1; ok && k <= extra; ++k) {
            const unsigned char n = static_cast<unsigned char>(s[i + k]);
            ok = (n >> 6) == 2;
            cp = (cp << 6) | (n & 0x3f);
        }
        if (ok && cp <= 0x10ffff) {
            out.push_back(cp);
            i += extra + 1;
        } else {
            out.push_back(0xfffd);
            i += 1;
        }
    }
    return out;
}

} // namespace

FontFreeType* FontFreeType::getFont(const std::string& fullPath) {
    if (fullPath.empty() || library() == nullptr) return nullptr;
    auto found = fonts().find(fullPath);
    if (found != fonts().end()) return found->second.get();

    std::unique_ptr<FontFreeType> font(new FontFreeType());
    Data data = FileUtils::getInstance()->getDataFromFile(fullPath);
    if (!data.isNull()) font->_fileBytes.assign(data.getBytes(), data.getBytes() + data.getSize());
    if (font->_fileBytes.empty() ||
        FT_New_Memory_Face(library(), font->_fileBytes.data(), static_cast<FT_Long>(font->_fileBytes.size()), 0,
                           &font->_face) != 0 ||
        FT_Select_Charmap(font->_face, FT_ENCODING_UNICODE) != 0) {
        log("Label: font %s could not be read", fullPath.c_str());
        fonts()[fullPath] = nullptr; // remembered, so a bad file is read once
        return nullptr;
    }
    font->_path = fullPath;
    FontFreeType* result = font.get();
    fonts()[fullPath] = std::move(font);
    return result;
}

void FontFreeType::releaseAllFonts() {
    fonts().clear();
}

FontFreeType::~FontFreeType() {
    if (_face) FT_Done_Face(_face);
}

int FontFreeType::advanceOf(char32_t c) const {
    if (FT_Load_Char(_face, c, FT_LOAD_DEFAULT) != 0) return 0;
    return static_cast<int>(_face->glyph->advance.x >> 6);
}

bool FontFreeType::layout(const std::string& utf8, float fontSize, const Size& dimensions, TextHAlignment hAlignment,
                          TextVAlignment vAlignment, TextLayout& out) {
    out = TextLayout();
    out.pixelSize = std::max(1, std::min(256, static_cast<int>(fontSize + 0.5f)));
    if (FT_Set_Pixel_Sizes(_face, 0, out.pixelSize) != 0) return false;
    const std::u32string text = decodeUtf8(utf8, kMaxTextLength);
    const int boxWidth = std::min(kMaxImageSide, static_cast<int>(std::max(0.0f, dimensions.width)));
    const int boxHeight = std::min(kMaxImageSide, static_cast<int>(std::max(0.0f, dimensions.height)));

    std::vector<std::u32string>& lines = out.lines;
    std::vector<int>& widths = out.lineWidths;
    lines.assign(1, std::u32string());
    widths.assign(1, 0);
    for (char32_t c : text) {
        if (c == U'\n') {
            lines.emplace_back();
            widths.push_back(0);
            continue;
        }
        const int advance = advanceOf(c);
        if (boxWidth > 0 && widths.back() + advance > boxWidth && !lines.back().empty() && c != U' ') {
            // Carry the unfinished word to the next line when there is a space to break at.
            std::u32string& line = lines.back();
            const size_t space = line.find_last_of(U' ');
            std::u32string carried = space == std::u32string::npos ? U"" : line.substr(space + 1);
            if (space != std::u32string::npos) line.erase(space);
            int width = 0;
            for (char32_t k : line) width += advanceOf(k);
            widths.back() = width;
            lines.push_back(carried);
            width = 0;
            for (char32_t k : carried) width += advanceOf(k);
            widths.push_back(width);
        }
        lines.back().push_back(c);
        widths.back() += advance;
    }

    const FT_Size_Metrics& metrics = _face->size->metrics;
    out.lineHeight = std::max(1, static_cast<int>(metrics.height >> 6));
    out.ascender = static_cast<int>(metrics.ascender >> 6);
    const long textHeight = static_cast<long>(out.lineHeight) * static_cast<long>(lines.size());
    const int textWidth = *std::max_element(widths.begin(), widths.end());
    out.width = std::min(kMaxImageSide, boxWidth > 0 ? boxWidth : textWidth);
    out.height = static_cast<int>(std::min<long>(kMaxImageSide, boxHeight > 0 ? boxHeight : textHeight));
    out.hAlignment = hAlignment;
    out.vAlignment = vAlignment;
    return true;
}

bool FontFreeType::draw(const TextLayout& layout, TextImage& out) {
    out = TextImage();
    out.width = layout.width;
    out.height = layout.height;
    if (out.width <= 0 || out.height <= 0) return true;
    if (FT_Set_Pixel_Sizes(_face, 0, layout.pixelSize) != 0) return false;
    // White ink; only the alpha of each pixel is drawn into.
    std::vector<uint32_t> pixels(static_cast<size_t>(out.width) * out.height, 0x00ffffffu);
    const int textHeight = layout.lineHeight * static_cast<int>(layout.lines.size());
    int top = 0;
    if (layout.vAlignment == TextVAlignment::CENTER) top = (out.height - textHeight) / 2;
    if (layout.vAlignment == TextVAlignment::BOTTOM) top = out.height - textHeight;

    for (size_t l = 0; l < layout.lines.size(); ++l) {
        const int baseline = top + static_cast<int>(l) * layout.lineHeight + layout.ascender;
        if (baseline - layout.lineHeight > out.height) break;
        int pen = 0;
        if (layout.hAlignment == TextHAlignment::CENTER) pen = (out.width - layout.lineWidths[l]) / 2;
        if (layout.hAlignment == TextHAlignment::RIGHT) pen = out.width - layout.lineWidths[l];
        for (char32_t c : layout.lines[l]) {
            if (pen > out.width) break;
            if (FT_Load_Char(_face, c, FT_LOAD_RENDER) != 0) continue;
            const FT_GlyphSlot glyph = _face->glyph;
            const FT_Bitmap& bitmap = glyph->bitmap;
            if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY && bitmap.pitch >= 0) {
                for (unsigned int row = 0; row < bitmap.rows; ++row) {
                    const int y = baseline - glyph->bitmap_top + static_cast<int>(row);
                    if (y < 0 || y >= out.height) continue;
                    const unsigned char* src = bitmap.buffer + row * static_cast<unsigned int>(bitmap.pitch);
                    for (unsigned int col = 0; col < bitmap.width; ++col) {
                        const int x = pen + glyph->bitmap_left + static_cast<int>(col);
                        if (x < 0 || x >= out.width || src[col] == 0) continue;
                        uint32_t& pixel = pixels[static_cast<size_t>(y) * out.width + x];
                        const uint32_t alpha = std::max<uint32_t>(pixel >> 24, src[col]);
                        pixel = (alpha << 24) | 0x00ffffffu;
                    }
                }
            }
            pen += static_cast<int>(glyph->advance.x >> 6);
        }
    }
    out.rgba.resize(pixels.size() * 4);
    for (size_t i = 0; i < pixels.size(); ++i) {
        out.rgba[i * 4] = out.rgba[i * 4 + 1] = out.rgba[i * 4 + 2] = 255;
        out.rgba[i * 4 + 3] = static_cast<unsigned char>(pixels[i] >> 24);
    }
    return true;
}

NS_CC_END
