// The straight-alpha matte: over-type blends come back exact, additive light keeps its colour, and nothing fringes.
#include <gtest/gtest.h>

#include <vector>

#include "render/StraightAlphaMatte.h"

namespace {

// One pixel of straight colour `rgb` at `alpha` blended (source-over) onto a grey level.
std::vector<unsigned char> over(const int rgb[3], int alpha, int background) {
    std::vector<unsigned char> out(4, 255);
    for (int c = 0; c < 3; ++c)
        out[c] = static_cast<unsigned char>((rgb[c] * alpha + background * (255 - alpha) + 127) / 255);
    return out;
}

} // namespace

TEST(StraightAlphaMatte, OverBlendsComeBackAsTheColourAndCoverageDrawn) {
    const int colours[][3] = {{255, 128, 0}, {10, 200, 250}, {255, 255, 255}, {90, 90, 90}};
    for (const auto& rgb : colours)
        for (int alpha : {0, 1, 17, 64, 128, 200, 254, 255}) {
            const std::vector<unsigned char> m =
                StraightAlphaMatte::fromBlackAndWhite(over(rgb, alpha, 0), over(rgb, alpha, 255));
            ASSERT_EQ(m.size(), 4u);
            EXPECT_NEAR(m[3], alpha, 1) << alpha;
            if (alpha < 32) continue; // too little coverage for the colour to survive 8-bit rounding
            for (int c = 0; c < 3; ++c)
                EXPECT_NEAR(m[c], rgb[c], 255 / alpha + 1) << "alpha " << alpha << " channel " << c;
        }
}

TEST(StraightAlphaMatte, AdditiveLightKeepsItsColourOverBlack) {
    // Added light shows the same amount over black as the difference it makes to white is none.
    const std::vector<unsigned char> black = {200, 60, 0, 255}, white = {255, 255, 255, 255};
    const std::vector<unsigned char> m = StraightAlphaMatte::fromBlackAndWhite(black, white);
    EXPECT_EQ(m[3], 200);
    // Composited back over black it is what was drawn there.
    for (int c = 0; c < 3; ++c) EXPECT_NEAR(m[c] * m[3] / 255, black[c], 1) << c;
}

TEST(StraightAlphaMatte, UntouchedPixelsAreClearBlackAndShortInputsAreCut) {
    const std::vector<unsigned char> m =
        StraightAlphaMatte::fromBlackAndWhite({0, 0, 0, 255, 9, 9, 9, 255, 1}, {255, 255, 255, 255, 9, 9, 9, 255});
    ASSERT_EQ(m.size(), 8u);
    EXPECT_EQ(m, (std::vector<unsigned char>{0, 0, 0, 0, 9, 9, 9, 255}));
}
