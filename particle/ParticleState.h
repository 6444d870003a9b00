// A snapshot of everything a particle object's page can change: node values, parameters of the current mode, texture.
#pragma once

#include "editor/NodeState.h"
#include "particle/ParticleParameter.h"

#include "base/ccTypes.h"

#include <wx/string.h>

#include <string>
#include <utility>
#include <vector>

namespace cocos2d {
class Texture2D;
}

struct ParticleState : NodeState {
    ParticleState() = default;
    ParticleState(const ParticleState&) = delete;
    ParticleState& operator=(const ParticleState&) = delete;
    ~ParticleState() override;

    // Parameter rows with their engine values, in page order; the group of
    // the mode not in force is left out (its values stay in the engine).
    std::vector<std::pair<const ParticleParameter*, ParticleValue>> values;
    // Held, so that a texture nothing else uses any more is still there to go back to.
    cocos2d::Texture2D* texture = nullptr;
    wxString textureName;
    std::string embeddedTexture;
    cocos2d::BlendFunc blend;
    bool opacityModifyRGB = false;

    void setTexture(cocos2d::Texture2D* held);
    bool sameAs(const ObjectState& other) const override;
};

// Whether two values of a row are exactly the same (NaN equal to NaN).
bool SameParticleValue(const ParticleValue& a, const ParticleValue& b);
