// Parsing and bounds of particle-render's options; numbers out of range are usage errors, never clamped.
#include "RenderOptions.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

const int kMaxSide = 8192;
const int kMaxFrames = 100000;

bool toDouble(const std::string& text, double* out) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    *out = std::strtod(text.c_str(), &end);
    return errno == 0 && end && *end == '\0' && std::isfinite(*out);
}

bool toInt(const std::string& text, long min, long max, long* out) {
    if (text.empty() || text[0] == '+' || text[0] == ' ') return false;
    char* end = nullptr;
    errno = 0;
    *out = std::strtol(text.c_str(), &end, 10);
    return errno == 0 && end && *end == '\0' && *out >= min && *out <= max;
}

// "WxH" or "X,Y": two numbers around one separator.
bool splitPair(const std::string& text, char separator, std::string* a, std::string* b) {
    const size_t at = text.find(separator);
    if (at == std::string::npos || text.find(separator, at + 1) != std::string::npos) return false;
    *a = text.substr(0, at);
    *b = text.substr(at + 1);
    return true;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "X,Y" in design points.
bool parsePoint(const std::string& value, float* x, float* y) {
    std::string xs, ys;
    double xd = 0, yd = 0;
    if (!splitPair(value, ',', &xs, &ys) || !toDouble(xs, &xd) || !toDouble(ys, &yd)) return false;
    *x = static_cast<float>(xd);
    *y = static_cast<float>(yd);
    return true;
}

bool parseColour(const std::string& value, unsigned char rgb[3]) {
    if (value.size() != 7 || value[0] != '#') return false;
    unsigned char parsed[3];
    for (int c = 0; c < 3; ++c) {
        const int hi = hexDigit(value[1 + 2 * c]), lo = hexDigit(value[2 + 2 * c]);
        if (hi < 0 || lo < 0) return false;
        parsed[c] = static_cast<unsigned char>(hi * 16 + lo);
    }
    std::copy(parsed, parsed + 3, rgb);
    return true;
}

} // namespace

OutputSettings RenderOptions::output(bool sheet) const {
    OutputSettings s;
    s.format = sheet ? FrameFormat::Sheet : format;
    s.path = sheet ? sheetPath : outDir;
    s.width = width;
    s.height = height;
    s.frames = frames;
    s.fps = fps;
    s.transparent = transparent;
    s.quality = quality;
    std::copy(matte, matte + 3, s.matte);
    return s;
}

const char* RenderOptions::usage() {
    return "usage: particle-render FILE.plist (--out DIR|FILE | --sheet FILE.png)... [options]\n"
           "Renders a particle effect through the engine with no window and no X server.\n"
           "  --out DIR              write DIR/frame_0000.png, frame_0001.png, ...\n"
           "  --format png|sheet|webp|gif   what --out writes: png frames in DIR (default),\n"
           "                         a sprite sheet FILE.png with FILE.json, or one looping\n"
           "                         animated WebP or GIF FILE\n"
           "  --sheet FILE.png       write one sprite sheet and FILE.json with its frame list\n"
           "  --frames N             number of frames (default 1)\n"
           "  --fps F                frames per second of the simulation (default 60)\n"
           "  --size WxH             frame size in pixels (default 256x256)\n"
           "  --position X,Y         where the emitter sits (default: the centre)\n"
           "  --background '#rrggbb' | transparent   (default #000000; transparent writes\n"
           "                         straight alpha that composites cleanly over anything)\n"
           "  --seed S               random seed; the same seed gives the same pixels (default 1)\n"
           "  --warmup SECONDS       simulate this long before the first frame (default 0)\n"
           "  --search-path DIR      also look for textures in DIR (repeatable)\n"
           "  --backdrop FILE        draw this image (centred) or Cocos Studio .csb scene\n"
           "                         behind the effect\n"
           "  --backdrop-position X,Y   where the image's centre or the scene's origin goes\n"
           "  --quality Q            WebP only: lossy at quality 0-100 (default lossless)\n"
           "  --matte '#rrggbb'      GIF with a transparent background only: GIF has no partial\n"
           "                         alpha, so pixels at least half covered are blended over\n"
           "                         this colour and the rest are clear (default #000000)\n"
           "  --progress             report 'frame I/N' on standard error after each frame\n"
           "Exit status: 0 done, 1 rendering or writing failed, 2 the file will not load,\n"
           "3 wrong usage.\n";
}

bool RenderOptions::parse(int argc, char** argv, std::string* why) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        std::string value;
        const size_t eq = a.find('=');
        const bool isOption = a.size() > 2 && a.compare(0, 2, "--") == 0;
        if (isOption && eq != std::string::npos) {
            value = a.substr(eq + 1);
            a = a.substr(0, eq);
        } else if (isOption && a != "--help" && a != "--progress") {
            if (i + 1 >= argc) {
                *why = a + " needs a value";
                return false;
            }
            value = argv[++i];
        }
        long n = 0;
        double d = 0.0;
        if (!isOption) {
            if (!file.empty()) {
                *why = "more than one file given";
                return false;
            }
            file = a;
        } else if (a == "--out") {
            outDir = value;
        } else if (a == "--sheet") {
            if (value.size() < 5 || value.compare(value.size() - 4, 4, ".png") != 0) {
                *why = "--sheet needs a file name ending in .png";
                return false;
            }
            sheetPath = value;
        } else if (a == "--frames") {
            if (!toInt(value, 1, kMaxFrames, &n)) {
                *why = "--frames needs a whole number from 1 to " + std::to_string(kMaxFrames);
                return false;
            }
            frames = static_cast<int>(n);
        } else if (a == "--fps") {
            if (!toDouble(value, &d) || d <= 0.0 || d > 1000.0) {
                *why = "--fps needs a number above 0 and at most 1000";
                return false;
            }
            fps = d;
        } else if (a == "--size") {
            std::string w, h;
            long wn = 0, hn = 0;
            if (!splitPair(value, 'x', &w, &h) || !toInt(w, 1, kMaxSide, &wn) || !toInt(h, 1, kMaxSide, &hn)) {
                *why = "--size needs WxH with whole numbers from 1 to " + std::to_string(kMaxSide);
                return false;
            }
            width = static_cast<int>(wn);
            height = static_cast<int>(hn);
        } else if (a == "--position" || a == "--backdrop-position") {
            const bool emitter = a == "--position";
            if (!parsePoint(value, emitter ? &x : &backdropX, emitter ? &y : &backdropY)) {
                *why = a + " needs X,Y";
                return false;
            }
            (emitter ? hasPosition : hasBackdropPosition) = true;
        } else if (a == "--background") {
            if (value == "transparent") {
                transparent = true;
            } else if (parseColour(value, background)) {
                transparent = false;
            } else {
                *why = "--background needs '#rrggbb' or transparent";
                return false;
            }
        } else if (a == "--seed") {
            if (!toInt(value, 0, 4294967295L, &n)) {
                *why = "--seed needs a whole number from 0 to 4294967295";
                return false;
            }
            seed = static_cast<unsigned int>(n);
        } else if (a == "--warmup") {
            if (!toDouble(value, &d) || d < 0.0 || d > 3600.0) {
                *why = "--warmup needs seconds from 0 to 3600";
                return false;
            }
            warmup = d;
        } else if (a == "--format") {
            if (!FrameWriter::formatFromName(value, &format)) {
                *why = "--format needs png, sheet, webp or gif";
                return false;
            }
        } else if (a == "--quality") {
            if (!toInt(value, 0, 100, &n)) {
                *why = "--quality needs a whole number from 0 to 100";
                return false;
            }
            quality = static_cast<int>(n);
        } else if (a == "--matte") {
            if (!parseColour(value, matte)) {
                *why = "--matte needs '#rrggbb'";
                return false;
            }
            hasMatte = true;
        } else if (a == "--progress") {
            progress = true;
        } else if (a == "--backdrop") {
            if (value.empty()) {
                *why = "--backdrop needs a file";
                return false;
            }
            backdrop = value;
        } else if (a == "--search-path") {
            if (value.empty()) {
                *why = "--search-path needs a directory";
                return false;
            }
            searchPaths.push_back(value);
        } else {
            *why = "unknown option " + a;
            return false;
        }
    }
    if (file.empty()) {
        *why = "no particle file given";
        return false;
    }
    if (outDir.empty() && sheetPath.empty()) {
        *why = "nothing to write: give --out DIR, --sheet FILE.png or both";
        return false;
    }
    if (format != FrameFormat::Png && outDir.empty()) {
        *why = "--format needs --out FILE";
        return false;
    }
    if (format == FrameFormat::Sheet && (outDir.size() < 5 || outDir.compare(outDir.size() - 4, 4, ".png") != 0)) {
        *why = "--format sheet needs an --out file name ending in .png";
        return false;
    }
    if (quality >= 0 && format != FrameFormat::Webp) {
        *why = "--quality applies to --format webp only";
        return false;
    }
    if (hasMatte && (format != FrameFormat::Gif || !transparent)) {
        *why = "--matte applies to --format gif with --background transparent only";
        return false;
    }
    return true;
}
