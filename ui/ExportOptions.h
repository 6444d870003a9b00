// What "导出动画" renders and how: the dialog's choices, kept for the rest of the session.
#pragma once

#include <optional>
#include <string>
#include <vector>

enum class ExportFormat { PngFrames, Sheet, Webp, Gif };
enum class ExportBackground { Transparent, Black, Scene };

struct ExportOptions {
    ExportFormat format = ExportFormat::PngFrames;
    int width = 0; // 0: the design resolution
    int height = 0;
    bool centred = false; // otherwise the effect sits where it is in the scene
    int fps = 30;
    double seconds = 0; // 0: the effect's duration, 2 s for an endless one
    double warmup = 0;
    ExportBackground background = ExportBackground::Transparent;
    std::optional<unsigned> seed;       // unset: the preview's fixed seed, else 1
    bool lossy = false;                 // WebP
    int quality = 80;                   // WebP when lossy
    unsigned char matte[3] = {0, 0, 0}; // GIF edges over a transparent background

    int frameCount() const;
};

// The choices of the dialog for the rest of this run of the program.
ExportOptions& SessionExportOptions();

// What one export needs to know of the scene besides the options.
struct ExportScene {
    std::string plistPath;                // the effect's parameters, written for the render
    std::vector<std::string> searchPaths; // where its texture may be
    float x = 0, y = 0;                   // the emitter in design coordinates
    std::string backdrop;                 // the scene's background file; empty: none
    float backdropX = 0, backdropY = 0;   // where the background node is in the scene
};

// The command line of particle-render for options that are complete (size,
// duration and seed filled in), writing to `out`.
std::vector<std::string> RenderArguments(const ExportOptions& options, const ExportScene& scene,
                                         const std::string& out);

// The file name extension of a format ("" for the folder of frames).
const char* ExportExtension(ExportFormat format);
