// JSON object text for the particle-info report.
#include "JsonWriter.h"

#include <cmath>
#include <cstdio>

JsonWriter::JsonWriter() : _text("{") {}

void JsonWriter::key(const std::string& name) {
    _text += _first ? "\n  " : ",\n  ";
    _first = false;
    _text += quote(name);
    _text += ": ";
}

void JsonWriter::addNumber(const std::string& name, double value) {
    key(name);
    _text += number(value);
}

void JsonWriter::addInt(const std::string& name, long long value) {
    key(name);
    _text += std::to_string(value);
}

void JsonWriter::addBool(const std::string& name, bool value) {
    key(name);
    _text += value ? "true" : "false";
}

void JsonWriter::addString(const std::string& name, const std::string& value) {
    key(name);
    _text += quote(value);
}

void JsonWriter::addNull(const std::string& name) {
    key(name);
    _text += "null";
}

void JsonWriter::addRaw(const std::string& name, const std::string& json) {
    key(name);
    _text += json;
}

std::string JsonWriter::finish() const { return _text + (_first ? "}\n" : "\n}\n"); }

std::string JsonWriter::number(double value) {
    if (!std::isfinite(value))
        return "null";
    char buf[64];
    // 9 significant digits give every float back exactly.
    std::snprintf(buf, sizeof buf, "%.9g", value);
    return buf;
}

namespace {

// Length of the valid UTF-8 sequence starting at s[i], or 0 when invalid.
size_t utf8Length(const std::string& s, size_t i) {
    const auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = b(i);
    size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size())
        return 0;
    for (size_t k = 1; k < n; ++k)
        if ((b(i + k) & 0xC0) != 0x80)
            return 0;
    if (n == 2 && c < 0xC2)
        return 0;  // overlong
    if (n == 3) {
        unsigned cp = ((c & 0x0Fu) << 12) | ((b(i + 1) & 0x3Fu) << 6) | (b(i + 2) & 0x3Fu);
        if (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))
            return 0;
    }
    if (n == 4) {
        unsigned cp = ((c & 0x07u) << 18) | ((b(i + 1) & 0x3Fu) << 12) | ((b(i + 2) & 0x3Fu) << 6) |
                      (b(i + 3) & 0x3Fu);
        if (cp < 0x10000 || cp > 0x10FFFF)
            return 0;
    }
    return n;
}

}  // namespace

std::string JsonWriter::quote(const std::string& text) {
    std::string out = "\"";
    for (size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        size_t n = utf8Length(text, i);
        if (n == 0) {
            out += "\\ufffd";
            ++i;
            continue;
        }
        if (n > 1) {
            out.append(text, i, n);
            i += n;
            continue;
        }
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += static_cast<char>(c);
                }
        }
        ++i;
    }
    out += "\"";
    return out;
}
