// particle-info FILE: load a particle plist as the editor opens it and print it as JSON.
#include <cstdio>
#include <string>

#include "2d/CCParticleSystemQuad.h"
#include "ParticleReport.h"
#include "base/CCValue.h"
#include "platform/CCFileUtils.h"

using namespace cocos2d;

int main(int argc, char** argv) {
    if (argc != 2 || argv[1][0] == '\0') {
        std::fprintf(stderr, "usage: particle-info FILE.plist\n");
        return 2;
    }
    const std::string path = argv[1];
    ParticleSystemQuad* system = ParticleSystemQuad::create(path);
    if (!system) {
        std::string why = ParticleSystem::getLastInitError();
        std::fprintf(stderr, "particle-info: %s: %s\n", path.c_str(), why.empty() ? "cannot load" : why.c_str());
        return 1;
    }
    // The system keeps the resolved texture only; report the file's own text.
    FileUtils* files = FileUtils::getInstance();
    ValueMap dict = files->getValueMapFromFile(files->fullPathForFilename(path));
    auto it = dict.find("textureFileName");
    std::string textureFileName = it == dict.end() ? std::string() : it->second.asString();
    std::string json = ParticleReport::toJson(*system, textureFileName);
    std::fwrite(json.data(), 1, json.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
