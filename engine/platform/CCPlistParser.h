// Reads XML property lists (plist 1.0) into engine values.
#ifndef __CC_PLIST_PARSER_H__
#define __CC_PLIST_PARSER_H__

#include <cstddef>

#include "base/CCValue.h"

NS_CC_BEGIN

// Element mapping as the engine's reader has it: dict, array, key, string,
// integer (atoi), real (atof, a double), true and false. Other elements
// (date, data, unknown ones) store nothing. A value whose key is missing
// takes the most recent key seen. Any XML error, or nesting deeper than
// kMaxDepth, gives an empty result.
class PlistParser {
public:
    static const int kMaxDepth = 64;

    // The first dictionary of the document.
    static ValueMap parseMap(const char* xml, size_t length);
    // The first array of the document.
    static ValueVector parseVector(const char* xml, size_t length);
};

NS_CC_END

#endif  // __CC_PLIST_PARSER_H__
