// Frames encoded one by one into a looping animated WebP (libwebpmux), lossless unless a quality is given.
#pragma once

#include "FrameWriter.h"

struct WebPAnimEncoder;

class WebpAnimationWriter : public FrameWriter {
public:
    explicit WebpAnimationWriter(const OutputSettings& settings);
    ~WebpAnimationWriter() override;

    bool add(const std::vector<unsigned char>& rgba, double time) override;
    bool finish() override;

private:
    int timestampMs(int index) const;

    OutputSettings m_settings;
    WebPAnimEncoder* m_encoder = nullptr;
    int m_next = 0;
};
