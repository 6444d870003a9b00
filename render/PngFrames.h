// Frames as single PNG files, named in drawing order.
#pragma once

#include <string>
#include <vector>

namespace PngFrames {

// "frame_0000.png" for frame 0.
std::string fileName(int index);
// Writes straight RGBA (top row first) as RGBA, or as RGB when the frame is opaque; false on failure.
bool write(const std::string& path, const std::vector<unsigned char>& rgba, int width, int height, bool transparent);

} // namespace PngFrames
