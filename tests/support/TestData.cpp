// Reads of test data files that report a missing file by name.
#include "TestData.h"

#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace {

testing::AssertionResult missing(const std::string& path) {
    return testing::AssertionFailure() << "test data file " << path << " is missing or unreadable";
}

template <typename Buffer>
testing::AssertionResult readAll(const std::string& path, Buffer* out) {
    out->clear();
    if (!TestFileExists(path)) return missing(path);
    std::ifstream in(path, std::ios::binary);
    if (!in) return missing(path);
    out->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) return missing(path);
    return testing::AssertionSuccess();
}

} // namespace

std::string TestPlistsDir() {
    return std::string(FW_TESTDATA_DIR) + "/plists/";
}

testing::AssertionResult TestFileExists(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return missing(path);
    return testing::AssertionSuccess();
}

testing::AssertionResult ReadTestFile(const std::string& path, std::vector<unsigned char>* bytes) {
    return readAll(path, bytes);
}

testing::AssertionResult ReadTestFile(const std::string& path, std::string* text) {
    return readAll(path, text);
}
