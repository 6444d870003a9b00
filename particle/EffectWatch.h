// What the live counts know of each effect in the scene: its peak, whether the cap refused particles, how long it ran.
#pragma once

#include <map>

namespace cocos2d {
class Node;
class ParticleSystem;
}

// Fed once per engine frame, after the effects' own updates: a peak or a
// full emitter may last a single frame, too short for a sampled look.
class EffectWatch {
public:
    struct Watch {
        int peak = 0;
        bool capped = false; // full while it still emitted: new particles were refused
        float age = 0;       // engine time watched since the start or the last replay
        unsigned seen = 0;
    };

    // Every particle system under root, after a frame of dt engine seconds;
    // systems no longer there are forgotten (a new one may get the address).
    void watchFrame(cocos2d::Node* root, float dt);
    void restart(const cocos2d::ParticleSystem* system) { m_watches.erase(system); }
    void restartAll() { m_watches.clear(); }
    // What is known of system (all zero when nothing yet).
    Watch of(const cocos2d::ParticleSystem* system) const;

private:
    void watchTree(cocos2d::Node* node, float dt);

    unsigned m_frames = 0;
    std::map<const cocos2d::ParticleSystem*, Watch> m_watches;
};
