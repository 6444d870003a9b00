// Baseline uncompressed TIFF to premultiplied RGBA, with bounds checks on every read.
#include "2d/CCParticleTiffDecoder.h"

#include <cstdint>

NS_CC_BEGIN

namespace {

class Reader {
public:
    Reader(const unsigned char* d, size_t n, bool little) : _d(d), _n(n), _little(little) {}

    bool u16(size_t at, uint32_t* v) const {
        if (at > _n || _n - at < 2)
            return false;
        *v = _little ? (_d[at] | (_d[at + 1] << 8)) : ((_d[at] << 8) | _d[at + 1]);
        return true;
    }
    bool u32(size_t at, uint32_t* v) const {
        if (at > _n || _n - at < 4)
            return false;
        uint32_t b0 = _d[at], b1 = _d[at + 1], b2 = _d[at + 2], b3 = _d[at + 3];
        *v = _little ? (b0 | (b1 << 8) | (b2 << 16) | (b3 << 24)) : ((b0 << 24) | (b1 << 16) | (b2 << 8) | b3);
        return true;
    }

private:
    const unsigned char* _d;
    size_t _n;
    bool _little;
};

struct Field {
    uint32_t type = 0, count = 0, valueAt = 0;  // valueAt: offset of the first value
    bool present = false;
};

// Value k of a SHORT or LONG field.
bool fieldValue(const Reader& r, const Field& f, uint32_t k, uint32_t* v) {
    if (!f.present || k >= f.count)
        return false;
    if (f.type == 3)
        return r.u16(f.valueAt + 2u * k, v);
    if (f.type == 4)
        return r.u32(f.valueAt + 4u * k, v);
    return false;
}

}  // namespace

bool ParticleTiffDecoder::decode(const unsigned char* data, ssize_t length, std::vector<unsigned char>* rgba,
                                 int* width, int* height) {
    if (!data || length < 8 || !rgba || !width || !height)
        return false;
    const size_t n = static_cast<size_t>(length);
    bool little;
    if (data[0] == 'I' && data[1] == 'I')
        little = true;
    else if (data[0] == 'M' && data[1] == 'M')
        little = false;
    else
        return false;
    Reader r(data, n, little);
    uint32_t magic, ifd, entries;
    if (!r.u16(2, &magic) || magic != 42 || !r.u32(4, &ifd) || !r.u16(ifd, &entries) || entries > 1000)
        return false;

    Field fields[340];
    for (uint32_t e = 0; e < entries; ++e) {
        size_t at = ifd + 2u + 12u * e;
        uint32_t tag, type, count, unused;
        if (!r.u16(at, &tag) || !r.u16(at + 2, &type) || !r.u32(at + 4, &count) || !r.u32(at + 8, &unused))
            return false;
        if (tag >= 340)
            continue;
        uint32_t size = type == 3 ? 2 : type == 4 ? 4 : 0;
        Field& f = fields[tag];
        f.present = true;
        f.type = type;
        f.count = count;
        if (size != 0 && count <= 4 / size) {
            f.valueAt = static_cast<uint32_t>(at + 8);
        } else if (!r.u32(at + 8, &f.valueAt)) {
            return false;
        }
    }

    uint32_t w, h, compression = 1, photometric, samples = 1, planar = 1, rowsPerStrip;
    if (!fieldValue(r, fields[256], 0, &w) || !fieldValue(r, fields[257], 0, &h))
        return false;
    if (fields[259].present && !fieldValue(r, fields[259], 0, &compression))
        return false;
    if (!fieldValue(r, fields[262], 0, &photometric))
        return false;
    if (fields[277].present && !fieldValue(r, fields[277], 0, &samples))
        return false;
    if (fields[284].present && !fieldValue(r, fields[284], 0, &planar))
        return false;
    rowsPerStrip = h;
    if (fields[278].present && !fieldValue(r, fields[278], 0, &rowsPerStrip))
        return false;
    for (uint32_t s = 0; s < samples; ++s) {
        uint32_t bits = 1;
        if (!fieldValue(r, fields[258], fields[258].count > s ? s : 0, &bits) || bits != 8)
            return false;
    }
    const bool grey = photometric == 1 || photometric == 0;
    if (compression != 1 || planar != 1 || w == 0 || h == 0 || w > MAX_DIMENSION || h > MAX_DIMENSION)
        return false;
    if (!(grey && (samples == 1 || samples == 2)) && !(photometric == 2 && (samples == 3 || samples == 4)))
        return false;
    if (rowsPerStrip == 0 || rowsPerStrip > h)
        rowsPerStrip = h;
    // Alpha stored unassociated (extra sample 2) is premultiplied here, as
    // the engine's TIFF library does; associated alpha is used as it is.
    const bool hasAlpha = samples == 2 || samples == 4;
    uint32_t extra = 0;
    if (hasAlpha && fields[338].present)
        fieldValue(r, fields[338], 0, &extra);
    const bool premultiply = hasAlpha && extra != 1;

    const uint32_t strips = (h + rowsPerStrip - 1) / rowsPerStrip;
    if (fields[273].count < strips)
        return false;
    const size_t rowBytes = static_cast<size_t>(w) * samples;
    rgba->assign(static_cast<size_t>(w) * h * 4, 0);
    for (uint32_t strip = 0; strip < strips; ++strip) {
        uint32_t offset;
        if (!fieldValue(r, fields[273], strip, &offset))
            return false;
        const uint32_t firstRow = strip * rowsPerStrip;
        const uint32_t rows = firstRow + rowsPerStrip > h ? h - firstRow : rowsPerStrip;
        const size_t bytes = rowBytes * rows;
        if (offset > n || n - offset < bytes)
            return false;
        const unsigned char* src = data + offset;
        for (uint32_t y = 0; y < rows; ++y) {
            unsigned char* dst = rgba->data() + (static_cast<size_t>(firstRow + y) * w) * 4;
            for (uint32_t x = 0; x < w; ++x, src += samples, dst += 4) {
                uint32_t c0 = src[0];
                uint32_t c1 = grey ? c0 : src[1];
                uint32_t c2 = grey ? c0 : src[2];
                uint32_t a = hasAlpha ? src[samples - 1] : 255;
                if (photometric == 0) {
                    c0 = c1 = c2 = 255 - c0;
                }
                if (premultiply) {
                    c0 = (c0 * a + 127) / 255;
                    c1 = (c1 * a + 127) / 255;
                    c2 = (c2 * a + 127) / 255;
                }
                dst[0] = static_cast<unsigned char>(c0);
                dst[1] = static_cast<unsigned char>(c1);
                dst[2] = static_cast<unsigned char>(c2);
                dst[3] = static_cast<unsigned char>(a);
            }
        }
    }
    *width = static_cast<int>(w);
    *height = static_cast<int>(h);
    return true;
}

NS_CC_END
