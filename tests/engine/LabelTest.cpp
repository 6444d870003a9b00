// Label and FontFreeType without a display: fonts found or defaulted, sizes, line breaks, alignment, colour.
#include <gtest/gtest.h>

#include <filesystem>

#include "2d/CCFontFreeType.h"
#include "2d/CCLabel.h"
#include "TempDir.h"
#include "platform/CCFileUtils.h"
#include "renderer/CCTexture2D.h"
#include "support/EngineTestSupport.h"

using namespace cocos2d;

namespace {

using LabelNode = EngineTest;

// First and last columns that hold any ink.
std::pair<int, int> inkColumns(const FontFreeType::TextImage& image) {
    int first = image.width, last = -1;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (image.rgba[(static_cast<size_t>(y) * image.width + x) * 4 + 3] > 128) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

TEST_F(LabelNode, SystemFontThatIsNoFileDrawsWithTheDefaultFont) {
    ASSERT_TRUE(std::filesystem::exists(FontFreeType::kDefaultFontPath)) << "install fonts-dejavu-core";
    Label* label = Label::createWithSystemFont("Hello", "Arial", 20);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->getFontPath(), FontFreeType::kDefaultFontPath);
    ASSERT_NE(label->getTexture(), nullptr);
    EXPECT_GT(label->getContentSize().width, 30);
    EXPECT_LT(label->getContentSize().width, 100);
    EXPECT_GE(label->getContentSize().height, 20);
    EXPECT_LT(label->getContentSize().height, 30);
    EXPECT_EQ(label->getAnchorPoint(), Vec2(0.5f, 0.5f));

    Label* big = Label::createWithSystemFont("Hello", "", 40);
    ASSERT_NE(big, nullptr);
    EXPECT_NEAR(big->getContentSize().width, 2 * label->getContentSize().width, 6);
}

TEST_F(LabelNode, TtfFontComesThroughTheSearchPathsAndAMissingOneFails) {
    TempDir dir;
    FileUtils::getInstance()->addSearchPath(dir.path());
    std::filesystem::copy_file(FontFreeType::kDefaultFontPath, dir.file("own.ttf"));
    Label* label = Label::createWithTTF("Text", "own.ttf", 18);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->getFontPath(), dir.file("own.ttf"));
    EXPECT_EQ(Label::createWithTTF("Text", "none.ttf", 18), nullptr);
    dir.write("bad.ttf", "not a font");
    EXPECT_EQ(Label::createWithTTF("Text", "bad.ttf", 18), nullptr);
    // As a system font name the broken file falls back to the default.
    Label* fallback = Label::createWithSystemFont("Text", "bad.ttf", 18);
    ASSERT_NE(fallback, nullptr);
    EXPECT_EQ(fallback->getFontPath(), FontFreeType::kDefaultFontPath);
    FileUtils::destroyInstance();
}

TEST_F(LabelNode, LinesBreakAtNewlinesAndAtTheBoxWidth) {
    Label* one = Label::createWithSystemFont("word", "", 16);
    Label* two = Label::createWithSystemFont("word\nword", "", 16);
    ASSERT_TRUE(one && two);
    EXPECT_FLOAT_EQ(two->getContentSize().height, 2 * one->getContentSize().height);
    EXPECT_FLOAT_EQ(two->getContentSize().width, one->getContentSize().width);

    Label* wrapped = Label::createWithSystemFont("aaa bbb ccc ddd", "", 16, Size(60, 0));
    ASSERT_NE(wrapped, nullptr);
    EXPECT_FLOAT_EQ(wrapped->getContentSize().width, 60);
    EXPECT_GE(wrapped->getContentSize().height, 2 * one->getContentSize().height);
}

TEST_F(LabelNode, AlignmentPlacesTheInkInTheBox) {
    FontFreeType* font = FontFreeType::getFont(FontFreeType::kDefaultFontPath);
    ASSERT_NE(font, nullptr);
    FontFreeType::TextImage left, right, centre;
    ASSERT_TRUE(font->render("ab", 20, Size(200, 40), TextHAlignment::LEFT, TextVAlignment::TOP, left));
    ASSERT_TRUE(font->render("ab", 20, Size(200, 40), TextHAlignment::RIGHT, TextVAlignment::TOP, right));
    ASSERT_TRUE(font->render("ab", 20, Size(200, 40), TextHAlignment::CENTER, TextVAlignment::TOP, centre));
    ASSERT_EQ(left.width, 200);
    EXPECT_LT(inkColumns(left).first, 5);
    EXPECT_GT(inkColumns(right).second, 190);
    const int middle = (inkColumns(centre).first + inkColumns(centre).second) / 2;
    EXPECT_NEAR(middle, 100, 6);
}

TEST_F(LabelNode, BadUtf8AndEmptyTextDoNotBreakIt) {
    Label* label = Label::createWithSystemFont("ok\xff\xfe\xc3", "", 14);
    ASSERT_NE(label, nullptr);
    EXPECT_GT(label->getContentSize().width, 0);
    label->setString("");
    EXPECT_EQ(label->getTexture(), nullptr);
    EXPECT_EQ(label->getContentSize(), Size::ZERO);
    label->setString(std::string(100000, 'w'));
    EXPECT_LE(label->getContentSize().width, FontFreeType::kMaxImageSide);
}

} // namespace
