// Checks a particle plist for every way the game will show something other than the file seems to say.
#pragma once

#include <string>
#include <vector>

#include "ParticleFinding.h"
#include "base/CCValue.h"

// Use (the command line and the editor alike):
//   ParticleChecker checker;
//   std::vector<ParticleFinding> findings = checker.checkFile(path);
//   for (const ParticleFinding& f : findings) ... f.message ...  // the command line's English
//   // the editor: its catalog's sentence for the code, filled with the arguments
//   ParticleCheckTexts::fill(translated(ParticleCheckTexts::templateZh(f.code)), f.args)
//   ParticleCheckTexts::summary(findings)  // the status line's sentence and numbers
// Textures are looked for beside `path` as given and on the engine's search
// paths (FileUtils), exactly as the game's loader looks for them.
class ParticleChecker {
public:
    // Findings in a fixed order: errors that stop loading first, then the rest
    // in the order the loader reads the keys. Empty for a clean file.
    std::vector<ParticleFinding> checkFile(const std::string& path) const;
    // The same for a dictionary already read from `path`.
    std::vector<ParticleFinding> checkDictionary(const cocos2d::ValueMap& dict, const std::string& path) const;

    // True when any finding is an error (the file will not load or will fail in the game).
    static bool hasError(const std::vector<ParticleFinding>& findings);

private:
    void checkValues(const cocos2d::ValueMap& dict, std::vector<ParticleFinding>* out) const;
    // False when the particle count stops the file from loading.
    bool checkCounts(const cocos2d::ValueMap& dict, std::vector<ParticleFinding>* out) const;
    void checkMotion(const cocos2d::ValueMap& dict, std::vector<ParticleFinding>* out) const;
    void checkLook(const cocos2d::ValueMap& dict, const std::string& path, std::vector<ParticleFinding>* out) const;
};
