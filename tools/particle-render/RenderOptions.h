// The command line of particle-render, read into one set of options.
#pragma once

#include <string>

#include "render/ParticleFrames.h"

struct RenderOptions : FrameSettings {
    std::string outDir;    // frames as DIR/frame_0000.png ...; empty: none
    std::string sheetPath; // sprite sheet FILE.png with FILE.json beside it; empty: none

    // False on wrong usage, with the reason in `why`.
    bool parse(int argc, char** argv, std::string* why);

    static const char* usage();
};
