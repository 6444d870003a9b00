// ZipUtils: bounded zlib/gzip inflation and the ccz container.
#include "base/ZipUtils.h"

#include <zlib.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "base/CCData.h"
#include "platform/CCFileUtils.h"

NS_CC_BEGIN

namespace {

const ssize_t kDefaultHint = 256 * 1024;
const ssize_t kCCZHeaderSize = 16;

unsigned int readBigEndian32(const unsigned char* p) {
    return (static_cast<unsigned int>(p[0]) << 24) | (static_cast<unsigned int>(p[1]) << 16) |
           (static_cast<unsigned int>(p[2]) << 8) | static_cast<unsigned int>(p[3]);
}

unsigned short readBigEndian16(const unsigned char* p) {
    return static_cast<unsigned short>((p[0] << 8) | p[1]);
}

Data readWholeFile(const char* filename) {
    if (filename == nullptr) {
        return Data();
    }
    return FileUtils::getInstance()->getDataFromFile(filename);
}

}  // namespace

// ---- zlib and gzip ----

int ZipUtils::inflateMemoryWithHint(unsigned char* in, ssize_t inLength, unsigned char** out,
                                    ssize_t* outLength, ssize_t outLengthHint) {
    *out = nullptr;
    *outLength = 0;
    if (in == nullptr || inLength <= 0 || outLengthHint <= 0) {
        return Z_DATA_ERROR;
    }
    ssize_t capacity = outLengthHint < kMaxInflatedSize ? outLengthHint : kMaxInflatedSize;
    unsigned char* buffer = static_cast<unsigned char*>(malloc(static_cast<size_t>(capacity)));
    if (buffer == nullptr) {
        return Z_MEM_ERROR;
    }

    z_stream stream;
    memset(&stream, 0, sizeof(stream));
    // 15 + 32: largest window, and accept both zlib and gzip headers.
    int err = inflateInit2(&stream, 15 + 32);
    if (err != Z_OK) {
        free(buffer);
        return err;
    }

    ssize_t consumed = 0;
    ssize_t produced = 0;
    for (;;) {
        // zlib counts in uInt; feed and drain in chunks it can express.
        const ssize_t inChunk = inLength - consumed < 0x40000000 ? inLength - consumed : 0x40000000;
        const ssize_t outChunk = capacity - produced < 0x40000000 ? capacity - produced : 0x40000000;
        stream.next_in = in + consumed;
        stream.avail_in = static_cast<uInt>(inChunk);
        stream.next_out = buffer + produced;
        stream.avail_out = static_cast<uInt>(outChunk);

        err = inflate(&stream, Z_NO_FLUSH);
        consumed += inChunk - static_cast<ssize_t>(stream.avail_in);
        produced += outChunk - static_cast<ssize_t>(stream.avail_out);

        if (err == Z_STREAM_END) {
            break;
        }
        if (err != Z_OK && err != Z_BUF_ERROR) {
            break;
        }
        if (produced == capacity) {
            if (capacity >= kMaxInflatedSize) {
                err = Z_MEM_ERROR;
                break;
            }
            ssize_t grown = capacity * 2 < kMaxInflatedSize ? capacity * 2 : kMaxInflatedSize;
            unsigned char* bigger = static_cast<unsigned char*>(realloc(buffer, static_cast<size_t>(grown)));
            if (bigger == nullptr) {
                err = Z_MEM_ERROR;
                break;
            }
            buffer = bigger;
            capacity = grown;
            continue;
        }
        if (consumed == inLength) {
            // All input used, room left, yet no end of stream: truncated.
            err = Z_DATA_ERROR;
            break;
        }
        if (err == Z_BUF_ERROR) {
            err = Z_DATA_ERROR;
            break;
        }
    }
    inflateEnd(&stream);

    if (err != Z_STREAM_END) {
        free(buffer);
        return err == Z_OK ? Z_DATA_ERROR : err;
    }
    *out = buffer;
    *outLength = produced;
    return Z_OK;
}

ssize_t ZipUtils::inflateMemoryWithHint(unsigned char* in, ssize_t inLength, unsigned char** out,
                                        ssize_t outLengthHint) {
    if (out == nullptr) {
        return 0;
    }
    ssize_t outLength = 0;
    const int err = inflateMemoryWithHint(in, inLength, out, &outLength, outLengthHint);
    if (err != Z_OK || *out == nullptr) {
        free(*out);
        *out = nullptr;
        return 0;
    }
    return outLength;
}

int ZipUtils::inflateMemoryWithStatus(unsigned char* in, ssize_t inLength, unsigned char** out,
                                      ssize_t* outLength) {
    return inflateMemoryWithHint(in, inLength, out, outLength, kDefaultHint);
}

ssize_t ZipUtils::inflateMemory(unsigned char* in, ssize_t inLength, unsigned char** out) {
    return inflateMemoryWithHint(in, inLength, out, kDefaultHint);
}

bool ZipUtils::isGZipBuffer(const unsigned char* buffer, ssize_t len) {
    return buffer != nullptr && len >= 2 && buffer[0] == 0x1F && buffer[1] == 0x8B;
}

bool ZipUtils::isGZipFile(const char* filename) {
    const Data data = readWholeFile(filename);
    return isGZipBuffer(data.getBytes(), data.getSize());
}

int ZipUtils::inflateGZipFile(const char* filename, unsigned char** out) {
    if (out == nullptr) {
        return -1;
    }
    *out = nullptr;
    Data data = readWholeFile(filename);
    if (!isGZipBuffer(data.getBytes(), data.getSize())) {
        return -1;
    }
    const ssize_t length = inflateMemory(data.getBytes(), data.getSize(), out);
    if (length <= 0 || length > 0x7FFFFFFF) {
        free(*out);
        *out = nullptr;
        return -1;
    }
    return static_cast<int>(length);
}

// ---- ccz ----

bool ZipUtils::isCCZBuffer(const unsigned char* buffer, ssize_t len) {
    return buffer != nullptr && len >= kCCZHeaderSize && buffer[0] == 'C' && buffer[1] == 'C' &&
           buffer[2] == 'Z' && (buffer[3] == '!' || buffer[3] == 'p');
}

bool ZipUtils::isCCZFile(const char* filename) {
    const Data data = readWholeFile(filename);
    return isCCZBuffer(data.getBytes(), data.getSize());
}

int ZipUtils::inflateCCZBuffer(const unsigned char* buffer, ssize_t len, unsigned char** out) {
    if (out == nullptr) {
        return -1;
    }
    *out = nullptr;
    if (!isCCZBuffer(buffer, len) || buffer[3] != '!') {
        return -1;
    }
    const unsigned short compression = readBigEndian16(buffer + 4);
    const unsigned short version = readBigEndian16(buffer + 6);
    const unsigned int length = readBigEndian32(buffer + 12);
    if (version > 2 || compression != CCZ_COMPRESSION_ZLIB) {
        return -1;
    }
    if (length == 0 || static_cast<ssize_t>(length) > kMaxInflatedSize) {
        return -1;
    }
    unsigned char* data = static_cast<unsigned char*>(malloc(length));
    if (data == nullptr) {
        return -1;
    }
    uLongf destLength = length;
    const int err = uncompress(data, &destLength, buffer + kCCZHeaderSize,
                               static_cast<uLong>(len - kCCZHeaderSize));
    if (err != Z_OK || destLength != length) {
        free(data);
        return -1;
    }
    *out = data;
    return static_cast<int>(length);
}

int ZipUtils::inflateCCZFile(const char* filename, unsigned char** out) {
    if (out == nullptr) {
        return -1;
    }
    *out = nullptr;
    const Data data = readWholeFile(filename);
    return inflateCCZBuffer(data.getBytes(), data.getSize(), out);
}

NS_CC_END
