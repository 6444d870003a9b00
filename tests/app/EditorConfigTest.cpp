// Reading and writing "editor-config.json": defaults, tolerance, preservation, safety.
#include "app/EditorConfig.h"

#include "TempDir.h"

#include <gtest/gtest.h>
#include <json/reader.h>

#include <filesystem>
#include <sstream>
#include <unistd.h>

namespace {

class EditorConfigTest : public ::testing::Test {
protected:
    void SetUp() override { EditorConfig = Json::Value(Json::objectValue); }

    // Parses text strictly, as a check that what we wrote is valid JSON.
    static Json::Value ParseStrict(const std::string& text) {
        Json::CharReaderBuilder b;
        Json::Value v;
        std::string errs;
        std::istringstream in(text);
        EXPECT_TRUE(Json::parseFromStream(b, in, &v, &errs)) << errs << "\n" << text;
        return v;
    }

    TempDir dir;
};

TEST_F(EditorConfigTest, MissingFileKeepsDefaultsAndCreatesNothing) {
    EXPECT_FALSE(LoadEditorConfig(dir.file("editor-config.json")));
    EXPECT_TRUE(EditorConfig.empty());
    int w = 0, h = 0;
    ReadDesignSize(EditorConfig, w, h);
    EXPECT_EQ(640, w);
    EXPECT_EQ(960, h);
    EXPECT_TRUE(ReadWorkPaths(EditorConfig).empty());
    EXPECT_FALSE(dir.exists("editor-config.json"));
}

TEST_F(EditorConfigTest, DesignSizeNeedsBothKeys) {
    int w = 0, h = 0;
    dir.write("editor-config.json", R"({"DesignWidth": 800})");
    ASSERT_TRUE(LoadEditorConfig(dir.file("editor-config.json")));
    ReadDesignSize(EditorConfig, w, h);
    EXPECT_EQ(640, w);
    EXPECT_EQ(960, h);

    dir.write("editor-config.json", R"({"DesignWidth": 800, "DesignHeight": 600})");
    ASSERT_TRUE(LoadEditorConfig(dir.file("editor-config.json")));
    ReadDesignSize(EditorConfig, w, h);
    EXPECT_EQ(800, w);
    EXPECT_EQ(600, h);
}

TEST_F(EditorConfigTest, DesignSizeThatCannotBeUsedFallsBackToDefaults) {
    int w = 0, h = 0;
    for (const char* text : {R"({"DesignWidth": "800", "DesignHeight": 600})",
                             R"({"DesignWidth": 0, "DesignHeight": 600})",
                             R"({"DesignWidth": -5, "DesignHeight": 600})",
                             R"({"DesignWidth": 1e300, "DesignHeight": 600})",
                             R"({"DesignWidth": [1], "DesignHeight": {}})"}) {
        dir.write("editor-config.json", text);
        ASSERT_TRUE(LoadEditorConfig(dir.file("editor-config.json")));
        ReadDesignSize(EditorConfig, w, h);
        EXPECT_EQ(640, w) << text;
        EXPECT_EQ(960, h) << text;
    }
    // A real number is read as an integer, as the dialog stores integers.
    dir.write("editor-config.json", R"({"DesignWidth": 1024.7, "DesignHeight": 768})");
    ASSERT_TRUE(LoadEditorConfig(dir.file("editor-config.json")));
    ReadDesignSize(EditorConfig, w, h);
    EXPECT_EQ(1024, w);
    EXPECT_EQ(768, h);
}

TEST_F(EditorConfigTest, WorkPathsOnlyFromAnArrayOfStrings) {
    for (const char* text : {R"({"WorkPathes": "/data/fx"})", R"({"WorkPathes": 3})",
                             R"({"WorkPathes": {"a": "/x"}})", R"({"Other": 1})"}) {
        dir.write("editor-config.json", text);
        ASSERT_TRUE(LoadEditorConfig(dir.file("editor-config.json")));
        EXPECT_TRUE(ReadWorkPaths(EditorConfig).empty()) << text;
    }
    dir.write("editor-config.json", R"({"WorkPathes": ["/data/fx", 7, "/data/ui", null]})");
    ASSERT_TRUE(LoadEditorConfig(dir.file("editor-config.json")));
    EXPECT_EQ((std::vector<std::string>{"/data/fx", "/data/ui"}), ReadWorkPaths(EditorConfig));
}

TEST_F(EditorConfigTest, CommentsAreReadAndDroppedAtTheNextSave) {
    dir.write("editor-config.json",
              "// design size\n{\n  /* width */ \"DesignWidth\": 800,\n"
              "  \"DesignHeight\": 600 // height\n}\n");
    ASSERT_TRUE(LoadEditorConfig(dir.file("editor-config.json")));
    EXPECT_EQ(800, EditorConfig["DesignWidth"].asInt());
    EXPECT_EQ(600, EditorConfig["DesignHeight"].asInt());

    ASSERT_TRUE(SaveEditorConfigTo(dir.file("editor-config.json")));
    std::string text = dir.read("editor-config.json");
    EXPECT_EQ(std::string::npos, text.find("//"));
    EXPECT_EQ(std::string::npos, text.find("/*"));
    Json::Value back = ParseStrict(text);
    EXPECT_EQ(800, back["DesignWidth"].asInt());
    EXPECT_EQ(600, back["DesignHeight"].asInt());
    // A complete file needs no backup.
    EXPECT_FALSE(dir.exists("editor-config.json.bak"));
}

TEST_F(EditorConfigTest, SaveRewritesEveryKeyAndKeepsUnknownOnes) {
    dir.write("editor-config.json",
              R"({"DesignWidth": 800, "DesignHeight": 600, "WorkPathes": ["/a"],
                  "Theme": {"name": "暗色", "sizes": [1, 2.5, true, null]}, "Ratio": 0.1})");
    ASSERT_TRUE(LoadEditorConfig(dir.file("editor-config.json")));
    const Json::Value before = EditorConfig;

    EditorConfig["WorkPathes"].append("/b");
    ASSERT_TRUE(SaveEditorConfigTo(dir.file("editor-config.json")));
    Json::Value back = ParseStrict(dir.read("editor-config.json"));
    EXPECT_EQ(before["Theme"], back["Theme"]);
    EXPECT_EQ(800, back["DesignWidth"].asInt());
    EXPECT_EQ(600, back["DesignHeight"].asInt());
    EXPECT_EQ(2u, back["WorkPathes"].size());
    EXPECT_EQ("/b", back["WorkPathes"][1].asString());
    EXPECT_DOUBLE_EQ(0.1, back["Ratio"].asDouble());
}

TEST_F(EditorConfigTest, WrittenTextIsIndentedByThreeSpacesWithTenDigitsAndUtf8) {
    EditorConfig["Nested"]["Value"] = 1.0 / 3.0;
    EditorConfig["Ratio"] = 0.1;
    EditorConfig["Name"] = "粒子";
    std::string text = WriteEditorConfigText(EditorConfig);
    EXPECT_NE(std::string::npos, text.find("\n   \"Nested\" : \n   {\n      \"Value\" : 0.3333333333\n"))
        << text;
    EXPECT_NE(std::string::npos, text.find("\"Ratio\" : 0.1\n")) << text;
    EXPECT_NE(std::string::npos, text.find("\"粒子\"")) << text;
    EXPECT_EQ(std::string::npos, text.find("\\u")) << text;
}

TEST_F(EditorConfigTest, UnparsableFileIsBackedUpBeforeTheFirstSave) {
    const std::string original = "{\"DesignWidth\": 800, \"DesignHeight\": 6";
    dir.write("editor-config.json", original);
    ASSERT_TRUE(LoadEditorConfig(dir.file("editor-config.json")));
    // The tolerant reader keeps what it had built before the error.
    EXPECT_EQ(800, EditorConfig["DesignWidth"].asInt());
    EXPECT_TRUE(EditorConfig.isMember("DesignHeight"));
    EXPECT_FALSE(dir.exists("editor-config.json.bak"));

    ASSERT_TRUE(SaveEditorConfigTo(dir.file("editor-config.json")));
    EXPECT_EQ(original, dir.read("editor-config.json.bak"));
    ParseStrict(dir.read("editor-config.json"));

    // Only the file as the user left it is backed up, not our own rewrite.
    EditorConfig["DesignWidth"] = 1024;
    ASSERT_TRUE(SaveEditorConfigTo(dir.file("editor-config.json")));
    EXPECT_EQ(original, dir.read("editor-config.json.bak"));
}

TEST_F(EditorConfigTest, FileWhoseRootIsNotAnObjectIsBackedUpAndIgnored) {
    dir.write("editor-config.json", "[1, 2, 3]");
    ASSERT_TRUE(LoadEditorConfig(dir.file("editor-config.json")));
    EXPECT_TRUE(EditorConfig.isObject());
    EXPECT_TRUE(EditorConfig.empty());
    EditorConfig["DesignWidth"] = 800;
    ASSERT_TRUE(SaveEditorConfigTo(dir.file("editor-config.json")));
    EXPECT_EQ("[1, 2, 3]", dir.read("editor-config.json.bak"));
}

TEST_F(EditorConfigTest, FailedWriteLeavesTheOldFileAndTheDocumentAlone) {
    const std::string original = R"({"DesignWidth": 800, "DesignHeight": 600})";
    dir.write("editor-config.json", original);
    ASSERT_TRUE(LoadEditorConfig(dir.file("editor-config.json")));
    EditorConfig["DesignWidth"] = 1024;
    const Json::Value inMemory = EditorConfig;

    // A directory where the temporary file must go makes the write fail even as root.
    std::filesystem::create_directory(dir.file("editor-config.json.tmp"));
    EXPECT_FALSE(SaveEditorConfigTo(dir.file("editor-config.json")));
    EXPECT_EQ(original, dir.read("editor-config.json"));
    EXPECT_EQ(inMemory, EditorConfig);
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("editor-config.json.tmp")));

    std::filesystem::remove(dir.file("editor-config.json.tmp"));
    EXPECT_TRUE(SaveEditorConfigTo(dir.file("editor-config.json")));
    EXPECT_EQ(1024, ParseStrict(dir.read("editor-config.json"))["DesignWidth"].asInt());
    EXPECT_FALSE(dir.exists("editor-config.json.tmp"));
}

TEST_F(EditorConfigTest, SaveWithoutArgumentsWritesTheWorkingDirectoryFile) {
    char old[4096];
    ASSERT_NE(nullptr, getcwd(old, sizeof old));
    ASSERT_EQ(0, chdir(dir.path().c_str()));
    EditorConfig["DesignWidth"] = 720;
    EditorConfig["DesignHeight"] = 1280;
    SaveEditorConfig();
    EditorConfig = Json::Value(Json::objectValue);
    EXPECT_TRUE(LoadEditorConfig());
    ASSERT_EQ(0, chdir(old));
    int w = 0, h = 0;
    ReadDesignSize(EditorConfig, w, h);
    EXPECT_EQ(720, w);
    EXPECT_EQ(1280, h);
}

}  // namespace
