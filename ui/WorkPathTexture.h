// A particle file's texture that is not beside the file, looked for in the user's work directories.
#pragma once

#include <string>

namespace cocos2d {
class ParticleSystem;
}

// The engine looks for a particle file's texture only in the file's own
// folder. When it is not there and the file embeds no picture, the texture's
// name is looked up through the engine's search paths (the work directories
// first, then "./res/") and given to `system`. True when one was found there.
bool UseTextureFromWorkPaths(cocos2d::ParticleSystem* system, const std::string& plistPath);
