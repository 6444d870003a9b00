// Turns one frame drawn over black and over white into straight-alpha pixels that composite over any background.
#pragma once

#include <vector>

class StraightAlphaMatte {
public:
    // `overBlack` and `overWhite` are RGBA frames of the same size and the
    // same simulation state; their alpha bytes are ignored. Over-type
    // blending (alpha, premultiplied) comes out exact up to rounding, so the
    // edges carry no dark or light fringe; additive light, which straight
    // alpha cannot hold, keeps its colour over black and becomes as opaque as
    // its brightest channel.
    static std::vector<unsigned char> fromBlackAndWhite(const std::vector<unsigned char>& overBlack,
                                                        const std::vector<unsigned char>& overWhite);
};
