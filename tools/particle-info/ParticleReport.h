// Turns a loaded particle system into the particle-info JSON object.
#ifndef PARTICLE_INFO_PARTICLE_REPORT_H
#define PARTICLE_INFO_PARTICLE_REPORT_H

#include <string>

namespace cocos2d {
class ParticleSystem;
}

class ParticleReport {
public:
    // `textureFileName` is the file's own text for that key (the system only
    // keeps the resolved texture).
    static std::string toJson(cocos2d::ParticleSystem& system, const std::string& textureFileName);
};

#endif  // PARTICLE_INFO_PARTICLE_REPORT_H
