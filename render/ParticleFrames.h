// Steps one particle effect in exact frame times on an offscreen engine view and hands back each frame's pixels.
#pragma once

#include <string>
#include <vector>

#include "OffscreenEGLView.h"

namespace cocos2d {
class Director;
class ParticleSystemQuad;
} // namespace cocos2d

// What one render draws: the effect, the frame size and timing, where it sits and over what.
struct FrameSettings {
    std::string file;
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
    std::string backdrop;             // an image (centred) or a .csb scene behind the effect; empty: none
    bool hasBackdropPosition = false; // where the image's centre or the scene's origin goes instead
    float backdropX = 0.0f;
    float backdropY = 0.0f;
};

// Use:
//   ParticleFrames frames;
//   if (frames.open(settings) != ParticleFrames::Opened) ... frames.error()
//   for (int i = 0; i < settings.frames; ++i) { auto rgba = frames.next(&time); ... }
//   frames.close();
// The engine's director is global, so only one of these may be open in a process.
class ParticleFrames {
public:
    enum Status { Opened, NoOpenGL, Unloadable };

    ~ParticleFrames();
    Status open(const FrameSettings& settings);
    // Steps one frame and draws it: straight RGBA, top row first; `time` is the simulated seconds.
    std::vector<unsigned char> next(double* time);
    void close();
    const std::string& error() const { return m_error; }

private:
    std::vector<unsigned char> drawOver(float r, float g, float b);

    FrameSettings m_settings;
    OffscreenEGLView* m_view = nullptr;
    cocos2d::Director* m_director = nullptr;
    cocos2d::ParticleSystemQuad* m_system = nullptr;
    long m_warmupSteps = 0;
    int m_drawn = 0;
    std::string m_error;
};
