// The repository's test data and reads of it that fail the test, naming the file, when it is missing.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The particle plists and their textures under tests/data/plists, with a
// trailing slash.
std::string TestPlistsDir();

// Success when `path` is a readable regular file; the failure names it.
testing::AssertionResult TestFileExists(const std::string& path);

// Reads the whole file. Use as ASSERT_TRUE(ReadTestFile(path, &bytes)) so that
// a missing file stops the test with its name instead of handing on an
// empty buffer that a later index would run past.
testing::AssertionResult ReadTestFile(const std::string& path, std::vector<unsigned char>* bytes);
testing::AssertionResult ReadTestFile(const std::string& path, std::string* text);
