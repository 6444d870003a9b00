// Small particle files made for the checker tests, and the pictures they name.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "ParticleFinding.h"

using PlistEntries = std::map<std::string, std::string>;

std::string realValue(double v);
std::string intValue(long long v);
std::string stringValue(const std::string& v);
std::string plistText(const PlistEntries& entries);

// A gravity-mode file the game shows exactly as written, naming "tex.png"
// (an RGBA picture with blend (1, 771)); write the picture beside it.
PlistEntries cleanEntries();

enum class PictureKind { Rgba, GreyAlpha, Rgb };
// A width x height picture: a soft spot whose colour depends on `tint`.
// RGBA pictures are premultiplied when the game loads them, grey+alpha ones
// are not, RGB ones have no alpha.
std::vector<unsigned char> pngBytes(PictureKind kind, int width, int height, int tint = 0);
// The plist text of an embedded picture: zlib-compressed, then base64.
std::string embeddedText(const std::vector<unsigned char>& fileBytes);

std::vector<std::string> codesOf(const std::vector<ParticleFinding>& findings);
