// FontFreeType: a TrueType face opened with FreeType and text rendered with it into an RGBA image.
#ifndef __CCFONTFREETYPE_H__
#define __CCFONTFREETYPE_H__

#include <string>
#include <vector>

#include "base/ccTypes.h"
#include "math/CCGeometry.h"

struct FT_FaceRec_;

NS_CC_BEGIN

class CC_DLL FontFreeType {
public:
    // Installed with the system (Debian's fonts-dejavu-core); used when a
    // label's own font cannot be found or read.
    static const char* const kDefaultFontPath;
    static constexpr int kMaxTextLength = 4096;
    static constexpr int kMaxImageSide = 4096;

    // The face of a font file, opened once per full path and kept for the
    // process; null when FreeType cannot read it.
    static FontFreeType* getFont(const std::string& fullPath);
    static void releaseAllFonts();

    struct TextImage {
        int width = 0;
        int height = 0;
        // Rows from the top; white with the glyph coverage as alpha.
        std::vector<unsigned char> rgba;
    };

    // Where each line goes: measuring is cheap, drawing the glyphs is not,
    // so a label measures on every change and draws only when shown.
    struct TextLayout {
        std::vector<std::u32string> lines;
        std::vector<int> lineWidths;
        int pixelSize = 0;
        int lineHeight = 0;
        int ascender = 0;
        int width = 0;
        int height = 0;
        TextHAlignment hAlignment = TextHAlignment::LEFT;
        TextVAlignment vAlignment = TextVAlignment::TOP;
    };

    // Lines break at "\n" and, when the width is given, before a word that
    // would cross it. A zero dimension means "as large as the text".
    bool layout(const std::string& utf8, float fontSize, const Size& dimensions, TextHAlignment hAlignment,
                TextVAlignment vAlignment, TextLayout& out);
    bool draw(const TextLayout& layout, TextImage& out);
    bool render(const std::string& utf8, float fontSize, const Size& dimensions, TextHAlignment hAlignment,
                TextVAlignment vAlignment, TextImage& out) {
        TextLayout lines;
        return layout(utf8, fontSize, dimensions, hAlignment, vAlignment, lines) && draw(lines, out);
    }

    const std::string& getPath() const { return _path; }
    ~FontFreeType();

private:
    FontFreeType() = default;
    int advanceOf(char32_t c) const;

    FT_FaceRec_* _face = nullptr;
    std::vector<unsigned char> _fileBytes;
    std::string _path;
};

NS_CC_END

#endif // __CCFONTFREETYPE_H__
