// libFuzzer target: arbitrary bytes through the plist reader as a map and as a vector, and written back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/CCValue.h"
#include "platform/CCFileUtils.h"
#include "platform/CCPlistParser.h"
#include "platform/CCPlistWriter.h"

using namespace cocos2d;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > (1u << 20)) {
        return 0;
    }
    const char* xml = reinterpret_cast<const char*>(data);
    ValueMap map = FileUtils::getInstance()->getValueMapFromData(xml, static_cast<int>(size));
    ValueVector vector = PlistParser::parseVector(xml, size);
    // Whatever was read must survive a write and a second read unchanged.
    if (!map.empty()) {
        const std::string text = PlistWriter::documentFromMap(map);
        const ValueMap again = PlistParser::parseMap(text.data(), text.size());
        if (again.size() != map.size()) {
            __builtin_trap();
        }
    }
    for (const Value& v : vector) {
        (void)v.asString();
        (void)v.asFloat();
    }
    return 0;
}
