// Difference matting: what the background shows through is the coverage, what is drawn over black is the colour.
#include "StraightAlphaMatte.h"

#include <algorithm>

std::vector<unsigned char> StraightAlphaMatte::fromBlackAndWhite(const std::vector<unsigned char>& overBlack,
                                                                 const std::vector<unsigned char>& overWhite) {
    std::vector<unsigned char> out(std::min(overBlack.size(), overWhite.size()) / 4 * 4);
    for (size_t i = 0; i < out.size(); i += 4) {
        // Over black a pixel holds the premultiplied colour K; over white it
        // holds K plus the part of the background that shows: 255 - alpha.
        int showing = 255, brightest = 0;
        for (int c = 0; c < 3; ++c) {
            showing = std::min(showing, std::max(0, overWhite[i + c] - overBlack[i + c]));
            brightest = std::max(brightest, static_cast<int>(overBlack[i + c]));
        }
        const int alpha = std::min(255, std::max(255 - showing, brightest));
        for (int c = 0; c < 3; ++c)
            out[i + c] = alpha == 0
                             ? 0
                             : static_cast<unsigned char>(std::min(255, (overBlack[i + c] * 255 + alpha / 2) / alpha));
        out[i + 3] = static_cast<unsigned char>(alpha);
    }
    return out;
}
