// Where rendered frames go: a folder of PNGs, a sprite sheet, an animated WebP or an animated GIF.
#pragma once

#include <memory>
#include <string>
#include <vector>

enum class FrameFormat { Png, Sheet, Webp, Gif };

// How the frames are stored; the frame size and rate come from the render.
struct OutputSettings {
    FrameFormat format = FrameFormat::Png;
    std::string path; // the folder for PNG frames, the file otherwise
    int width = 0;
    int height = 0;
    int frames = 1;
    double fps = 60.0;
    bool transparent = false;
    int quality = -1;                   // WebP: 0-100 lossy; below 0 lossless
    unsigned char matte[3] = {0, 0, 0}; // GIF: the colour half-covered edges are blended over
};

class FrameWriter {
public:
    virtual ~FrameWriter() = default;
    // One frame of straight RGBA, top row first, drawn at `time` seconds; false (see error()) when it cannot be kept.
    virtual bool add(const std::vector<unsigned char>& rgba, double time) = 0;
    // Writes what is still held; false (see error()) on failure, with the old file left as it was.
    virtual bool finish() = 0;
    const std::string& error() const { return m_error; }

    // "png", "sheet", "webp" or "gif"; false for anything else.
    static bool formatFromName(const std::string& name, FrameFormat* format);
    static std::unique_ptr<FrameWriter> create(const OutputSettings& settings);

protected:
    std::string m_error;
};
