// The folder of PNG frames and the sprite sheet as frame writers, and the choice of writer by format.
#include "FrameWriter.h"

#include "GifAnimationWriter.h"
#include "PngFrames.h"
#include "SpriteSheet.h"
#include "WebpAnimationWriter.h"

namespace {

class PngFolderWriter : public FrameWriter {
public:
    explicit PngFolderWriter(const OutputSettings& s) : m_settings(s) {}

    bool add(const std::vector<unsigned char>& rgba, double) override {
        const std::string path = m_settings.path + "/" + PngFrames::fileName(m_next++);
        if (PngFrames::write(path, rgba, m_settings.width, m_settings.height, m_settings.transparent)) return true;
        m_error = "cannot write " + path;
        return false;
    }
    bool finish() override { return true; }

private:
    OutputSettings m_settings;
    int m_next = 0;
};

class SheetWriter : public FrameWriter {
public:
    explicit SheetWriter(const OutputSettings& s) : m_settings(s), m_sheet(s.frames, s.width, s.height) {}

    bool add(const std::vector<unsigned char>& rgba, double time) override {
        m_sheet.place(m_next++, rgba, time);
        return true;
    }
    bool finish() override {
        if (m_sheet.write(m_settings.path, m_settings.fps, m_settings.transparent)) return true;
        m_error = "cannot write " + m_settings.path + " or " + SpriteSheet::jsonPathFor(m_settings.path);
        return false;
    }

private:
    OutputSettings m_settings;
    SpriteSheet m_sheet;
    int m_next = 0;
};

} // namespace

bool FrameWriter::formatFromName(const std::string& name, FrameFormat* format) {
    static const struct {
        const char* name;
        FrameFormat format;
    } kFormats[] = {{"png", FrameFormat::Png},
                    {"sheet", FrameFormat::Sheet},
                    {"webp", FrameFormat::Webp},
                    {"gif", FrameFormat::Gif}};
    for (const auto& f : kFormats)
        if (name == f.name) {
            *format = f.format;
            return true;
        }
    return false;
}

std::unique_ptr<FrameWriter> FrameWriter::create(const OutputSettings& settings) {
    switch (settings.format) {
    case FrameFormat::Png:
        return std::make_unique<PngFolderWriter>(settings);
    case FrameFormat::Sheet:
        return std::make_unique<SheetWriter>(settings);
    case FrameFormat::Webp:
        return std::make_unique<WebpAnimationWriter>(settings);
    case FrameFormat::Gif:
        return std::make_unique<GifAnimationWriter>(settings);
    }
    return nullptr;
}
