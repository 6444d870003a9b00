// The per-frame particle sweep, written so that the compiler turns each short loop over a chunk into SIMD code.
#include "2d/CCParticleSystemStep.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

NS_CC_BEGIN

#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && defined(__linux__) &&                           \
    !defined(__SANITIZE_THREAD__) && !defined(__SANITIZE_ADDRESS__)
// One binary for every x86-64 processor: the loader picks the widest variant
// that the processor runs (the float results are the same in each, since
// contraction into fused multiply-adds is off for this file). Sanitizer
// builds have one variant: the loader runs the picker before the sanitizer's
// run-time is set up, and its instrumented code crashes there.
#define FW_VECTOR_CLONES __attribute__((target_clones("default", "avx2", "avx512f")))
#else
#define FW_VECTOR_CLONES
#endif

#define FW_ALWAYS_INLINE inline __attribute__((always_inline))

// The particle arrays never overlap: no run-time alias checks before the SIMD loops.
#if defined(__clang__)
#define FW_NO_ALIAS _Pragma("clang loop vectorize(assume_safety)")
#elif defined(__GNUC__)
#define FW_NO_ALIAS _Pragma("GCC ivdep")
#else
#define FW_NO_ALIAS
#endif

namespace {

// Particles per chunk: the chunk's scratch arrays stay in the first-level cache.
constexpr int kChunk = 128;

// Beyond this magnitude the three-part reduction below loses accuracy; such
// angles (and NaN, infinities) are left to the C library.
constexpr float kReducedLimit = 8192.0f;

// Sine and cosine of one angle together, without branches so that a loop of
// them vectorises: reduction by multiples of pi/2 in three parts, then the
// classic single-precision minimax polynomials on [-pi/4, pi/4]. Within two
// units in the last place of the C library's results for |x| <= kReducedLimit.
FW_ALWAYS_INLINE void sinCos(float x, float* s, float* c) {
    const float xr = std::fabs(x) <= kReducedLimit ? x : 0.0f;
    const float y = xr * 0.636619772f;
    const int j = static_cast<int>(y + (y >= 0.0f ? 0.5f : -0.5f));
    const float jf = static_cast<float>(j);
    const float r = ((xr - jf * 1.5703125f) - jf * 4.837512969970703125e-4f) - jf * 7.54978995489188216e-8f;
    const float r2 = r * r;
    const float ps = r + r * r2 * (-1.6666654611e-1f + r2 * (8.3321608736e-3f + r2 * -1.9515295891e-4f));
    const float pc = 1.0f - 0.5f * r2 +
                     r2 * r2 * (4.166664568298827e-2f + r2 * (-1.388731625493765e-3f + r2 * 2.443315711809948e-5f));
    const int q = j & 3;
    const float sv = (q & 1) ? pc : ps;
    const float cv = (q & 1) ? ps : pc;
    *s = (q & 2) ? -sv : sv;
    *c = ((q + 1) & 2) ? -cv : cv;
}

FW_ALWAYS_INLINE void sinCosArray(const float* __restrict__ x, float* __restrict__ s, float* __restrict__ c, int n) {
    int outside = 0;
    FW_NO_ALIAS
    for (int k = 0; k < n; ++k) {
        sinCos(x[k], &s[k], &c[k]);
        outside |= !(std::fabs(x[k]) <= kReducedLimit);
    }
    if (outside) {
        for (int k = 0; k < n; ++k) {
            if (!(std::fabs(x[k]) <= kReducedLimit)) {
                s[k] = std::sin(x[k]);
                c[k] = std::cos(x[k]);
            }
        }
    }
}

// Colour float to byte: clamped (the engine converted out-of-range values and
// NaN unchecked), then truncated like the engine's cast.
FW_ALWAYS_INLINE uint32_t toByte(float v) {
    float scaled = v * 255.0f;
    scaled = scaled > 0.0f ? scaled : 0.0f;
    scaled = scaled < 255.0f ? scaled : 255.0f;
    return static_cast<uint32_t>(static_cast<int32_t>(scaled));
}

// The four bytes of a Color4B (r, g, b, a in memory order) as one word.
FW_ALWAYS_INLINE uint32_t packColour(uint32_t r, uint32_t g, uint32_t b, uint32_t a) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    return (r << 24) | (g << 16) | (b << 8) | a;
#else
    return r | (g << 8) | (b << 16) | (a << 24);
#endif
}

// Vertex colours of n particles; premultiplied ones carry r, g and b times a.
template <bool premultiplied>
FW_ALWAYS_INLINE void packColours(const float* r, const float* g, const float* b, const float* a, uint32_t* colour,
                                  int n) {
    FW_NO_ALIAS
    for (int k = 0; k < n; ++k) {
        const float m = premultiplied ? a[k] : 1.0f;
        colour[k] = packColour(toByte(r[k] * m), toByte(g[k] * m), toByte(b[k] * m), toByte(a[k]));
    }
}

// Position and colour of one vertex in one 16-byte store; the texture
// coordinates behind them are left as they are.
FW_ALWAYS_INLINE void writeVertex(V3F_C4B_T2F* v, float x, float y, uint32_t colour) {
    float head[4];
    head[0] = x;
    head[1] = y;
    head[2] = 0.0f;
    std::memcpy(&head[3], &colour, sizeof colour);
    static_assert(sizeof(Vec3) + sizeof(Color4B) == sizeof head, "vertex position and colour are 16 bytes");
    std::memcpy(static_cast<void*>(v), head, sizeof head);
}

#if defined(__clang__) || (defined(__GNUC__) && __GNUC__ >= 12)
using Float4 = float __attribute__((vector_size(16)));

// Four consecutive values of a scratch array as one vector.
FW_ALWAYS_INLINE Float4 load4(const void* p) {
    Float4 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// One corner of four quads: a 4 x 4 transpose of (x, y, 0, colour) rows into
// one 16-byte vertex head per quad.
FW_ALWAYS_INLINE void writeCorner4(Float4 x, Float4 y, Float4 colour, V3F_C4B_T2F* v0, V3F_C4B_T2F* v1, V3F_C4B_T2F* v2,
                                   V3F_C4B_T2F* v3) {
    const Float4 zero = {0.0f, 0.0f, 0.0f, 0.0f};
    const Float4 xy01 = __builtin_shufflevector(x, y, 0, 4, 1, 5);
    const Float4 xy23 = __builtin_shufflevector(x, y, 2, 6, 3, 7);
    const Float4 zc01 = __builtin_shufflevector(zero, colour, 0, 4, 1, 5);
    const Float4 zc23 = __builtin_shufflevector(zero, colour, 2, 6, 3, 7);
    const Float4 h0 = __builtin_shufflevector(xy01, zc01, 0, 1, 4, 5);
    const Float4 h1 = __builtin_shufflevector(xy01, zc01, 2, 3, 6, 7);
    const Float4 h2 = __builtin_shufflevector(xy23, zc23, 0, 1, 4, 5);
    const Float4 h3 = __builtin_shufflevector(xy23, zc23, 2, 3, 6, 7);
    std::memcpy(static_cast<void*>(v0), &h0, sizeof h0);
    std::memcpy(static_cast<void*>(v1), &h1, sizeof h1);
    std::memcpy(static_cast<void*>(v2), &h2, sizeof h2);
    std::memcpy(static_cast<void*>(v3), &h3, sizeof h3);
}
#define FW_HAVE_SHUFFLE 1
#endif

// Writes the scratch corners and colours of n particles into their quads.
FW_ALWAYS_INLINE void writeQuads(const float (*corner)[kChunk], const uint32_t* colour, V3F_C4B_T2F_Quad* out, int n) {
    int k = 0;
#ifdef FW_HAVE_SHUFFLE
    for (; k + 4 <= n; k += 4) {
        const Float4 c = load4(&colour[k]);
        V3F_C4B_T2F_Quad* q = out + k;
        writeCorner4(load4(&corner[0][k]), load4(&corner[1][k]), c, &q[0].bl, &q[1].bl, &q[2].bl, &q[3].bl);
        writeCorner4(load4(&corner[2][k]), load4(&corner[3][k]), c, &q[0].br, &q[1].br, &q[2].br, &q[3].br);
        writeCorner4(load4(&corner[4][k]), load4(&corner[5][k]), c, &q[0].tr, &q[1].tr, &q[2].tr, &q[3].tr);
        writeCorner4(load4(&corner[6][k]), load4(&corner[7][k]), c, &q[0].tl, &q[1].tl, &q[2].tl, &q[3].tl);
    }
#endif
    for (; k < n; ++k) {
        V3F_C4B_T2F_Quad& q = out[k];
        writeVertex(&q.bl, corner[0][k], corner[1][k], colour[k]);
        writeVertex(&q.br, corner[2][k], corner[3][k], colour[k]);
        writeVertex(&q.tr, corner[4][k], corner[5][k], colour[k]);
        writeVertex(&q.tl, corner[6][k], corner[7][k], colour[k]);
    }
}

FW_ALWAYS_INLINE void advanceGravity(ParticleData& d, int i0, int n, const ParticleStepFrame& f) {
    float* px = d.posx + i0;
    float* py = d.posy + i0;
    float* dirX = d.modeA.dirX + i0;
    float* dirY = d.modeA.dirY + i0;
    const float* radial = d.modeA.radialAccel + i0;
    const float* tangential = d.modeA.tangentialAccel + i0;
    const float dt = f.dt, flip = f.flip, gx = f.gravityX, gy = f.gravityY;

    int accelerated = 0;
    FW_NO_ALIAS
    for (int k = 0; k < n; ++k) accelerated |= (radial[k] != 0.0f) | (tangential[k] != 0.0f);

    if (accelerated) {
        FW_NO_ALIAS
        for (int k = 0; k < n; ++k) {
            const float x = px[k], y = py[k];
            // The game's normalisation: a squared length of exactly 1 leaves
            // the unit vector at zero, so such a particle gets no radial or
            // tangential acceleration that frame.
            const float n2 = x * x + y * y;
            const float len = std::sqrt(n2);
            const bool unit = (n2 != 1.0f) & !(len < 2e-37f);
            const float inv = 1.0f / len;
            const float ux = unit ? x * inv : 0.0f;
            const float uy = unit ? y * inv : 0.0f;
            const float rx = ux * radial[k];
            const float ry = uy * radial[k];
            const float tx = -uy * tangential[k];
            const float ty = ux * tangential[k];
            dirX[k] += (rx + tx + gx) * dt;
            dirY[k] += (ry + ty + gy) * dt;
            px[k] += dirX[k] * dt * flip;
            py[k] += dirY[k] * dt * flip;
        }
    } else {
        FW_NO_ALIAS
        for (int k = 0; k < n; ++k) {
            dirX[k] += gx * dt;
            dirY[k] += gy * dt;
            px[k] += dirX[k] * dt * flip;
            py[k] += dirY[k] * dt * flip;
        }
    }
}

FW_ALWAYS_INLINE void advanceRadius(ParticleData& d, int i0, int n, const ParticleStepFrame& f) {
    float* px = d.posx + i0;
    float* py = d.posy + i0;
    float* angle = d.modeB.angle + i0;
    float* radius = d.modeB.radius + i0;
    const float* perSecond = d.modeB.degreesPerSecond + i0;
    const float* deltaRadius = d.modeB.deltaRadius + i0;
    const float dt = f.dt, flip = f.flip;
    alignas(64) float sines[kChunk];
    alignas(64) float cosines[kChunk];
    FW_NO_ALIAS
    for (int k = 0; k < n; ++k) {
        angle[k] += perSecond[k] * dt;
        radius[k] += deltaRadius[k] * dt;
    }
    sinCosArray(angle, sines, cosines, n);
    FW_NO_ALIAS
    for (int k = 0; k < n; ++k) {
        px[k] = -cosines[k] * radius[k];
        py[k] = -sines[k] * radius[k] * flip;
    }
}

FW_ALWAYS_INLINE void advanceAppearance(ParticleData& d, int i0, int n, float dt) {
    float* r = d.colorR + i0;
    float* g = d.colorG + i0;
    float* b = d.colorB + i0;
    float* a = d.colorA + i0;
    const float* dr = d.deltaColorR + i0;
    const float* dg = d.deltaColorG + i0;
    const float* db = d.deltaColorB + i0;
    const float* da = d.deltaColorA + i0;
    float* size = d.size + i0;
    const float* deltaSize = d.deltaSize + i0;
    float* rotation = d.rotation + i0;
    const float* deltaRotation = d.deltaRotation + i0;
    FW_NO_ALIAS
    for (int k = 0; k < n; ++k) {
        r[k] += dr[k] * dt;
        g[k] += dg[k] * dt;
        b[k] += db[k] * dt;
        a[k] += da[k] * dt;
        const float s = size[k] + deltaSize[k] * dt;
        size[k] = 0.0f < s ? s : 0.0f;
        rotation[k] += deltaRotation[k] * dt;
    }
}

// One variant per kind of offset, so that the loop holds no branch.
template <ParticleStepFrame::Offset offset>
FW_ALWAYS_INLINE void buildQuads(const ParticleData& d, int i0, int n, const ParticleStepFrame& f,
                                 V3F_C4B_T2F_Quad* quads) {
    const float* px = d.posx + i0;
    const float* py = d.posy + i0;
    const float* startX = d.startPosX + i0;
    const float* startY = d.startPosY + i0;
    const float* size = d.size + i0;
    const float* rotation = d.rotation + i0;
    const float* cr = d.colorR + i0;
    const float* cg = d.colorG + i0;
    const float* cb = d.colorB + i0;
    const float* ca = d.colorA + i0;

    alignas(64) float turn[kChunk];
    alignas(64) float sines[kChunk];
    alignas(64) float cosines[kChunk];
    alignas(64) float corner[8][kChunk];
    alignas(64) uint32_t colour[kChunk];

    // Most effects never spin their particles: then sine 0 and cosine 1 give
    // exactly the corners of an unturned square.
    int turning = 0;
    FW_NO_ALIAS
    for (int k = 0; k < n; ++k) turning |= rotation[k] != 0.0f;
    if (turning) {
        // Positive rotation turns the quad clockwise.
        FW_NO_ALIAS
        for (int k = 0; k < n; ++k) turn[k] = -(rotation[k] * 0.01745329252f);
        sinCosArray(turn, sines, cosines, n);
    } else {
        FW_NO_ALIAS
        for (int k = 0; k < n; ++k) {
            sines[k] = 0.0f;
            cosines[k] = 1.0f;
        }
    }

    const bool premultiply = f.opacityModifyRGB;
    const float m0 = f.m0, m1 = f.m1, m4 = f.m4, m5 = f.m5, m12 = f.m12, m13 = f.m13;
    // The z term of the transform of a point on the z = 0 plane, kept so that
    // the sums round as a full 4 x 4 transform does.
    const float zx = 0.0f * f.m8, zy = 0.0f * f.m9;
    const float cx = f.currentX, cy = f.currentY;

    FW_NO_ALIAS
    for (int k = 0; k < n; ++k) {
        float x = px[k];
        float y = py[k];
        if constexpr (offset == ParticleStepFrame::Offset::FREE) {
            const float sx = startX[k] * m0 + startY[k] * m4 + zx + m12;
            const float sy = startX[k] * m1 + startY[k] * m5 + zy + m13;
            x += sx - cx;
            y += sy - cy;
        } else if constexpr (offset == ParticleStepFrame::Offset::RELATIVE) {
            x -= cx - startX[k];
            y -= cy - startY[k];
        }
        const float h = size[k] * 0.5f;
        const float c = cosines[k], s = sines[k];
        const float x1 = -h, y1 = -h, x2 = h, y2 = h;
        corner[0][k] = x1 * c - y1 * s + x; // bottom left
        corner[1][k] = x1 * s + y1 * c + y;
        corner[2][k] = x2 * c - y1 * s + x; // bottom right
        corner[3][k] = x2 * s + y1 * c + y;
        corner[4][k] = x2 * c - y2 * s + x; // top right
        corner[5][k] = x2 * s + y2 * c + y;
        corner[6][k] = x1 * c - y2 * s + x; // top left
        corner[7][k] = x1 * s + y2 * c + y;
    }

    if (premultiply)
        packColours<true>(cr, cg, cb, ca, colour, n);
    else
        packColours<false>(cr, cg, cb, ca, colour, n);

    writeQuads(corner, colour, quads + i0, n);
}

} // namespace

FW_VECTOR_CLONES
void stepParticles(ParticleData& data, int count, const ParticleStepFrame& frame, V3F_C4B_T2F_Quad* quads) {
    for (int i0 = 0; i0 < count; i0 += kChunk) {
        const int n = std::min(kChunk, count - i0);
        if (frame.advance) {
            if (frame.radiusMode)
                advanceRadius(data, i0, n, frame);
            else
                advanceGravity(data, i0, n, frame);
            advanceAppearance(data, i0, n, frame.dt);
        }
        if (!quads) continue;
        switch (frame.offset) {
        case ParticleStepFrame::Offset::FREE:
            buildQuads<ParticleStepFrame::Offset::FREE>(data, i0, n, frame, quads);
            break;
        case ParticleStepFrame::Offset::RELATIVE:
            buildQuads<ParticleStepFrame::Offset::RELATIVE>(data, i0, n, frame, quads);
            break;
        case ParticleStepFrame::Offset::NONE:
            buildQuads<ParticleStepFrame::Offset::NONE>(data, i0, n, frame, quads);
            break;
        }
    }
}

NS_CC_END
