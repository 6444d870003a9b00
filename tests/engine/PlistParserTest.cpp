// Plist reading and writing: element mapping, malformed input, and every real plist of the test data.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ParticleTestSupport.h"
#include "TempDir.h"
#include "TestData.h"
#include "platform/CCFileUtils.h"

using cocos2d::FileUtils;
using cocos2d::Value;
using cocos2d::ValueMap;
using cocos2d::ValueVector;

namespace {

ValueMap parse(const std::string& xml) {
    return FileUtils::getInstance()->getValueMapFromData(xml.data(), static_cast<int>(xml.size()));
}

std::string plist(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
           "<plist version=\"1.0\">\n" + body + "\n</plist>\n";
}

}  // namespace

TEST(PlistParser, EveryElementType) {
    const ValueMap m = parse(plist(
        "<dict>"
        "<key>s</key><string>hello &amp; &lt;world&gt;</string>"
        "<key>empty</key><string></string>"
        "<key>selfclosed</key><string/>"
        "<key>i</key><integer>-42</integer>"
        "<key>r</key><real>0.25</real>"
        "<key>t</key><true/>"
        "<key>f</key><false/>"
        "<key>arr</key><array><integer>1</integer><string>two</string><dict><key>k</key><real>3</real></dict></array>"
        "<key>d</key><dict><key>inner</key><string>x</string></dict>"
        "</dict>"));
    ASSERT_EQ(m.size(), 9u);
    EXPECT_EQ(m.at("s").getType(), Value::Type::STRING);
    EXPECT_EQ(m.at("s").asString(), "hello & <world>");
    EXPECT_EQ(m.at("empty").asString(), "");
    EXPECT_EQ(m.at("selfclosed").getType(), Value::Type::STRING);
    EXPECT_EQ(m.at("i").getType(), Value::Type::INTEGER);
    EXPECT_EQ(m.at("i").asInt(), -42);
    EXPECT_EQ(m.at("r").getType(), Value::Type::DOUBLE);
    EXPECT_DOUBLE_EQ(m.at("r").asDouble(), 0.25);
    EXPECT_EQ(m.at("t").getType(), Value::Type::BOOLEAN);
    EXPECT_TRUE(m.at("t").asBool());
    EXPECT_FALSE(m.at("f").asBool());
    const ValueVector& arr = m.at("arr").asValueVector();
    ASSERT_EQ(arr.size(), 3u);
    EXPECT_EQ(arr[0].asInt(), 1);
    EXPECT_EQ(arr[1].asString(), "two");
    EXPECT_DOUBLE_EQ(arr[2].asValueMap().at("k").asDouble(), 3.0);
    EXPECT_EQ(m.at("d").asValueMap().at("inner").asString(), "x");
}

TEST(PlistParser, NumbersKeepTheirTextConversions) {
    const ValueMap m = parse(plist(
        "<dict><key>a</key><integer>12abc</integer><key>b</key><integer>x</integer>"
        "<key>c</key><real>1e3</real><key>d</key><real>  770.0 </real><key>e</key><string>  padded </string></dict>"));
    EXPECT_EQ(m.at("a").asInt(), 12);
    EXPECT_EQ(m.at("b").asInt(), 0);
    EXPECT_DOUBLE_EQ(m.at("c").asDouble(), 1000.0);
    EXPECT_DOUBLE_EQ(m.at("d").asDouble(), 770.0);
    EXPECT_EQ(m.at("e").asString(), "  padded ");
}

TEST(PlistParser, DateDataAndUnknownElementsStoreNothing) {
    const ValueMap m = parse(plist(
        "<dict><key>when</key><date>2010-01-01T00:00:00Z</date>"
        "<key>blob</key><data>AAEC</data>"
        "<key>odd</key><banana>1</banana>"
        "<key>kept</key><integer>1</integer></dict>"));
    EXPECT_EQ(m.size(), 1u);
    EXPECT_EQ(m.count("when"), 0u);
    EXPECT_EQ(m.count("blob"), 0u);
    EXPECT_EQ(m.at("kept").asInt(), 1);
}

TEST(PlistParser, AValueWithoutItsKeyReusesTheLastKey) {
    const ValueMap m = parse(plist(
        "<dict><integer>7</integer><key>a</key><integer>1</integer><integer>2</integer>"
        "<key>b</key><dict><key>inner</key><integer>3</integer></dict><integer>4</integer></dict>"));
    EXPECT_EQ(m.at("").asInt(), 7);
    EXPECT_EQ(m.at("a").asInt(), 2);
    // The key seen last was the nested dictionary's.
    EXPECT_EQ(m.at("inner").asInt(), 4);
    EXPECT_EQ(m.at("b").asValueMap().at("inner").asInt(), 3);
}

TEST(PlistParser, MalformedInputGivesAnEmptyMap) {
    const std::vector<std::string> broken = {
        "",
        "not xml at all",
        plist("<dict><key>a</key><integer>1</integer>"),              // unclosed dict
        plist("<dict><key>a</key><integer>1</string></dict>"),        // mismatched tags
        plist("<dict><key>a<key></dict>"),
        plist("<dict a=1><key>a</key><string>x</string></dict>"),      // unquoted attribute
        "<?xml version=\"1.0\"?><plist><dict><key>a</key><string>x",  // truncated
        plist("<array><integer>1</integer></array>"),                  // no dictionary
        std::string("\0\0\0\0", 4),
    };
    for (const std::string& xml : broken) {
        EXPECT_TRUE(parse(xml).empty()) << xml;
    }
    EXPECT_TRUE(FileUtils::getInstance()->getValueMapFromData(nullptr, 10).empty());
    EXPECT_TRUE(FileUtils::getInstance()->getValueMapFromData("<dict/>", -1).empty());
}

TEST(PlistParser, NestingIsBounded) {
    std::string deep;
    for (int i = 0; i < 200; ++i) deep += "<key>k</key><dict>";
    deep += "<key>leaf</key><true/>";
    for (int i = 0; i < 200; ++i) deep += "</dict>";
    EXPECT_TRUE(parse(plist("<dict>" + deep + "</dict>")).empty());

    std::string shallow;
    for (int i = 0; i < 10; ++i) shallow += "<key>k</key><dict>";
    shallow += "<key>leaf</key><true/>";
    for (int i = 0; i < 10; ++i) shallow += "</dict>";
    const ValueMap m = parse(plist("<dict>" + shallow + "</dict>"));
    const ValueMap* level = &m;
    for (int i = 0; i < 10; ++i) level = &level->at("k").asValueMap();
    EXPECT_TRUE(level->at("leaf").asBool());
}

TEST(PlistParser, ByteOrderMarkCrlfAndBytesAfterTheDocument) {
    const std::string body =
        "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<plist version=\"1.0\">\r\n<dict>\r\n"
        "<key>a</key>\r\n<string>line1\r\nline2</string>\r\n</dict>\r\n</plist>";
    ValueMap m = parse(body);
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m.at("a").asString(), "line1\nline2");
    // Left-over text and stray end tags after </plist> end the document.
    m = parse(body + "QUJD==</string>\r\n    </dict>\r\n</plist>\r\n");
    EXPECT_EQ(m.at("a").asString(), "line1\nline2");
}

TEST(PlistParser, ArraysAsTheRoot) {
    TempDir dir;
    dir.write("list.plist", plist("<array><string>a</string><array><integer>2</integer></array><true/></array>"));
    const ValueVector v = FileUtils::getInstance()->getValueVectorFromFile(dir.file("list.plist"));
    ASSERT_EQ(v.size(), 3u);
    EXPECT_EQ(v[0].asString(), "a");
    EXPECT_EQ(v[1].asValueVector()[0].asInt(), 2);
    EXPECT_TRUE(v[2].asBool());
    dir.write("bad.plist", "<array><string>a</array>");
    EXPECT_TRUE(FileUtils::getInstance()->getValueVectorFromFile(dir.file("bad.plist")).empty());
    EXPECT_TRUE(FileUtils::getInstance()->getValueVectorFromFile(dir.file("none.plist")).empty());
}

TEST(PlistParser, WrittenPlistsReadBackTheSame) {
    TempDir dir;
    ValueMap inner;
    inner["x"] = Value(1.5);
    ValueMap m;
    m["name"] = Value("a <b> & \"c\"");
    m["count"] = Value(3);
    m["ratio"] = Value(0.5f);
    m["on"] = Value(true);
    m["off"] = Value(false);
    m["list"] = Value(ValueVector{Value(1), Value("s"), Value(inner)});
    m["inner"] = Value(inner);
    const std::string path = dir.file("out.plist");
    ASSERT_TRUE(FileUtils::getInstance()->writeValueMapToFile(m, path));
    const ValueMap back = FileUtils::getInstance()->getValueMapFromFile(path);
    ASSERT_EQ(back.size(), m.size());
    EXPECT_EQ(back.at("name").asString(), "a <b> & \"c\"");
    EXPECT_EQ(back.at("count").getType(), Value::Type::INTEGER);
    EXPECT_EQ(back.at("ratio").getType(), Value::Type::DOUBLE);
    EXPECT_FLOAT_EQ(back.at("ratio").asFloat(), 0.5f);
    EXPECT_TRUE(back.at("on").asBool());
    EXPECT_FALSE(back.at("off").asBool());
    EXPECT_EQ(back.at("list").asValueVector().size(), 3u);
    EXPECT_DOUBLE_EQ(back.at("inner").asValueMap().at("x").asDouble(), 1.5);
    const std::string text = FileUtils::getInstance()->getStringFromFile(path);
    EXPECT_NE(text.find("<true/>"), std::string::npos);
    EXPECT_NE(text.find("<integer>3</integer>"), std::string::npos);
    EXPECT_LT(text.find("<key>count</key>"), text.find("<key>name</key>"));
}

TEST(PlistParser, EveryRealTestPlistParsesWithItsParticleKeys) {
    const std::vector<std::string> files = plistsBelow(TestPlistsDir());
    EXPECT_EQ(files.size(), 42u);
    for (const std::string& rel : files) {
        const std::string path = TestPlistsDir() + rel;
        ASSERT_TRUE(TestFileExists(path));
        const ValueMap m = FileUtils::getInstance()->getValueMapFromFile(path);
        EXPECT_GE(m.size(), 40u) << rel;
        EXPECT_EQ(m.count("maxParticles"), 1u) << rel;
        EXPECT_EQ(m.count("textureFileName"), 1u) << rel;
    }
}

TEST(PlistParser, ValuesOfKnownTestPlists) {
    const std::string root = TestPlistsDir();
    for (const char* rel : {"diabloworld/kapai.plist", "cocos2d-x/ButterFly.plist", "cocos2d-objc/fire__61d3d3f.plist"})
        ASSERT_TRUE(TestFileExists(root + rel));
    // CRLF, byte-order mark and a left-over tail after </plist>.
    ValueMap m = FileUtils::getInstance()->getValueMapFromFile(root + "diabloworld/kapai.plist");
    EXPECT_EQ(m.at("textureFileName").asString(), "base.png");
    EXPECT_EQ(m.at("blendFuncSource").asInt(), 772);
    EXPECT_EQ(m.at("blendFuncSource").getType(), Value::Type::INTEGER);
    EXPECT_EQ(m.at("angle").getType(), Value::Type::DOUBLE);
    EXPECT_DOUBLE_EQ(m.at("angle").asDouble(), 90.0);
    // Blend factors written as <real>.
    m = FileUtils::getInstance()->getValueMapFromFile(root + "cocos2d-x/ButterFly.plist");
    EXPECT_EQ(m.at("blendFuncSource").getType(), Value::Type::DOUBLE);
    EXPECT_EQ(m.at("blendFuncSource").asInt(), 770);
    EXPECT_EQ(m.at("absolutePosition").getType(), Value::Type::BOOLEAN);
    EXPECT_FALSE(m.at("absolutePosition").asBool());
    // A hand-written template keeps maxParticles as a string.
    m = FileUtils::getInstance()->getValueMapFromFile(root + "cocos2d-objc/fire__61d3d3f.plist");
    EXPECT_EQ(m.at("maxParticles").getType(), Value::Type::STRING);
    EXPECT_EQ(m.at("maxParticles").asInt(), 50);
}
