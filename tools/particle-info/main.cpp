// particle-info FILE: load a particle plist as the editor opens it and print it as JSON.
#include <fcntl.h>
#include <unistd.h>

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
    // The engine logs to standard output; keep that stream for the JSON alone
    // and send the engine's lines nowhere while the file loads.
    std::fflush(stdout);
    const int jsonFd = dup(STDOUT_FILENO);
    const int devNull = open("/dev/null", O_WRONLY);
    if (jsonFd < 0 || devNull < 0 || dup2(devNull, STDOUT_FILENO) < 0) {
        std::fprintf(stderr, "particle-info: cannot set up the output\n");
        return 1;
    }
    close(devNull);
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
    std::fflush(stdout);
    size_t done = 0;
    while (done < json.size()) {
        ssize_t n = write(jsonFd, json.data() + done, json.size() - done);
        if (n <= 0)
            return 1;
        done += static_cast<size_t>(n);
    }
    return 0;
}
