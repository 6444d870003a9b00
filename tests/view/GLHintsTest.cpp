// Window hints: defaults, the known set, and the context requests they can make.
#include "view/GLHints.h"

#include <gtest/gtest.h>

using namespace GLLayer;

TEST(GLHints, DefaultsAndKnownHints) {
    GLHints h;
    EXPECT_EQ(h.clientApi, OpenglApi);
    EXPECT_EQ(h.versionMajor, 1);
    EXPECT_EQ(h.versionMinor, 0);
    EXPECT_TRUE(h.resizable && h.visible && h.decorated);
    EXPECT_EQ(h.depthBits, 24);
    EXPECT_EQ(h.stencilBits, 8);

    EXPECT_TRUE(ApplyHint(h, DepthBits, 16));
    EXPECT_TRUE(ApplyHint(h, Resizable, 0));
    EXPECT_EQ(h.depthBits, 16);
    EXPECT_FALSE(h.resizable);
}

TEST(GLHints, HintsOutsideTheKnownSetAreRejectedAndChangeNothing) {
    GLHints h;
    for (int unknown : {0, -1, 0x00020001 /* focused */, 0x00021010, 0x00022004 /* revision */,
                        0x0002200F /* refresh rate */}) {
        GLHints before = h;
        EXPECT_FALSE(ApplyHint(h, unknown, 5)) << std::hex << unknown;
        EXPECT_EQ(WantedFramebuffer(h).depthBits, WantedFramebuffer(before).depthBits);
    }
}

TEST(GLHints, NegativeBitCountsBecomeZero) {
    GLHints h;
    h.stencilBits = -3;
    h.redBits = -1;
    FramebufferConfig wanted = WantedFramebuffer(h);
    EXPECT_EQ(wanted.stencilBits, 0);
    EXPECT_EQ(wanted.redBits, 0);
    EXPECT_EQ(wanted.depthBits, 24);
}

TEST(GLHints, ContextRequestsThatCannotExistAreRefused) {
    int code = 0;
    std::string text;
    GLHints h;
    EXPECT_TRUE(ValidateContextHints(h, code, text));

    struct Case {
        int api, major, minor;
        bool forward;
        int profile;
        int expected;
    } cases[] = {
        {OpenglApi, 1, 6, false, 0, InvalidValue},
        {OpenglApi, 2, 2, false, 0, InvalidValue},
        {OpenglApi, 3, 4, false, 0, InvalidValue},
        {OpenglApi, 2, 1, true, 0, InvalidValue},
        {OpenglApi, 3, 1, false, CoreProfile, InvalidValue},
        {OpenglApi, 3, 2, false, 12345, InvalidEnum},
        {OpenglEsApi, 1, 2, false, 0, InvalidValue},
        {OpenglEsApi, 2, 0, false, CoreProfile, InvalidValue},
        {777, 1, 0, false, 0, InvalidEnum},
    };
    for (const Case& c : cases) {
        GLHints bad;
        bad.clientApi = c.api;
        bad.versionMajor = c.major;
        bad.versionMinor = c.minor;
        bad.forwardCompat = c.forward;
        bad.profile = c.profile;
        code = 0;
        EXPECT_FALSE(ValidateContextHints(bad, code, text)) << c.major << "." << c.minor;
        EXPECT_EQ(code, c.expected) << text;
        EXPECT_FALSE(text.empty());
    }

    GLHints fine;
    fine.versionMajor = 3;
    fine.versionMinor = 2;
    fine.profile = CoreProfile;
    fine.forwardCompat = true;
    EXPECT_TRUE(ValidateContextHints(fine, code, text));
    fine.robustness = 99;
    EXPECT_FALSE(ValidateContextHints(fine, code, text));
    EXPECT_EQ(code, InvalidEnum);
}
