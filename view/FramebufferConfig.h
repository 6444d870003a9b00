// A plain description of a framebuffer configuration and the rule that picks the closest one.
#pragma once

#include <vector>

namespace GLLayer {

struct FramebufferConfig {
    int redBits = 0, greenBits = 0, blueBits = 0, alphaBits = 0;
    int depthBits = 0, stencilBits = 0;
    int accumRedBits = 0, accumGreenBits = 0, accumBlueBits = 0, accumAlphaBits = 0;
    int auxBuffers = 0;
    bool stereo = false;
    int samples = 0;
    bool sRGB = false;
};

// Index of the configuration in `available` closest to `wanted`, or -1 when
// none qualifies. Fewest missing buffers first (alpha, depth or stencil
// wanted but absent, fewer auxiliary buffers, no samples when samples are
// wanted), then the smallest squared colour difference, then the smallest
// squared difference of the other channels; a full tie keeps the earlier
// configuration. Configurations without stereo are skipped when stereo is
// wanted.
int ChooseFramebufferConfig(const FramebufferConfig& wanted,
                            const std::vector<FramebufferConfig>& available);

}  // namespace GLLayer
