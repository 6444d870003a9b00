// ZipUtils: zlib, gzip and ccz unpacking, round trips and refusal of broken or oversized data.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "TempDir.h"
#include "base/ZipUtils.h"
#include "platform/CCFileUtils.h"

using cocos2d::ZipUtils;

namespace {

std::vector<unsigned char> sampleBytes(size_t n) {
    std::vector<unsigned char> bytes(n);
    unsigned int state = 12345;
    for (size_t i = 0; i < n; ++i) {
        state = state * 1103515245u + 12345u;
        // Half noise, half runs, so that it compresses but not to nothing.
        bytes[i] = (i / 64) % 2 ? static_cast<unsigned char>(state >> 24) : static_cast<unsigned char>(i / 64);
    }
    return bytes;
}

// Compresses with zlib's deflate; gzip wraps in a gzip header instead.
std::vector<unsigned char> deflateBytes(const std::vector<unsigned char>& in, bool gzip) {
    z_stream s;
    memset(&s, 0, sizeof(s));
    EXPECT_EQ(deflateInit2(&s, 9, Z_DEFLATED, gzip ? 15 + 16 : 15, 8, Z_DEFAULT_STRATEGY), Z_OK);
    std::vector<unsigned char> out(deflateBound(&s, in.size()) + 32);
    s.next_in = const_cast<unsigned char*>(in.data());
    s.avail_in = static_cast<uInt>(in.size());
    s.next_out = out.data();
    s.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(deflate(&s, Z_FINISH), Z_STREAM_END);
    out.resize(s.total_out);
    deflateEnd(&s);
    return out;
}

std::vector<unsigned char> cczOf(const std::vector<unsigned char>& in, unsigned int claimedLength) {
    std::vector<unsigned char> packed = deflateBytes(in, false);
    std::vector<unsigned char> file = {'C', 'C', 'Z', '!', 0, 0, 0, 2, 0, 0, 0, 0};
    for (int shift = 24; shift >= 0; shift -= 8) file.push_back(static_cast<unsigned char>(claimedLength >> shift));
    file.insert(file.end(), packed.begin(), packed.end());
    return file;
}

std::vector<unsigned char> inflated(std::vector<unsigned char> in, ssize_t hint = 0) {
    unsigned char* out = nullptr;
    const ssize_t n = hint ? ZipUtils::inflateMemoryWithHint(in.data(), static_cast<ssize_t>(in.size()), &out, hint)
                           : ZipUtils::inflateMemory(in.data(), static_cast<ssize_t>(in.size()), &out);
    std::vector<unsigned char> result;
    if (out) result.assign(out, out + n);
    EXPECT_EQ(out == nullptr, n == 0);
    free(out);
    return result;
}

void writeFile(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

TEST(ZipUtils, ZlibAndGzipRoundTrips) {
    const std::vector<unsigned char> original = sampleBytes(100000);
    EXPECT_EQ(inflated(deflateBytes(original, false)), original);
    EXPECT_EQ(inflated(deflateBytes(original, true)), original);
    // A tiny first buffer has to grow many times.
    EXPECT_EQ(inflated(deflateBytes(original, true), 16), original);
    // Output larger than the default first buffer of 256 KiB.
    const std::vector<unsigned char> big = sampleBytes(1500000);
    EXPECT_EQ(inflated(deflateBytes(big, false)), big);
}

TEST(ZipUtils, DetectsGzipAndCczHeaders) {
    const std::vector<unsigned char> gz = deflateBytes(sampleBytes(10), true);
    EXPECT_TRUE(ZipUtils::isGZipBuffer(gz.data(), static_cast<ssize_t>(gz.size())));
    EXPECT_FALSE(ZipUtils::isGZipBuffer(gz.data(), 1));
    EXPECT_FALSE(ZipUtils::isGZipBuffer(nullptr, 10));
    const std::vector<unsigned char> ccz = cczOf(sampleBytes(10), 10);
    EXPECT_TRUE(ZipUtils::isCCZBuffer(ccz.data(), static_cast<ssize_t>(ccz.size())));
    EXPECT_FALSE(ZipUtils::isCCZBuffer(ccz.data(), 15));
    EXPECT_FALSE(ZipUtils::isGZipBuffer(ccz.data(), static_cast<ssize_t>(ccz.size())));
}

TEST(ZipUtils, TruncatedOrDamagedStreamsFail) {
    std::vector<unsigned char> packed = deflateBytes(sampleBytes(50000), true);
    std::vector<unsigned char> truncated(packed.begin(), packed.begin() + static_cast<long>(packed.size() / 2));
    EXPECT_TRUE(inflated(truncated).empty());
    std::vector<unsigned char> damaged = packed;
    for (size_t i = 20; i < 60; ++i) damaged[i] ^= 0x5A;
    EXPECT_TRUE(inflated(damaged).empty());
    EXPECT_TRUE(inflated(std::vector<unsigned char>{'h', 'e', 'l', 'l', 'o'}).empty());
    unsigned char* out = nullptr;
    EXPECT_EQ(ZipUtils::inflateMemory(nullptr, 10, &out), 0);
    EXPECT_EQ(out, nullptr);
}

TEST(ZipUtils, CczRoundTripAndHeaderChecks) {
    const std::vector<unsigned char> original = sampleBytes(70000);
    std::vector<unsigned char> ccz = cczOf(original, static_cast<unsigned int>(original.size()));
    unsigned char* out = nullptr;
    const int n = ZipUtils::inflateCCZBuffer(ccz.data(), static_cast<ssize_t>(ccz.size()), &out);
    ASSERT_EQ(n, static_cast<int>(original.size()));
    EXPECT_EQ(std::vector<unsigned char>(out, out + n), original);
    free(out);

    // Wrong length in the header, unsupported version, compression or
    // encryption: all refused without output.
    std::vector<std::vector<unsigned char>> bad;
    bad.push_back(cczOf(original, static_cast<unsigned int>(original.size() - 1)));
    bad.push_back(cczOf(original, static_cast<unsigned int>(original.size() + 1)));
    bad.push_back(ccz);
    bad.back()[7] = 3;  // version 3
    bad.push_back(ccz);
    bad.back()[5] = 1;  // bzip2
    bad.push_back(ccz);
    bad.back()[3] = 'p';  // encrypted
    bad.push_back(std::vector<unsigned char>(ccz.begin(), ccz.begin() + 40));
    for (auto& b : bad) {
        out = reinterpret_cast<unsigned char*>(1);
        EXPECT_EQ(ZipUtils::inflateCCZBuffer(b.data(), static_cast<ssize_t>(b.size()), &out), -1);
        EXPECT_EQ(out, nullptr);
    }
}

TEST(ZipUtils, AbsurdSizesAreRefusedWithoutAllocating) {
    // A ccz header claiming 4 GiB.
    std::vector<unsigned char> ccz = cczOf(sampleBytes(100), 0xFFFFFFF0u);
    unsigned char* out = nullptr;
    EXPECT_EQ(ZipUtils::inflateCCZBuffer(ccz.data(), static_cast<ssize_t>(ccz.size()), &out), -1);
    EXPECT_EQ(out, nullptr);

    // A zlib bomb: 300 MiB of zeros inflate past the limit and are refused.
    const size_t bombSize = static_cast<size_t>(ZipUtils::kMaxInflatedSize) + 1024 * 1024;
    z_stream s;
    memset(&s, 0, sizeof(s));
    ASSERT_EQ(deflateInit(&s, 9), Z_OK);
    std::vector<unsigned char> zeros(1 << 20, 0);
    std::vector<unsigned char> packed(1 << 20);
    size_t fed = 0;
    s.next_out = packed.data();
    s.avail_out = static_cast<uInt>(packed.size());
    while (fed < bombSize) {
        s.next_in = zeros.data();
        s.avail_in = static_cast<uInt>(zeros.size());
        fed += zeros.size();
        ASSERT_EQ(deflate(&s, fed >= bombSize ? Z_FINISH : Z_NO_FLUSH), fed >= bombSize ? Z_STREAM_END : Z_OK);
    }
    packed.resize(s.total_out);
    deflateEnd(&s);
    EXPECT_TRUE(inflated(packed).empty());
}

TEST(ZipUtils, FileVariantsResolveThroughSearchPaths) {
    TempDir dir;
    const std::vector<unsigned char> original = sampleBytes(5000);
    writeFile(dir.file("data.gz"), deflateBytes(original, true));
    writeFile(dir.file("data.ccz"), cczOf(original, static_cast<unsigned int>(original.size())));
    writeFile(dir.file("plain.bin"), original);
    cocos2d::FileUtils::getInstance()->setSearchPaths({dir.path()});

    EXPECT_TRUE(ZipUtils::isGZipFile("data.gz"));
    EXPECT_FALSE(ZipUtils::isGZipFile("plain.bin"));
    EXPECT_TRUE(ZipUtils::isCCZFile("data.ccz"));
    EXPECT_FALSE(ZipUtils::isCCZFile("missing.ccz"));

    unsigned char* out = nullptr;
    int n = ZipUtils::inflateGZipFile("data.gz", &out);
    ASSERT_EQ(n, static_cast<int>(original.size()));
    EXPECT_EQ(0, memcmp(out, original.data(), original.size()));
    free(out);
    n = ZipUtils::inflateCCZFile(dir.file("data.ccz").c_str(), &out);
    ASSERT_EQ(n, static_cast<int>(original.size()));
    EXPECT_EQ(0, memcmp(out, original.data(), original.size()));
    free(out);
    EXPECT_EQ(ZipUtils::inflateGZipFile("plain.bin", &out), -1);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(ZipUtils::inflateCCZFile("missing.ccz", &out), -1);
    cocos2d::FileUtils::destroyInstance();
}
