// The command line of particle-render, read into one set of options.
#pragma once

#include <string>
#include <vector>

struct RenderOptions {
    std::string file;
    std::string outDir;    // frames as DIR/frame_0000.png ...; empty: none
    std::string sheetPath; // sprite sheet FILE.png with FILE.json beside it; empty: none
    int frames = 1;
    double fps = 60.0;
    int width = 256;
    int height = 256;
    bool hasPosition = false; // otherwise the effect is centred
    float x = 0.0f;
    float y = 0.0f;
    bool transparent = false;
    unsigned char background[3] = {0, 0, 0};
    unsigned int seed = 1;
    double warmup = 0.0;
    std::vector<std::string> searchPaths;

    // False on wrong usage, with the reason in `why`.
    bool parse(int argc, char** argv, std::string* why);

    static const char* usage();
};
