// Builders of PNG and JPEG bytes with known pixels, for the image and texture tests.
#pragma once

#include <string>
#include <vector>

namespace imagetest {

typedef std::vector<unsigned char> Bytes;

// PNG of the given libpng colour type and bit depth. `samples` holds one
// value per channel per pixel, row by row (16-bit samples as 0..65535).
// For palette images `palette` is RGB triples and `trns` optional alphas.
Bytes makePng(int width, int height, int colorType, int bitDepth, const std::vector<unsigned int>& samples,
              const Bytes& palette = Bytes(), const Bytes& trns = Bytes());

// Baseline JPEG of RGB (components 3) or grey (components 1) pixels.
Bytes makeJpeg(int width, int height, int components, const Bytes& pixels, int quality = 95);

// A PNG signature and an IHDR chunk (with a correct CRC) claiming the size,
// and nothing after it.
Bytes pngHeaderOnly(unsigned int width, unsigned int height);

void writeFileBytes(const std::string& path, const Bytes& bytes);

// Deflates into a gzip (true) or zlib (false) stream.
Bytes compress(const Bytes& in, bool gzip);

// A ccz container ("CCZ!", zlib) around the bytes.
Bytes cczOf(const Bytes& in);

}  // namespace imagetest
