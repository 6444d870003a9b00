// Animated WebP through libwebp's animation encoder; the file is replaced only once the whole animation is encoded.
#include "WebpAnimationWriter.h"

#include <webp/encode.h>
#include <webp/mux.h>

#include <cmath>
#include <cstring>

#include "platform/CCFileReplace.h"

WebpAnimationWriter::WebpAnimationWriter(const OutputSettings& settings) : m_settings(settings) {
    WebPAnimEncoderOptions options;
    if (!WebPAnimEncoderOptionsInit(&options)) return;
    options.anim_params.loop_count = 0; // forever
    options.anim_params.bgcolor = 0x00000000;
    m_encoder = WebPAnimEncoderNew(settings.width, settings.height, &options);
}

WebpAnimationWriter::~WebpAnimationWriter() {
    if (m_encoder) WebPAnimEncoderDelete(m_encoder);
}

// Frame times counted from the first frame, so that rounding never drifts.
int WebpAnimationWriter::timestampMs(int index) const {
    return static_cast<int>(std::lround(index * 1000.0 / m_settings.fps));
}

bool WebpAnimationWriter::add(const std::vector<unsigned char>& rgba, double) {
    if (!m_encoder) {
        m_error = "the WebP encoder cannot start (out of memory?)";
        return false;
    }
    WebPConfig config;
    WebPPicture picture;
    if (!WebPConfigInit(&config) || !WebPPictureInit(&picture)) {
        m_error = "the WebP library does not match its headers";
        return false;
    }
    if (m_settings.quality < 0) {
        config.lossless = 1;
        config.quality = 75;
        // Colours under fully transparent pixels stay as drawn (black), like the PNG frames.
        config.exact = 1;
    } else {
        config.lossless = 0;
        config.quality = static_cast<float>(m_settings.quality);
    }
    picture.use_argb = 1;
    picture.width = m_settings.width;
    picture.height = m_settings.height;
    bool ok = WebPPictureImportRGBA(&picture, rgba.data(), m_settings.width * 4) &&
              WebPAnimEncoderAdd(m_encoder, &picture, timestampMs(m_next), &config);
    if (!ok) {
        const char* why = WebPAnimEncoderGetError(m_encoder);
        m_error = std::string("cannot encode a WebP frame: ") + (why && *why ? why : "out of memory");
    }
    WebPPictureFree(&picture);
    ++m_next;
    return ok;
}

bool WebpAnimationWriter::finish() {
    if (!m_encoder) {
        m_error = "the WebP encoder cannot start (out of memory?)";
        return false;
    }
    WebPData data;
    WebPDataInit(&data);
    // The last frame lasts one frame time like the others.
    if (!WebPAnimEncoderAdd(m_encoder, nullptr, timestampMs(m_next), nullptr) ||
        !WebPAnimEncoderAssemble(m_encoder, &data)) {
        const char* why = WebPAnimEncoderGetError(m_encoder);
        m_error = std::string("cannot assemble the WebP animation: ") + (why && *why ? why : "out of memory");
        WebPDataClear(&data);
        return false;
    }
    const int failed =
        cocos2d::replaceFileContents(m_settings.path, reinterpret_cast<const char*>(data.bytes), data.size);
    WebPDataClear(&data);
    if (failed != 0) m_error = "cannot write " + m_settings.path + ": " + std::strerror(failed);
    return failed == 0;
}
