// Helpers of the particle-object tests.
#include "ParticleTestSupport.h"

#include "particle/ParticleSystem2DEditor.h"
#include "particle/PlistDocument.h"

#include "base/CCAutoreleasePool.h"
#include "base/CCDirector.h"
#include "renderer/CCTextureCache.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;

namespace {
void purgeDirector() {
    auto* director = cocos2d::Director::getInstance();
    director->getTextureCache()->removeAllTextures();
    director->end();
    director->mainLoop();
    cocos2d::PoolManager::getInstance()->getCurrentPool()->clear();
}
}

void ParticleObjectTest::SetUp() {
    purgeDirector();
}
void ParticleObjectTest::TearDown() {
    purgeDirector();
}

std::string PlistTextOf(ParticleSystem2DEditor& object) {
    return PlistDocument::text([&](wxXmlNode* dict) { object.writeXml(dict); });
}

namespace {
std::vector<std::pair<std::string, std::string>> pairsOf(const std::string& text, bool elementNames) {
    static const std::regex keyLine("^    <key>(.*)</key>$");
    static const std::regex valueLine("^    <(real|integer|string)>(.*)</(real|integer|string)>$");
    std::vector<std::pair<std::string, std::string>> pairs;
    std::istringstream in(text);
    std::string line, key;
    std::smatch m;
    while (std::getline(in, line)) {
        if (std::regex_match(line, m, keyLine)) {
            key = m[1];
        } else if (std::regex_match(line, m, valueLine)) {
            pairs.emplace_back(key, elementNames ? std::string(m[1]) : std::string(m[2]));
        }
    }
    return pairs;
}
}

std::vector<std::pair<std::string, std::string>> PlistPairs(const std::string& text) {
    return pairsOf(text, false);
}
std::vector<std::pair<std::string, std::string>> PlistElements(const std::string& text) {
    return pairsOf(text, true);
}

std::string RunPlistlib(const std::vector<std::string>& files, const std::string& script) {
    const fs::path dir = fs::temp_directory_path() / ("fw-plistlib-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    {
        std::ofstream list(dir / "files.txt");
        for (const std::string& f : files) list << f << "\n";
        std::ofstream extra(dir / "extra.py");
        extra << script;
        std::ofstream py(dir / "check.py");
        py << "import plistlib, sys\n"
              "extra = open(sys.argv[2], encoding='utf-8').read()\n"
              "bad = []\n"
              "for path in open(sys.argv[1], encoding='utf-8').read().splitlines():\n"
              "    try:\n"
              "        with open(path, 'rb') as f:\n"
              "            d = plistlib.load(f)\n"
              "        if not isinstance(d, dict):\n"
              "            bad.append(path + ': not a dictionary')\n"
              "            continue\n"
              "        exec(extra, {'d': d, 'path': path})\n"
              "    except Exception as e:\n"
              "        bad.append(path + ': ' + repr(e))\n"
              "print('\\n'.join(bad), end='')\n";
    }
    const std::string command = "python3 '" + (dir / "check.py").string() + "' '" + (dir / "files.txt").string() +
                                "' '" + (dir / "extra.py").string() + "' 2>&1";
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return "python3 could not be started";
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
    const int status = ::pclose(pipe);
    fs::remove_all(dir);
    if (status != 0 && output.empty()) return "python3 failed with status " + std::to_string(status);
    return output;
}

bool CopyTree(const std::string& from, const std::string& to) {
    std::error_code error;
    fs::copy(from, to, fs::copy_options::recursive, error);
    return !error;
}

std::string TestDataRoot() {
    return std::string(FW_TESTDATA_DIR) + "/plists/";
}

std::vector<std::string> TestDataPlists() {
    std::vector<std::string> out;
    for (const auto& entry : fs::recursive_directory_iterator(TestDataRoot()))
        if (entry.is_regular_file() && entry.path().extension() == ".plist")
            out.push_back(fs::relative(entry.path(), TestDataRoot()).string());
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<RoundTrip> RoundTripTestData(const std::string& workDir, std::vector<std::string>& skipped) {
    std::vector<RoundTrip> trips;
    if (!CopyTree(TestDataRoot(), workDir)) return trips;
    auto* cache = cocos2d::Director::getInstance()->getTextureCache();
    for (const std::string& name : TestDataPlists()) {
        cache->removeAllTextures();
        RoundTrip trip;
        trip.name = name;
        trip.opened = ParticleSystem2DEditor::createFromFile(workDir + "/" + name);
        if (!trip.opened) {
            skipped.push_back(name);
            continue;
        }
        trip.savedPath = workDir + "/" + name + ".saved.plist";
        if (PlistDocument::save([&](wxXmlNode* d) { trip.opened->writeXml(d); }, wxString::FromUTF8(trip.savedPath))) {
            cache->removeAllTextures();
            trip.reopened = ParticleSystem2DEditor::createFromFile(trip.savedPath);
        }
        trips.push_back(trip);
    }
    return trips;
}
