// Choosing a framebuffer configuration from plain descriptions.
#include "view/FramebufferConfig.h"
#include "view/GLHints.h"

#include <gtest/gtest.h>

using GLLayer::ChooseFramebufferConfig;
using GLLayer::FramebufferConfig;

namespace {

FramebufferConfig Rgba(int r, int g, int b, int a, int depth, int stencil) {
    FramebufferConfig c;
    c.redBits = r;
    c.greenBits = g;
    c.blueBits = b;
    c.alphaBits = a;
    c.depthBits = depth;
    c.stencilBits = stencil;
    return c;
}

// What the engine view asks for with its default context attributes.
FramebufferConfig EngineWanted() { return GLLayer::WantedFramebuffer(GLLayer::GLHints{}); }

}  // namespace

TEST(FramebufferChoice, OnlySixteenBitDepthIsADifferenceNotAMissingBuffer) {
    std::vector<FramebufferConfig> offered = {
        Rgba(8, 8, 8, 8, 0, 8),   // no depth at all: one missing buffer
        Rgba(8, 8, 8, 8, 16, 8),  // shallower depth, nothing missing
    };
    EXPECT_EQ(ChooseFramebufferConfig(EngineWanted(), offered), 1);
}

TEST(FramebufferChoice, StencilCloserToTheWishWinsAndTiesKeepTheFirst) {
    FramebufferConfig wanted = EngineWanted();  // stencil 8
    std::vector<FramebufferConfig> offered = {Rgba(8, 8, 8, 8, 24, 16), Rgba(8, 8, 8, 8, 24, 8)};
    EXPECT_EQ(ChooseFramebufferConfig(wanted, offered), 1);

    // 4 and 12 are both 4 away from 8: the one listed first wins, in either order.
    std::vector<FramebufferConfig> tie = {Rgba(8, 8, 8, 8, 24, 4), Rgba(8, 8, 8, 8, 24, 12)};
    EXPECT_EQ(ChooseFramebufferConfig(wanted, tie), 0);
    std::swap(tie[0], tie[1]);
    EXPECT_EQ(ChooseFramebufferConfig(wanted, tie), 0);

    std::vector<FramebufferConfig> same = {Rgba(8, 8, 8, 8, 24, 8), Rgba(8, 8, 8, 8, 24, 8)};
    EXPECT_EQ(ChooseFramebufferConfig(wanted, same), 0);
}

TEST(FramebufferChoice, MissingBuffersOutweighColourAndColourOutweighsTheRest) {
    FramebufferConfig wanted = EngineWanted();
    // Exact colour but no stencil loses to a poorer colour with every buffer.
    std::vector<FramebufferConfig> offered = {Rgba(8, 8, 8, 8, 24, 0), Rgba(5, 6, 5, 8, 24, 8)};
    EXPECT_EQ(ChooseFramebufferConfig(wanted, offered), 1);
    // With nothing missing, colour decides before depth does.
    offered = {Rgba(5, 6, 5, 8, 24, 8), Rgba(8, 8, 8, 8, 16, 8)};
    EXPECT_EQ(ChooseFramebufferConfig(wanted, offered), 1);
}

TEST(FramebufferChoice, ChannelsNotAskedForAreIgnoredAndStereoIsRequiredWhenWanted) {
    FramebufferConfig wanted = Rgba(8, 8, 8, 0, 0, 0);
    std::vector<FramebufferConfig> offered = {Rgba(8, 8, 8, 8, 24, 8), Rgba(8, 8, 8, 0, 0, 0)};
    EXPECT_EQ(ChooseFramebufferConfig(wanted, offered), 0);

    wanted.stereo = true;
    EXPECT_EQ(ChooseFramebufferConfig(wanted, offered), -1);
    offered[1].stereo = true;
    EXPECT_EQ(ChooseFramebufferConfig(wanted, offered), 1);
    EXPECT_EQ(ChooseFramebufferConfig(wanted, {}), -1);
}

TEST(FramebufferChoice, AuxiliaryBuffersAndSamplesCountAsMissing) {
    FramebufferConfig wanted = EngineWanted();
    wanted.auxBuffers = 2;
    wanted.samples = 4;
    FramebufferConfig noAux = Rgba(8, 8, 8, 8, 24, 8);  // 2 aux + samples missing = 3
    FramebufferConfig noStencilAndDepth = Rgba(8, 8, 8, 8, 0, 0);
    noStencilAndDepth.auxBuffers = 2;
    noStencilAndDepth.samples = 4;  // 2 missing
    EXPECT_EQ(ChooseFramebufferConfig(wanted, {noAux, noStencilAndDepth}), 1);
}
