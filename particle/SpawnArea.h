// The spawn area of a particle system as the editor draws it over a selected effect; never part of the effect.
#pragma once

#include "math/Vec2.h"

#include <vector>

namespace cocos2d {
class ParticleSystem;
}

// Whether selected effects show their spawn area ("显示发射区域"); on at start.
bool SpawnAreasShown();
void ShowSpawnAreas(bool shown);

// What the spawn area is, in the system's own space: in gravity mode the
// rectangle of the source position ± its variance; in radius mode the
// circles of the start and end radius ± their variances around the
// emitter's origin (no end circles when the end radius follows the start).
struct SpawnArea {
    bool rectangle = false;
    cocos2d::Vec2 from, to;   // the rectangle's corners
    std::vector<float> radii; // the circles, each greater than 0
};
SpawnArea SpawnAreaOf(const cocos2d::ParticleSystem& system);

// Draws it in the current model-view matrix and draw colour.
void DrawSpawnArea(const SpawnArea& area);
