// Following each effect frame by frame for the live counts: peak, cap and the time watched.
#include "particle/EffectWatch.h"

#include "2d/CCParticleSystem.h"

USING_NS_CC;

void EffectWatch::watchFrame(Node* root, float dt) {
    ++m_frames;
    watchTree(root, dt);
    for (auto it = m_watches.begin(); it != m_watches.end();)
        it = it->second.seen == m_frames ? std::next(it) : m_watches.erase(it);
}

void EffectWatch::watchTree(Node* node, float dt) {
    if (!node) return;
    if (const auto* system = dynamic_cast<const ParticleSystem*>(node)) {
        Watch& watch = m_watches[system];
        watch.seen = m_frames;
        watch.age += dt;
        const int count = system->getParticleCount();
        const int total = system->getTotalParticles();
        if (count > watch.peak) watch.peak = count;
        if (system->isActive() && system->getEmissionRate() > 0 && total > 0 && count >= total) watch.capped = true;
    }
    for (Node* child : node->getChildren()) watchTree(child, dt);
}

EffectWatch::Watch EffectWatch::of(const ParticleSystem* system) const {
    const auto found = m_watches.find(system);
    return found == m_watches.end() ? Watch() : found->second;
}
