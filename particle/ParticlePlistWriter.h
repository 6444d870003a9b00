// Writes a particle system's parameters as the key/value pairs of a particle plist dictionary.
#pragma once

#include <wx/string.h>

#include <string>

class wxXmlNode;

namespace cocos2d {
class ParticleSystem;
}

// What the file carries besides the engine's parameters.
struct ParticlePlistExtras {
    // Written under "textureFileName" as it is.
    wxString textureName;
    // The embedded texture of the file the system was loaded from, exactly as
    // read; written after "textureFileName" unless empty.
    std::string textureImageData;
    // -1 when the loaded file flipped the motion; written only then.
    int yCoordFlipped = 1;
};

class ParticlePlistWriter {
public:
    // Appends the pairs in the fixed order of the format (47 in gravity mode,
    // 44 in radius mode, plus the extras that are present) to `dict`.
    // Reads the system and changes nothing.
    static void write(cocos2d::ParticleSystem& system, const ParticlePlistExtras& extras, wxXmlNode* dict);
};
