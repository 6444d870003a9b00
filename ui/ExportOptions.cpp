// The export's choices turned into particle-render's options.
#include "ui/ExportOptions.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

int ExportOptions::frameCount() const {
    return std::max(1, static_cast<int>(std::lround(seconds * fps)));
}

ExportOptions& SessionExportOptions() {
    static ExportOptions options;
    return options;
}

const char* ExportExtension(ExportFormat format) {
    static const char* const kExtensions[] = {"", "png", "webp", "gif"};
    return kExtensions[static_cast<int>(format)];
}

namespace {

std::string number(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.9g", value);
    return text;
}

std::string hexColour(const unsigned char rgb[3]) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb[0], rgb[1], rgb[2]);
    return text;
}

} // namespace

std::vector<std::string> RenderArguments(const ExportOptions& o, const ExportScene& scene, const std::string& out) {
    static const char* const kFormats[] = {"png", "sheet", "webp", "gif"};
    std::vector<std::string> args = {scene.plistPath};
    for (const std::string& dir : scene.searchPaths) args.insert(args.end(), {"--search-path", dir});
    args.insert(args.end(), {"--format", kFormats[static_cast<int>(o.format)], "--out", out, "--frames",
                             std::to_string(o.frameCount()), "--fps", std::to_string(o.fps), "--size",
                             std::to_string(o.width) + "x" + std::to_string(o.height), "--seed",
                             std::to_string(o.seed.value_or(1)), "--warmup", number(o.warmup), "--background",
                             o.background == ExportBackground::Transparent ? "transparent" : "#000000"});
    // Centring moves the whole scene, background and all, so that the emitter is in the middle.
    const float dx = o.centred ? o.width / 2.0f - scene.x : 0.0f;
    const float dy = o.centred ? o.height / 2.0f - scene.y : 0.0f;
    args.insert(args.end(), {"--position", number(scene.x + dx) + "," + number(scene.y + dy)});
    if (o.background == ExportBackground::Scene && !scene.backdrop.empty())
        args.insert(args.end(), {"--backdrop", scene.backdrop, "--backdrop-position",
                                 number(scene.backdropX + dx) + "," + number(scene.backdropY + dy)});
    if (o.format == ExportFormat::Webp && o.lossy) args.insert(args.end(), {"--quality", std::to_string(o.quality)});
    if (o.format == ExportFormat::Gif && o.background == ExportBackground::Transparent)
        args.insert(args.end(), {"--matte", hexColour(o.matte)});
    args.push_back("--progress");
    return args;
}
