// Structure-of-arrays storage of the live particles of one particle system.
#ifndef __CCPARTICLE_DATA_H__
#define __CCPARTICLE_DATA_H__

#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

class CC_DLL ParticleData {
public:
    float* posx = nullptr;
    float* posy = nullptr;
    float* startPosX = nullptr;
    float* startPosY = nullptr;

    float* colorR = nullptr;
    float* colorG = nullptr;
    float* colorB = nullptr;
    float* colorA = nullptr;

    float* deltaColorR = nullptr;
    float* deltaColorG = nullptr;
    float* deltaColorB = nullptr;
    float* deltaColorA = nullptr;

    float* size = nullptr;
    float* deltaSize = nullptr;
    float* rotation = nullptr;
    float* deltaRotation = nullptr;
    float* timeToLive = nullptr;
    unsigned int* atlasIndex = nullptr;

    struct {
        float* dirX = nullptr;
        float* dirY = nullptr;
        float* radialAccel = nullptr;
        float* tangentialAccel = nullptr;
    } modeA;

    struct {
        float* angle = nullptr;
        float* degreesPerSecond = nullptr;
        float* radius = nullptr;
        float* deltaRadius = nullptr;
    } modeB;

    unsigned int maxCount = 0;

    ParticleData() = default;
    ~ParticleData() { release(); }
    ParticleData(const ParticleData&) = delete;
    ParticleData& operator=(const ParticleData&) = delete;

    // Allocates zero-filled arrays for `count` particles; false (and nothing
    // allocated) when count is negative or the memory is not available.
    bool init(int count);
    void release();
    unsigned int getMaxCount() const { return maxCount; }

    // Copies every attribute of particle p2 into slot p1.
    void copyParticle(int p1, int p2);

private:
    float* _block = nullptr;
};

NS_CC_END

#endif  // __CCPARTICLE_DATA_H__
