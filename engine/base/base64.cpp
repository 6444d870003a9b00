// Base64 codec: tolerant decoder (skips foreign characters) and padded encoder.
#include "base/base64.h"

#include <climits>
#include <cstdlib>

namespace cocos2d {

namespace {

const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Value of a base64 digit, or -1 for a character outside the alphabet.
int digitValue(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

}  // namespace

int base64Decode(const unsigned char* in, unsigned int inLength, unsigned char** out) {
    if (out == nullptr) {
        return 0;
    }
    *out = nullptr;
    if (in == nullptr) {
        return 0;
    }
    const size_t capacity = static_cast<size_t>(inLength) / 4 * 3 + 3;
    unsigned char* buffer = static_cast<unsigned char*>(malloc(capacity));
    if (buffer == nullptr) {
        return 0;
    }
    size_t written = 0;
    unsigned int group = 0;
    int digits = 0;
    for (unsigned int i = 0; i < inLength; ++i) {
        if (in[i] == '=') {
            break;
        }
        const int value = digitValue(in[i]);
        if (value < 0) {
            continue;
        }
        group = (group << 6) | static_cast<unsigned int>(value);
        if (++digits == 4) {
            buffer[written++] = static_cast<unsigned char>(group >> 16);
            buffer[written++] = static_cast<unsigned char>(group >> 8);
            buffer[written++] = static_cast<unsigned char>(group);
            group = 0;
            digits = 0;
        }
    }
    // A tail of two or three digits carries one or two bytes, padded or not;
    // a lone digit cannot encode a whole byte.
    if (digits == 1) {
        free(buffer);
        return 0;
    }
    if (digits == 2) {
        buffer[written++] = static_cast<unsigned char>(group >> 4);
    } else if (digits == 3) {
        buffer[written++] = static_cast<unsigned char>(group >> 10);
        buffer[written++] = static_cast<unsigned char>(group >> 2);
    }
    if (written > static_cast<size_t>(INT_MAX)) {
        free(buffer);
        return 0;
    }
    *out = buffer;
    return static_cast<int>(written);
}

int base64Encode(const unsigned char* in, unsigned int inLength, char** out) {
    if (out == nullptr) {
        return 0;
    }
    *out = nullptr;
    if (in == nullptr && inLength > 0) {
        return 0;
    }
    const size_t length = (static_cast<size_t>(inLength) + 2) / 3 * 4;
    if (length > static_cast<size_t>(INT_MAX)) {
        return 0;
    }
    char* text = static_cast<char*>(malloc(length + 1));
    if (text == nullptr) {
        return 0;
    }
    size_t pos = 0;
    unsigned int i = 0;
    for (; i + 2 < inLength; i += 3) {
        const unsigned int group = (in[i] << 16) | (in[i + 1] << 8) | in[i + 2];
        text[pos++] = kAlphabet[(group >> 18) & 63];
        text[pos++] = kAlphabet[(group >> 12) & 63];
        text[pos++] = kAlphabet[(group >> 6) & 63];
        text[pos++] = kAlphabet[group & 63];
    }
    const unsigned int rest = inLength - i;
    if (rest > 0) {
        const unsigned int group = (in[i] << 16) | (rest == 2 ? (in[i + 1] << 8) : 0);
        text[pos++] = kAlphabet[(group >> 18) & 63];
        text[pos++] = kAlphabet[(group >> 12) & 63];
        text[pos++] = rest == 2 ? kAlphabet[(group >> 6) & 63] : '=';
        text[pos++] = '=';
    }
    text[pos] = '\0';
    *out = text;
    return static_cast<int>(pos);
}

}  // namespace cocos2d
