// Helpers of the particle-object tests: a clean director, plists as key/value lists, Python's plistlib.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

class ParticleSystem2DEditor;

// Every test starts from a fresh director and an empty texture cache.
class ParticleObjectTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// The bytes a save of `object` writes.
std::string PlistTextOf(ParticleSystem2DEditor& object);

// The (key, value text) pairs of a plist's one dictionary, in file order, as
// read by a minimal reader of the writer's own layout (one element a line).
std::vector<std::pair<std::string, std::string>> PlistPairs(const std::string& text);
// The value element name of each pair ("real", "integer", "string").
std::vector<std::pair<std::string, std::string>> PlistElements(const std::string& text);

// Runs Python's plistlib over the files; returns "" when every one parses to
// a dictionary, else what went wrong. `script` (optional) runs afterwards
// with `d` bound to each dictionary and `path` to its file, and may print.
std::string RunPlistlib(const std::vector<std::string>& files, const std::string& script = std::string());

// Recursively copies a directory; false when anything fails.
bool CopyTree(const std::string& from, const std::string& to);

// Every particle plist of the test data, as paths relative to plists/.
std::vector<std::string> TestDataPlists();
std::string TestDataRoot();

// One plist of the test data opened, saved beside itself and opened again.
struct RoundTrip {
    std::string name; // relative to plists/
    std::string savedPath;
    ParticleSystem2DEditor* opened = nullptr; // autoreleased
    ParticleSystem2DEditor* reopened = nullptr;
};

// Round trips of every test-data plist the engine loads, done in a copy of
// the data under `workDir` (so textures beside a plist stay beside its copy);
// the texture cache is emptied before each open, so that nothing is shared.
// `skipped` gets the files the engine refuses.
std::vector<RoundTrip> RoundTripTestData(const std::string& workDir, std::vector<std::string>& skipped);
