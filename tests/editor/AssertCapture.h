// Collects toolkit assertion messages during a test instead of showing a dialog.
#pragma once

#include <string>
#include <vector>

class AssertCapture {
public:
    AssertCapture();
    ~AssertCapture();
    AssertCapture(const AssertCapture&) = delete;
    AssertCapture& operator=(const AssertCapture&) = delete;

    // Messages (or, when a check has none, the failed condition) in order.
    const std::vector<std::string>& messages() const;
    void clear();
};
