// The per-frame particle sweep: motion, interpolation and quad vertices in one pass over the arrays.
#ifndef __CCPARTICLE_SYSTEM_STEP_H__
#define __CCPARTICLE_SYSTEM_STEP_H__

#include "2d/CCParticleData.h"
#include "base/ccTypes.h"

NS_CC_BEGIN

// Everything the sweep needs from the system, fixed for one frame.
struct ParticleStepFrame {
    enum class Offset { NONE, FREE, RELATIVE };

    float dt = 0.0f;
    // False: leave the particles as they are and only rebuild the quads.
    bool advance = true;
    bool radiusMode = false;
    float gravityX = 0.0f;
    float gravityY = 0.0f;
    // "yCoordFlipped" as read: scales the motion.
    float flip = 1.0f;

    // Where the quads are drawn relative to the particle positions.
    Offset offset = Offset::NONE;
    // FREE: the world-to-node transform (column-major 4 x 4, the entries a
    // point with z = 0 uses) applied to each particle's spawn origin.
    float m0 = 1.0f, m1 = 0.0f, m4 = 0.0f, m5 = 1.0f, m8 = 0.0f, m9 = 0.0f, m12 = 0.0f, m13 = 0.0f;
    // FREE: the node's origin in node space; RELATIVE: the node position.
    float currentX = 0.0f;
    float currentY = 0.0f;

    bool opacityModifyRGB = false;
};

// Advances particles [0, count) by frame.dt (when frame.advance) and, when
// `quads` is not null, writes their vertex positions and colours.
void stepParticles(ParticleData& data, int count, const ParticleStepFrame& frame, V3F_C4B_T2F_Quad* quads);

NS_CC_END

#endif // __CCPARTICLE_SYSTEM_STEP_H__
