// Which picture the game draws for a particle plist: the texture file, the embedded picture, or none.
#pragma once

#include <string>
#include <vector>

#include "ParticleFinding.h"
#include "base/CCValue.h"

class ParticleTextureCheck {
public:
    // `plistPath` as the game would be given it: the texture is looked for
    // beside it and on the engine's search paths.
    ParticleTextureCheck(const cocos2d::ValueMap& dict, const std::string& plistPath);

    // Adds the texture findings to `out`.
    void run(std::vector<ParticleFinding>* out);

    // The picture the game draws, once run() has looked: whether there is
    // one, whether its alpha is premultiplied and whether it has alpha at all.
    bool hasPicture() const { return m_hasPicture; }
    bool premultiplied() const { return m_premultiplied; }
    bool hasAlpha() const { return m_hasAlpha; }

    // The texture name after the game's rule for the plist's directory.
    static std::string gameTextureName(const std::string& textureFileName, const std::string& plistPath);

private:
    struct Picture {
        int width = 0;
        int height = 0;
        bool premultiplied = false;
        bool alpha = false;
        std::vector<unsigned char> straightRgba; // alpha undone, colour zeroed where alpha is 0
    };
    // Decodes like the game; on failure `why` says what stopped it.
    static bool loadFile(const std::string& fullPath, Picture* picture);
    bool loadEmbedded(Picture* picture, std::string* why) const;
    static bool samePicture(const Picture& a, const Picture& b);
    void use(const Picture& p);

    const cocos2d::ValueMap& m_dict;
    std::string m_plistPath;
    bool m_hasPicture = false;
    bool m_premultiplied = false;
    bool m_hasAlpha = false;
};
