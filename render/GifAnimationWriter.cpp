// Animated GIF through giflib's own quantizer, with a looping block and frame delays in hundredths of a second.
#include "GifAnimationWriter.h"

#include <gif_lib.h>

#include <cmath>
#include <cstring>

#include "platform/CCFileReplace.h"

namespace {

const int kTransparentIndex = 255;

int appendBytes(GifFileType* gif, const GifByteType* bytes, int length) {
    static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), length);
    return length;
}

// A frame in palette indices, with the palette it needs.
struct IndexedFrame {
    std::vector<GifByteType> indices;
    GifColorType palette[256] = {};
    bool hasTransparency = false;
};

bool quantize(const std::vector<unsigned char>& rgba, const OutputSettings& s, IndexedFrame* out) {
    const size_t pixels = static_cast<size_t>(s.width) * s.height;
    std::vector<GifByteType> red, green, blue;
    red.reserve(pixels);
    green.reserve(pixels);
    blue.reserve(pixels);
    for (size_t i = 0; i < pixels; ++i) {
        const unsigned char* p = &rgba[i * 4];
        if (s.transparent && p[3] < GifAnimationWriter::kAlphaThreshold) continue;
        const int a = s.transparent ? p[3] : 255;
        GifByteType rgb[3];
        for (int c = 0; c < 3; ++c) rgb[c] = static_cast<GifByteType>((p[c] * a + s.matte[c] * (255 - a) + 127) / 255);
        red.push_back(rgb[0]);
        green.push_back(rgb[1]);
        blue.push_back(rgb[2]);
    }
    out->hasTransparency = red.size() < pixels;
    std::vector<GifByteType> kept(red.size());
    if (!red.empty()) {
        int colours = out->hasTransparency ? 255 : 256;
        if (GifQuantizeBuffer(static_cast<unsigned>(red.size()), 1, &colours, red.data(), green.data(), blue.data(),
                              kept.data(), out->palette) == GIF_ERROR)
            return false;
    }
    out->indices.resize(pixels);
    size_t next = 0;
    for (size_t i = 0; i < pixels; ++i)
        out->indices[i] = s.transparent && rgba[i * 4 + 3] < GifAnimationWriter::kAlphaThreshold
                              ? static_cast<GifByteType>(kTransparentIndex)
                              : kept[next++];
    return true;
}

} // namespace

GifAnimationWriter::GifAnimationWriter(const OutputSettings& settings) : m_settings(settings) {
    int code = 0;
    m_gif = EGifOpen(&m_bytes, appendBytes, &code);
    if (!m_gif) {
        fail("cannot start the GIF encoder", code);
        return;
    }
    EGifSetGifVersion(m_gif, true);
    if (EGifPutScreenDesc(m_gif, settings.width, settings.height, 8, 0, nullptr) == GIF_ERROR) {
        fail("cannot start the GIF", m_gif->Error);
        return;
    }
    // The NETSCAPE2.0 block with a loop count of 0: play forever.
    static const GifByteType kLoop[3] = {1, 0, 0};
    if (EGifPutExtensionLeader(m_gif, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
        EGifPutExtensionBlock(m_gif, 11, "NETSCAPE2.0") == GIF_ERROR ||
        EGifPutExtensionBlock(m_gif, 3, kLoop) == GIF_ERROR || EGifPutExtensionTrailer(m_gif) == GIF_ERROR)
        fail("cannot start the GIF", m_gif->Error);
}

GifAnimationWriter::~GifAnimationWriter() {
    int code = 0;
    if (m_gif) EGifCloseFile(m_gif, &code);
}

bool GifAnimationWriter::fail(const std::string& what, int code) {
    const char* why = GifErrorString(code);
    if (m_error.empty()) m_error = what + (why ? std::string(": ") + why : std::string());
    return false;
}

// Delays rounded from the first frame's time, so that 30 frames a second come out 3, 3, 4 and keep in step.
int GifAnimationWriter::delayCentiseconds(int index) const {
    return static_cast<int>(std::lround((index + 1) * 100.0 / m_settings.fps) -
                            std::lround(index * 100.0 / m_settings.fps));
}

bool GifAnimationWriter::add(const std::vector<unsigned char>& rgba, double) {
    if (!m_error.empty()) return false;
    IndexedFrame frame;
    if (!quantize(rgba, m_settings, &frame)) return fail("cannot reduce a frame to 256 colours", 0);

    GraphicsControlBlock control;
    control.DisposalMode = DISPOSE_BACKGROUND; // nothing of a frame shows through the next one's clear pixels
    control.UserInputFlag = false;
    control.DelayTime = delayCentiseconds(m_next++);
    control.TransparentColor = frame.hasTransparency ? kTransparentIndex : NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    const size_t length = EGifGCBToExtension(&control, extension);

    ColorMapObject* map = GifMakeMapObject(256, frame.palette);
    if (!map) return fail("out of memory for a GIF palette", 0);
    bool ok = EGifPutExtension(m_gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) != GIF_ERROR &&
              EGifPutImageDesc(m_gif, 0, 0, m_settings.width, m_settings.height, false, map) != GIF_ERROR;
    for (int y = 0; ok && y < m_settings.height; ++y)
        ok = EGifPutLine(m_gif, &frame.indices[static_cast<size_t>(y) * m_settings.width], m_settings.width) !=
             GIF_ERROR;
    GifFreeMapObject(map);
    return ok || fail("cannot encode a GIF frame", m_gif->Error);
}

bool GifAnimationWriter::finish() {
    if (!m_error.empty()) return false;
    int code = 0;
    const int closed = EGifCloseFile(m_gif, &code);
    m_gif = nullptr;
    if (closed == GIF_ERROR) return fail("cannot finish the GIF", code);
    const int failed = cocos2d::replaceFileContents(m_settings.path, m_bytes.data(), m_bytes.size());
    if (failed != 0) m_error = "cannot write " + m_settings.path + ": " + std::strerror(failed);
    return failed == 0;
}
