// Binding framebuffer entry points from the ARB or EXT extension.
#include "view/FramebufferEntryPoints.h"

#include <GL/glew.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_asked;
char g_marker[17];

void* Fake(const char* name) {
    g_asked.push_back(name);
    // The third entry point is missing: its pointer must become null.
    if (g_asked.size() == 3) return nullptr;
    return &g_marker[g_asked.size() - 1];
}

class FramebufferBinding : public testing::Test {
protected:
    void SetUp() override {
        g_asked.clear();
        __glewGenFramebuffers = nullptr;
        __glewDeleteRenderbuffers = reinterpret_cast<PFNGLDELETERENDERBUFFERSPROC>(&g_marker[5]);
    }
    void TearDown() override {
        __glewGenFramebuffers = nullptr;
        __glewDeleteRenderbuffers = nullptr;
        __glewGenerateMipmap = nullptr;
        __glewIsRenderbuffer = nullptr;
    }
};

}  // namespace

TEST_F(FramebufferBinding, OnlyTheExtExtensionGivesSuffixedNamesInOrder) {
    EXPECT_TRUE(FramebufferEntryPoints::Bind("GL_ARB_multitexture GL_EXT_framebuffer_object", Fake));
    ASSERT_EQ(g_asked.size(), 17u);
    EXPECT_EQ(g_asked[0], "glIsRenderbufferEXT");
    EXPECT_EQ(g_asked[5], "glGetRenderbufferParameterivEXT");
    EXPECT_EQ(g_asked[16], "glGenerateMipmapEXT");
    EXPECT_EQ(reinterpret_cast<void*>(__glewIsRenderbuffer), &g_marker[0]);
    EXPECT_EQ(reinterpret_cast<void*>(__glewGenFramebuffers), &g_marker[9]);
    EXPECT_EQ(reinterpret_cast<void*>(__glewGenerateMipmap), &g_marker[16]);
    EXPECT_EQ(__glewDeleteRenderbuffers, nullptr);  // a null result replaces GLEW's pointer
}

TEST_F(FramebufferBinding, BothExtensionsGivePlainNames) {
    EXPECT_TRUE(FramebufferEntryPoints::Bind("GL_EXT_framebuffer_object GL_ARB_framebuffer_object", Fake));
    ASSERT_EQ(g_asked.size(), 17u);
    for (size_t i = 0; i < 17; ++i) EXPECT_EQ(g_asked[i], FramebufferEntryPoints::kNames[i]);
}

TEST_F(FramebufferBinding, NothingIsTouchedWhenGlewHasTheEntryPointOrNoExtensionExists) {
    EXPECT_FALSE(FramebufferEntryPoints::Bind("GL_ARB_multitexture", Fake));
    EXPECT_FALSE(FramebufferEntryPoints::Bind(nullptr, Fake));
    EXPECT_TRUE(g_asked.empty());

    __glewGenFramebuffers = reinterpret_cast<PFNGLGENFRAMEBUFFERSPROC>(&g_marker[1]);
    EXPECT_TRUE(FramebufferEntryPoints::Bind("GL_ARB_framebuffer_object", Fake));
    EXPECT_TRUE(g_asked.empty());
    EXPECT_EQ(reinterpret_cast<void*>(__glewDeleteRenderbuffers), &g_marker[5]);
}
