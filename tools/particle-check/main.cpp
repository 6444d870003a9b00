// particle-check FILE...: say how the game will show each particle plist differently from what it seems to say.
#include <fcntl.h>
#include <json/json.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ParticleCheckTexts.h"
#include "ParticleChecker.h"
#include "platform/CCFileUtils.h"

using namespace cocos2d;

namespace {

const int kExitClean = 0, kExitWarnings = 1, kExitErrors = 2, kExitUsage = 3;

const char* const kUsage = "usage: particle-check [--search-path DIR]... [--json] FILE...\n"
                           "Lists every way in which a game running cocos2d-x 3.17 shows each particle plist\n"
                           "differently from what the file seems to say, or fails with it.\n"
                           "  --search-path DIR  also look for textures in DIR (repeatable)\n"
                           "  --json             print one JSON object per file: file, status, findings\n"
                           "Exit status: 0 nothing found, 1 warnings only, 2 a file will not load or fails\n"
                           "in the game, 3 wrong usage.\n";

struct Options {
    std::vector<std::string> files;
    std::vector<std::string> searchPaths;
    bool json = false;
};

// False on wrong usage, with the reason in `why`.
bool parseArguments(int argc, char** argv, Options* o, std::string* why) {
    bool onlyFiles = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (onlyFiles || a.empty() || a[0] != '-' || a == "-") {
            o->files.push_back(a);
        } else if (a == "--") {
            onlyFiles = true;
        } else if (a == "--json") {
            o->json = true;
        } else if (a == "--search-path") {
            if (i + 1 >= argc || argv[i + 1][0] == '\0') {
                *why = "--search-path needs a directory";
                return false;
            }
            o->searchPaths.push_back(argv[++i]);
        } else if (a.compare(0, 14, "--search-path=") == 0 && a.size() > 14) {
            o->searchPaths.push_back(a.substr(14));
        } else {
            *why = "unknown option " + a;
            return false;
        }
    }
    if (o->files.empty()) {
        *why = "no file given";
        return false;
    }
    for (const std::string& f : o->files) {
        if (f.empty()) {
            *why = "an empty file name";
            return false;
        }
    }
    return true;
}

const char* statusOf(const std::vector<ParticleFinding>& findings) {
    if (findings.empty()) return "ok";
    return ParticleChecker::hasError(findings) ? "error" : "warning";
}

bool writeAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    std::string why;
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return kExitClean;
    }
    if (!parseArguments(argc, argv, &options, &why)) {
        std::fprintf(stderr, "particle-check: %s\n%s", why.c_str(), kUsage);
        return kExitUsage;
    }
    // The engine logs to standard output; keep that stream for the report.
    std::fflush(stdout);
    const int reportFd = dup(STDOUT_FILENO);
    const int devNull = open("/dev/null", O_WRONLY);
    if (reportFd < 0 || devNull < 0 || dup2(devNull, STDOUT_FILENO) < 0) {
        std::fprintf(stderr, "particle-check: cannot set up the output\n");
        return kExitErrors;
    }
    close(devNull);

    FileUtils* files = FileUtils::getInstance();
    for (const std::string& dir : options.searchPaths) files->addSearchPath(dir);

    ParticleChecker checker;
    Json::Value all(Json::arrayValue);
    std::string text;
    int exitStatus = kExitClean;
    for (const std::string& path : options.files) {
        const std::vector<ParticleFinding> findings = checker.checkFile(path);
        if (!findings.empty())
            exitStatus = std::max(exitStatus, ParticleChecker::hasError(findings) ? kExitErrors : kExitWarnings);
        if (options.json) {
            Json::Value file(Json::objectValue);
            file["file"] = path;
            file["status"] = statusOf(findings);
            Json::Value list(Json::arrayValue);
            for (const ParticleFinding& f : findings) {
                Json::Value item(Json::objectValue);
                item["code"] = f.code;
                item["severity"] = ParticleCheckTexts::severityName(f.severity);
                item["message"] = f.message;
                list.append(item);
            }
            file["findings"] = list;
            all.append(file);
        } else if (findings.empty()) {
            text += path + ": ok\n";
        } else {
            for (const ParticleFinding& f : findings)
                text += path + ": " + ParticleCheckTexts::severityName(f.severity) + ": " + f.message + " [" + f.code +
                        "]\n";
        }
    }
    if (options.json) {
        Json::StreamWriterBuilder builder;
        builder["indentation"] = "  ";
        builder["emitUTF8"] = true;
        text = Json::writeString(builder, all) + "\n";
    }
    if (!writeAll(reportFd, text)) {
        std::fprintf(stderr, "particle-check: cannot write the report\n");
        return kExitErrors;
    }
    return exitStatus;
}
