// Allocation and copying of the per-particle attribute arrays.
#include "2d/CCParticleData.h"

#include <cstdlib>
#include <cstring>

NS_CC_BEGIN

namespace {
// Float arrays per particle: 17 common ones + 4 per emitter mode; the atlas
// index shares the block as one more 32-bit slot.
const size_t kFloatArrays = 17 + 4 + 4 + 1;
}  // namespace

bool ParticleData::init(int count) {
    release();
    if (count < 0)
        return false;
    size_t n = static_cast<size_t>(count);
    // One zero-filled block keeps the arrays adjacent and the failure path simple.
    size_t total = n * kFloatArrays;
    _block = static_cast<float*>(std::calloc(total > 0 ? total : 1, sizeof(float)));
    if (!_block)
        return false;
    float* p = _block;
    auto take = [&p, n]() {
        float* r = p;
        p += n;
        return r;
    };
    posx = take();
    posy = take();
    startPosX = take();
    startPosY = take();
    colorR = take();
    colorG = take();
    colorB = take();
    colorA = take();
    deltaColorR = take();
    deltaColorG = take();
    deltaColorB = take();
    deltaColorA = take();
    size = take();
    deltaSize = take();
    rotation = take();
    deltaRotation = take();
    timeToLive = take();
    modeA.dirX = take();
    modeA.dirY = take();
    modeA.radialAccel = take();
    modeA.tangentialAccel = take();
    modeB.angle = take();
    modeB.degreesPerSecond = take();
    modeB.radius = take();
    modeB.deltaRadius = take();
    atlasIndex = reinterpret_cast<unsigned int*>(take());
    maxCount = static_cast<unsigned int>(count);
    return true;
}

void ParticleData::release() {
    std::free(_block);
    _block = nullptr;
    posx = posy = startPosX = startPosY = nullptr;
    colorR = colorG = colorB = colorA = nullptr;
    deltaColorR = deltaColorG = deltaColorB = deltaColorA = nullptr;
    size = deltaSize = rotation = deltaRotation = timeToLive = nullptr;
    atlasIndex = nullptr;
    modeA.dirX = modeA.dirY = modeA.radialAccel = modeA.tangentialAccel = nullptr;
    modeB.angle = modeB.degreesPerSecond = modeB.radius = modeB.deltaRadius = nullptr;
    maxCount = 0;
}

void ParticleData::copyParticle(int p1, int p2) {
    posx[p1] = posx[p2];
    posy[p1] = posy[p2];
    startPosX[p1] = startPosX[p2];
    startPosY[p1] = startPosY[p2];
    colorR[p1] = colorR[p2];
    colorG[p1] = colorG[p2];
    colorB[p1] = colorB[p2];
    colorA[p1] = colorA[p2];
    deltaColorR[p1] = deltaColorR[p2];
    deltaColorG[p1] = deltaColorG[p2];
    deltaColorB[p1] = deltaColorB[p2];
    deltaColorA[p1] = deltaColorA[p2];
    size[p1] = size[p2];
    deltaSize[p1] = deltaSize[p2];
    rotation[p1] = rotation[p2];
    deltaRotation[p1] = deltaRotation[p2];
    timeToLive[p1] = timeToLive[p2];
    atlasIndex[p1] = atlasIndex[p2];
    modeA.dirX[p1] = modeA.dirX[p2];
    modeA.dirY[p1] = modeA.dirY[p2];
    modeA.radialAccel[p1] = modeA.radialAccel[p2];
    modeA.tangentialAccel[p1] = modeA.tangentialAccel[p2];
    modeB.angle[p1] = modeB.angle[p2];
    modeB.degreesPerSecond[p1] = modeB.degreesPerSecond[p2];
    modeB.radius[p1] = modeB.radius[p2];
    modeB.deltaRadius[p1] = modeB.deltaRadius[p2];
}

NS_CC_END
