// Numbers as the particle plist writes them, the same whatever locale the process has set.
#pragma once

#include <string>

// "%f" of the C locale: fixed point, six decimals, a full stop ("0.500000", "-1.000000").
std::string plistReal(double value);

// "%i": plain decimal digits.
std::string plistInteger(long long value);
