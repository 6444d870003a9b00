// Animated WebP and GIF files read back by readers nobody here wrote: Pillow (through a small script) and webpmux.
#pragma once

#include <json/json.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Runs animation_frames.py with `args` ("info FILE", "compare FILE DIR ...", "same A B") and parses its JSON answer.
testing::AssertionResult readAnimation(const std::vector<std::string>& args, Json::Value* out);

// What `webpmux -info FILE` prints, or a failure when it cannot read the file.
testing::AssertionResult webpmuxInfo(const std::string& file, std::string* out);
