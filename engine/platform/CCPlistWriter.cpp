// PlistWriter: text generation of plist documents with XML escaping.
#include "platform/CCPlistWriter.h"

#include <algorithm>
#include <vector>

NS_CC_BEGIN

namespace {

const char kHeader[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" \"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
    "<plist version=\"1.0\">\n";

std::string escaped(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c; break;
        }
    }
    return out;
}

void writeValue(const Value& value, int depth, std::string& out);

void writeMap(const ValueMap& map, int depth, std::string& out) {
    const std::string pad(static_cast<size_t>(depth), '\t');
    std::vector<const ValueMap::value_type*> items;
    for (const auto& item : map) {
        if (!item.second.isNull()) {
            items.push_back(&item);
        }
    }
    std::sort(items.begin(), items.end(), [](const ValueMap::value_type* a, const ValueMap::value_type* b) {
        return a->first < b->first;
    });
    out += pad + "<dict>\n";
    for (const auto* item : items) {
        out += pad + "\t<key>" + escaped(item->first) + "</key>\n";
        writeValue(item->second, depth + 1, out);
    }
    out += pad + "</dict>\n";
}

void writeVector(const ValueVector& vector, int depth, std::string& out) {
    const std::string pad(static_cast<size_t>(depth), '\t');
    out += pad + "<array>\n";
    for (const Value& item : vector) {
        writeValue(item, depth + 1, out);
    }
    out += pad + "</array>\n";
}

void writeValue(const Value& value, int depth, std::string& out) {
    const std::string pad(static_cast<size_t>(depth), '\t');
    switch (value.getType()) {
        case Value::Type::BYTE:
        case Value::Type::INTEGER:
        case Value::Type::UNSIGNED: out += pad + "<integer>" + value.asString() + "</integer>\n"; break;
        case Value::Type::FLOAT:
        case Value::Type::DOUBLE: out += pad + "<real>" + value.asString() + "</real>\n"; break;
        case Value::Type::BOOLEAN: out += pad + (value.asBool() ? "<true/>\n" : "<false/>\n"); break;
        case Value::Type::STRING: out += pad + "<string>" + escaped(value.asString()) + "</string>\n"; break;
        case Value::Type::MAP: writeMap(value.asValueMap(), depth, out); break;
        case Value::Type::VECTOR: writeVector(value.asValueVector(), depth, out); break;
        case Value::Type::INT_KEY_MAP: {
            ValueMap byText;
            for (const auto& item : value.asIntKeyMap()) {
                byText[std::to_string(item.first)] = item.second;
            }
            writeMap(byText, depth, out);
            break;
        }
        case Value::Type::NONE: break;
    }
}

}  // namespace

std::string PlistWriter::documentFromMap(const ValueMap& dict) {
    std::string out = kHeader;
    writeMap(dict, 0, out);
    out += "</plist>\n";
    return out;
}

std::string PlistWriter::documentFromVector(const ValueVector& array) {
    std::string out = kHeader;
    writeVector(array, 0, out);
    out += "</plist>\n";
    return out;
}

NS_CC_END
