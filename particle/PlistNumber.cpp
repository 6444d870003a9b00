// Locale-independent number text for the particle plist.
#include "particle/PlistNumber.h"

#include <charconv>

// std::to_chars never consults the locale, unlike printf, whose "%f" gives
// "0,500000" once a translation library has set a comma locale.
std::string plistReal(double value) {
    // 1e308 in fixed notation takes 309 digits before the point.
    char buffer[400];
    const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    return std::string(buffer, r.ptr);
}

std::string plistInteger(long long value) {
    char buffer[32];
    const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, r.ptr);
}
