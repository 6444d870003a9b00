// The spawn area's shape from the emitter's parameters and its drawing as thin lines.
#include "particle/SpawnArea.h"

#include "2d/CCDrawingPrimitives.h"
#include "2d/CCParticleSystem.h"

#include <cmath>

USING_NS_CC;

namespace {
bool shownAreas = true;
constexpr unsigned kCircleSegments = 72;

void AddRadius(std::vector<float>& radii, float radius) {
    radius = std::fabs(radius);
    if (radius > 0 && std::isfinite(radius)) radii.push_back(radius);
}
} // namespace

bool SpawnAreasShown() {
    return shownAreas;
}

void ShowSpawnAreas(bool shown) {
    shownAreas = shown;
}

SpawnArea SpawnAreaOf(const ParticleSystem& system) {
    SpawnArea area;
    if (system.getEmitterMode() == ParticleSystem::Mode::GRAVITY) {
        area.rectangle = true;
        const Vec2 source = system.getSourcePosition();
        const Vec2 var(std::fabs(system.getPosVar().x), std::fabs(system.getPosVar().y));
        area.from = source - var;
        area.to = source + var;
        return area;
    }
    // A radius particle circles the emitter's origin; the source position
    // does not move it.
    const float start = system.getStartRadius(), startVar = system.getStartRadiusVar();
    AddRadius(area.radii, start - startVar);
    AddRadius(area.radii, start + startVar);
    if (system.getEndRadius() != ParticleSystem::START_RADIUS_EQUAL_TO_END_RADIUS) {
        const float end = system.getEndRadius(), endVar = system.getEndRadiusVar();
        AddRadius(area.radii, end - endVar);
        AddRadius(area.radii, end + endVar);
    }
    return area;
}

void DrawSpawnArea(const SpawnArea& area) {
    if (area.rectangle) {
        DrawPrimitives::drawRect(area.from, area.to);
        return;
    }
    for (float radius : area.radii) DrawPrimitives::drawCircle(Vec2::ZERO, radius, 0, kCircleSegments, false);
}
