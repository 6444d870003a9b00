// Scoring framebuffer configurations against the wanted one.
#include "view/FramebufferConfig.h"

#include <climits>
#include <cstddef>

namespace GLLayer {

namespace {

long long Squared(int wanted, int actual) {
    long long d = static_cast<long long>(wanted) - actual;
    return d * d;
}

// The squared difference counts only for channels that are asked for.
long long WantedDifference(int wanted, int actual) {
    return wanted > 0 ? Squared(wanted, actual) : 0;
}

}  // namespace

int ChooseFramebufferConfig(const FramebufferConfig& wanted,
                            const std::vector<FramebufferConfig>& available) {
    int best = -1;
    long long bestMissing = LLONG_MAX, bestColour = LLONG_MAX, bestOther = LLONG_MAX;

    for (std::size_t i = 0; i < available.size(); ++i) {
        const FramebufferConfig& c = available[i];
        if (wanted.stereo && !c.stereo) continue;

        long long missing = 0;
        if (wanted.alphaBits > 0 && c.alphaBits == 0) ++missing;
        if (wanted.depthBits > 0 && c.depthBits == 0) ++missing;
        if (wanted.stencilBits > 0 && c.stencilBits == 0) ++missing;
        if (wanted.auxBuffers > 0 && c.auxBuffers < wanted.auxBuffers)
            missing += wanted.auxBuffers - c.auxBuffers;
        if (wanted.samples > 0 && c.samples == 0) ++missing;

        long long colour = WantedDifference(wanted.redBits, c.redBits) +
                           WantedDifference(wanted.greenBits, c.greenBits) +
                           WantedDifference(wanted.blueBits, c.blueBits);

        long long other = WantedDifference(wanted.alphaBits, c.alphaBits) +
                          WantedDifference(wanted.depthBits, c.depthBits) +
                          WantedDifference(wanted.stencilBits, c.stencilBits) +
                          WantedDifference(wanted.accumRedBits, c.accumRedBits) +
                          WantedDifference(wanted.accumGreenBits, c.accumGreenBits) +
                          WantedDifference(wanted.accumBlueBits, c.accumBlueBits) +
                          WantedDifference(wanted.accumAlphaBits, c.accumAlphaBits) +
                          WantedDifference(wanted.samples, c.samples);
        if (wanted.sRGB && !c.sRGB) ++other;

        // Strictly better only: on a full tie the earlier configuration stays.
        bool better = missing < bestMissing ||
                      (missing == bestMissing &&
                       (colour < bestColour || (colour == bestColour && other < bestOther)));
        if (better) {
            best = static_cast<int>(i);
            bestMissing = missing;
            bestColour = colour;
            bestOther = other;
        }
    }
    return best;
}

}  // namespace GLLayer
