// base64: round trips, tolerated foreign characters, padding and broken input.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "base/base64.h"

namespace {

// Decodes text; `ok` tells whether the decoder produced a buffer.
std::string decode(const std::string& text, bool* ok = nullptr) {
    unsigned char* out = nullptr;
    const int n = cocos2d::base64Decode(reinterpret_cast<const unsigned char*>(text.data()),
                                        static_cast<unsigned int>(text.size()), &out);
    if (ok) *ok = out != nullptr;
    std::string result = out ? std::string(reinterpret_cast<char*>(out), static_cast<size_t>(n)) : std::string();
    free(out);
    return result;
}

std::string encode(const std::string& bytes) {
    char* out = nullptr;
    const int n = cocos2d::base64Encode(reinterpret_cast<const unsigned char*>(bytes.data()),
                                        static_cast<unsigned int>(bytes.size()), &out);
    std::string result = out ? std::string(out) : std::string("<null>");
    EXPECT_EQ(static_cast<size_t>(n), out ? result.size() : 0u);
    free(out);
    return result;
}

}  // namespace

TEST(Base64, EncodesWithPadding) {
    EXPECT_EQ(encode(""), "");
    EXPECT_EQ(encode("f"), "Zg==");
    EXPECT_EQ(encode("fo"), "Zm8=");
    EXPECT_EQ(encode("foo"), "Zm9v");
    EXPECT_EQ(encode("foobar"), "Zm9vYmFy");
    EXPECT_EQ(encode(std::string("\xff\xfe\x00", 3)), "//4A");
}

TEST(Base64, RoundTripOfEveryByteValueAndLength) {
    std::string all;
    for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
    for (size_t len = 0; len <= all.size(); len += 37) {
        const std::string part = all.substr(0, len);
        EXPECT_EQ(decode(encode(part)), part) << "length " << len;
    }
    EXPECT_EQ(decode(encode(all)), all);
}

TEST(Base64, SkipsLineBreaksAndForeignCharacters) {
    EXPECT_EQ(decode("Zm9v\r\nYmFy"), "foobar");
    EXPECT_EQ(decode("  Zm 9v\tYm*Fy  "), "foobar");
    EXPECT_EQ(decode(std::string("Zm9v\0YmFy", 9)), "foobar");
}

TEST(Base64, StopsAtTheFirstPaddingCharacter) {
    EXPECT_EQ(decode("Zg==Zm9v"), "f");
    EXPECT_EQ(decode("Zm8="), "fo");
    bool ok = false;
    EXPECT_EQ(decode("====", &ok), "");
    EXPECT_TRUE(ok);
}

TEST(Base64, UnpaddedTailsStillCarryTheirBytes) {
    EXPECT_EQ(decode("QQ"), "A");
    EXPECT_EQ(decode("QUI"), "AB");
}

TEST(Base64, ADanglingSingleDigitIsAnError) {
    bool ok = true;
    EXPECT_EQ(decode("Zm9vY", &ok), "");
    EXPECT_FALSE(ok);
    ok = true;
    decode("Q=", &ok);
    EXPECT_FALSE(ok);
}

TEST(Base64, NullArgumentsAreRefused) {
    unsigned char* out = reinterpret_cast<unsigned char*>(1);
    EXPECT_EQ(cocos2d::base64Decode(nullptr, 10, &out), 0);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(cocos2d::base64Decode(reinterpret_cast<const unsigned char*>("Zm9v"), 4, nullptr), 0);
    char* text = nullptr;
    EXPECT_EQ(cocos2d::base64Encode(nullptr, 3, &text), 0);
    EXPECT_EQ(text, nullptr);
}
