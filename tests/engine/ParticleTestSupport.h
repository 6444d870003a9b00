// Shared helpers of the particle tests: a system that exposes its particles, and plist text builders.
#pragma once

#include <fstream>

#include <map>
#include <string>
#include <vector>

#include "2d/CCParticleSystemQuad.h"

// A quad system whose live particle arrays the tests may read and write.
class ProbeParticleSystem : public cocos2d::ParticleSystemQuad {
public:
    static ProbeParticleSystem* createWithTotal(int total) {
        auto* s = new ProbeParticleSystem();
        if (!s->initWithTotalParticles(total)) {
            delete s;
            return nullptr;
        }
        s->autorelease();
        return s;
    }
    cocos2d::ParticleData& data() { return _particleData; }
    int allocated() const { return _allocatedParticles; }
    void setYCoordFlipped(int v) { _yCoordFlipped = v; }
    // Centre of particle i's quad, in node space.
    cocos2d::Vec2 quadCentre(int i) const {
        const cocos2d::V3F_C4B_T2F_Quad& q = _quads[i];
        return cocos2d::Vec2((q.bl.vertices.x + q.tr.vertices.x) / 2, (q.bl.vertices.y + q.tr.vertices.y) / 2);
    }
};

// Builds the text of an XML plist holding one dictionary; values are given
// as complete elements ("<real>1</real>", "<string>a</string>").
inline std::string plistText(const std::map<std::string, std::string>& entries) {
    std::string s =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n";
    for (const auto& e : entries)
        s += "  <key>" + e.first + "</key>" + e.second + "\n";
    return s + "</dict>\n</plist>\n";
}

inline std::string realValue(double v) { return "<real>" + std::to_string(v) + "</real>"; }
inline std::string intValue(long long v) { return "<integer>" + std::to_string(v) + "</integer>"; }
inline std::string stringValue(const std::string& v) { return "<string>" + v + "</string>"; }

// A small valid gravity-mode particle dictionary without a texture.
inline std::map<std::string, std::string> basicParticleEntries() {
    return {{"maxParticles", intValue(50)},      {"angle", realValue(90)},
            {"duration", realValue(-1)},         {"emitterType", intValue(0)},
            {"particleLifespan", realValue(2)},  {"speed", realValue(10)},
            {"startParticleSize", realValue(8)}, {"finishParticleSize", realValue(-1)},
            {"blendFuncSource", intValue(770)},  {"blendFuncDestination", intValue(1)},
            {"startColorAlpha", realValue(1)}};
}

// Every .plist that the data folder's MANIFEST.tsv lists (its first column,
// relative to `root`, which ends in '/'). The manifest, not the folder, is
// the list, so that a file that went missing fails the tests that use it.
inline std::vector<std::string> plistsBelow(const std::string& root) {
    std::vector<std::string> out;
    std::ifstream manifest(root + "MANIFEST.tsv");
    std::string line;
    std::getline(manifest, line);  // column names
    while (std::getline(manifest, line)) {
        const std::string rel = line.substr(0, line.find('\t'));
        if (rel.size() > 6 && rel.compare(rel.size() - 6, 6, ".plist") == 0)
            out.push_back(rel);
    }
    return out;
}
