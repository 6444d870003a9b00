// The command line of particle-render, read into one set of options.
#pragma once

#include <string>

#include "render/FrameWriter.h"
#include "render/ParticleFrames.h"

struct RenderOptions : FrameSettings {
    std::string outDir;    // what --format names: frames as DIR/frame_0000.png ..., or one file; empty: none
    std::string sheetPath; // sprite sheet FILE.png with FILE.json beside it; empty: none
    FrameFormat format = FrameFormat::Png;
    int quality = -1; // lossy WebP at 0-100; below 0 lossless
    bool hasMatte = false;
    unsigned char matte[3] = {0, 0, 0};
    bool progress = false; // "frame I/N" on standard error after each frame

    // How --out (or --sheet, with `sheet`) is written.
    OutputSettings output(bool sheet) const;

    // False on wrong usage, with the reason in `why`.
    bool parse(int argc, char** argv, std::string* why);

    static const char* usage();
};
