// FontFreeType: faces cached by path, line breaking, alignment and glyph rasterisation.
#include "2d/CCFontFreeType.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
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

bool FontFreeType::render(const std::string& utf8, float fontSize, const Size& dimensions, TextHAlignment hAlignment,
                          TextVAlignment vAlignment, TextImage& out) {
    out = TextImage();
    const int pixels = std::max(1, std::min(256, static_cast<int>(fontSize + 0.5f)));
    if (FT_Set_Pixel_Sizes(_face, 0, pixels) != 0) return false;
    const std::u32string text = decodeUtf8(utf8, kMaxTextLength);
    const int boxWidth = std::min(kMaxImageSide, static_cast<int>(std::max(0.0f, dimensions.width)));
    const int boxHeight = std::min(kMaxImageSide, static_cast<int>(std::max(0.0f, dimensions.height)));

    // ---- line breaking ----
    std::vector<std::u32string> lines(1);
    std::vector<int> widths(1, 0);
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
    const int lineHeight = std::max(1, static_cast<int>(metrics.height >> 6));
    const int ascender = static_cast<int>(metrics.ascender >> 6);
    const int textHeight = lineHeight * static_cast<int>(lines.size());
    const int textWidth = *std::max_element(widths.begin(), widths.end());
    out.width = std::min(kMaxImageSide, boxWidth > 0 ? boxWidth : textWidth);
    out.height = std::min(kMaxImageSide, boxHeight > 0 ? boxHeight : textHeight);
    if (out.width <= 0 || out.height <= 0) return true;
    out.rgba.assign(static_cast<size_t>(out.width) * out.height * 4, 0);
    for (size_t i = 0; i < out.rgba.size(); i += 4) out.rgba[i] = out.rgba[i + 1] = out.rgba[i + 2] = 255;

    int top = 0;
    if (vAlignment == TextVAlignment::CENTER) top = (out.height - textHeight) / 2;
    if (vAlignment == TextVAlignment::BOTTOM) top = out.height - textHeight;

    // ---- rasterisation ----
    for (size_t l = 0; l < lines.size(); ++l) {
        int pen = 0;
        if (hAlignment == TextHAlignment::CENTER) pen = (out.width - widths[l]) / 2;
        if (hAlignment == TextHAlignment::RIGHT) pen = out.width - widths[l];
        const int baseline = top + static_cast<int>(l) * lineHeight + ascender;
        for (char32_t c : lines[l]) {
            if (FT_Load_Char(_face, c, FT_LOAD_RENDER) != 0) continue;
            const FT_GlyphSlot glyph = _face->glyph;
            const FT_Bitmap& bitmap = glyph->bitmap;
            if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || bitmap.pitch < 0) {
                pen += static_cast<int>(glyph->advance.x >> 6);
                continue;
            }
            for (unsigned int row = 0; row < bitmap.rows; ++row) {
                const int y = baseline - glyph->bitmap_top + static_cast<int>(row);
                if (y < 0 || y >= out.height) continue;
                for (unsigned int col = 0; col < bitmap.width; ++col) {
                    const int x = pen + glyph->bitmap_left + static_cast<int>(col);
                    if (x < 0 || x >= out.width) continue;
                    const unsigned char coverage = bitmap.buffer[row * static_cast<unsigned int>(bitmap.pitch) + col];
                    unsigned char& alpha = out.rgba[(static_cast<size_t>(y) * out.width + x) * 4 + 3];
                    alpha = std::max(alpha, coverage);
                }
            }
            pen += static_cast<int>(glyph->advance.x >> 6);
        }
    }
    return true;
}

NS_CC_END
