// Turns engine values into XML property-list documents (plist 1.0).
#ifndef __CC_PLIST_WRITER_H__
#define __CC_PLIST_WRITER_H__

#include <string>

#include "base/CCValue.h"

NS_CC_BEGIN

// Integers (and bytes, unsigned) become <integer>, float and double <real>,
// booleans <true/> or <false/>, strings <string>, maps <dict> with their keys
// in sorted order, vectors <array>. Null values are left out.
class PlistWriter {
public:
    static std::string documentFromMap(const ValueMap& dict);
    static std::string documentFromVector(const ValueVector& array);
};

NS_CC_END

#endif  // __CC_PLIST_WRITER_H__
