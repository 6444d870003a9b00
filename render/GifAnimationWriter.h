// Frames encoded one by one into a looping animated GIF (giflib), one palette per frame.
#pragma once

#include <string>

#include "FrameWriter.h"

struct GifFileType;

// GIF keeps no partial alpha: pixels at least half covered are blended over
// the matte colour and kept, the others become the one transparent entry.
class GifAnimationWriter : public FrameWriter {
public:
    static const int kAlphaThreshold = 128;

    explicit GifAnimationWriter(const OutputSettings& settings);
    ~GifAnimationWriter() override;

    bool add(const std::vector<unsigned char>& rgba, double time) override;
    bool finish() override;

private:
    bool fail(const std::string& what, int code);
    int delayCentiseconds(int index) const;

    OutputSettings m_settings;
    GifFileType* m_gif = nullptr;
    std::string m_bytes;
    int m_next = 0;
};
