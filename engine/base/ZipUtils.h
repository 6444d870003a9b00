// Unpacking of zlib, gzip and ccz compressed data (embedded plist textures, .ccz files).
#ifndef __SUPPORT_ZIPUTILS_H__
#define __SUPPORT_ZIPUTILS_H__

#include <sys/types.h>

#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

// Header of a .ccz file; every field is stored big-endian.
struct CCZHeader {
    unsigned char sig[4]; // "CCZ!" (plain) or "CCZp" (encrypted)
    unsigned short compression_type;
    unsigned short version;
    unsigned int reserved; // checksum of an encrypted file
    unsigned int len;      // size of the uncompressed data
};

enum {
    CCZ_COMPRESSION_ZLIB,
    CCZ_COMPRESSION_BZIP2,
    CCZ_COMPRESSION_GZIP,
    CCZ_COMPRESSION_NONE,
};

// All results are malloc'ed buffers that the caller frees with free().
// Outputs are limited to kMaxInflatedSize: larger claims are refused.
class CC_DLL ZipUtils {
public:
    // Largest buffer any inflate call produces (256 MiB).
    static const ssize_t kMaxInflatedSize = 256 * 1024 * 1024;

    // Inflates zlib or gzip data (the header is detected). Returns the
    // inflated length; 0 with *out null on any error, including truncation.
    static ssize_t inflateMemory(unsigned char* in, ssize_t inLength, unsigned char** out);
    // Same, starting with an output buffer of `outLengthHint` bytes.
    static ssize_t inflateMemoryWithHint(unsigned char* in, ssize_t inLength, unsigned char** out,
                                         ssize_t outLengthHint);

    // Inflates a gzip file found through the search paths; -1 on failure.
    static int inflateGZipFile(const char* filename, unsigned char** out);
    static bool isGZipFile(const char* filename);
    static bool isGZipBuffer(const unsigned char* buffer, ssize_t len);

    // Inflates a .ccz file found through the search paths; -1 on failure.
    static int inflateCCZFile(const char* filename, unsigned char** out);
    static bool isCCZFile(const char* filename);
    static bool isCCZBuffer(const unsigned char* buffer, ssize_t len);
    // Inflates ccz data held in memory; -1 with *out null on failure.
    // Encrypted ("CCZp") data is not supported and fails.
    static int inflateCCZBuffer(const unsigned char* buffer, ssize_t len, unsigned char** out);

    // Not in the engine's interface: inflateMemory, with the zlib status of
    // the outcome (Z_OK; Z_MEM_ERROR when the output would pass
    // kMaxInflatedSize; Z_DATA_ERROR for a damaged stream), so that a loader
    // can tell the user which of the two went wrong.
    static int inflateMemoryWithStatus(unsigned char* in, ssize_t inLength, unsigned char** out, ssize_t* outLength);

private:
    static int inflateMemoryWithHint(unsigned char* in, ssize_t inLength, unsigned char** out, ssize_t* outLength,
                                     ssize_t outLengthHint);
};

NS_CC_END

#endif // __SUPPORT_ZIPUTILS_H__
