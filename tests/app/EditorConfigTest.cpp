// Reading and writing "editor-config.json": defaults, tolerance, preservation, safety.
#include "app/EditorConfig.h"

#include "TempDir.h"

#include <gtest/gtest.h>
#include <json/reader.h>

#include <cerrno>
#include <filesystem>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

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
    for (const char* text :
         {R"({"DesignWidth": "800", "DesignHeight": 600})", R"({"DesignWidth": 0, "DesignHeight": 600})",
          R"({"DesignWidth": -5, "DesignHeight": 600})", R"({"DesignWidth": 1e300, "DesignHeight": 600})",
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
    for (const char* text : {R"({"WorkPathes": "/data/fx"})", R"({"WorkPathes": 3})", R"({"WorkPathes": {"a": "/x"}})",
                             R"({"Other": 1})"}) {
        dir.write("editor-config.json", text);
        ASSERT_TRUE(LoadEditorConfig(dir.file("editor-config.json")));
        EXPECT_TRUE(ReadWorkPaths(EditorConfig).empty()) << text;
    }
    dir.write("editor-config.json", R"({"WorkPathes": ["/data/fx", 7, "/data/ui", null]})");
    ASSERT_TRUE(LoadEditorConfig(dir.file("editor-config.json")));
    EXPECT_EQ((std::vector<std::string>{"/data/fx", "/data/ui"}), ReadWorkPaths(EditorConfig));
}

TEST_F(EditorConfigTest, CommentsAreReadAndDroppedAtTheNextSave) {
    dir.write("editor-config.json", "// design size\n{\n  /* width */ \"DesignWidth\": 800,\n"
                                    "  \"DesignHeight\": 600 // height\n}\n");
    ASSERT_TRUE(LoadEditorConfig(dir.file("editor-config.json")));
    EXPECT_EQ(800, EditorConfig["DesignWidth"].asInt());
    EXPECT_EQ(600, EditorConfig["DesignHeight"].asInt());

    ASSERT_EQ(0, SaveEditorConfig(AddWorkPathChange("/w"), dir.file("editor-config.json")));
    std::string text = dir.read("editor-config.json");
    EXPECT_EQ(std::string::npos, text.find("//"));
    EXPECT_EQ(std::string::npos, text.find("/*"));
    Json::Value back = ParseStrict(text);
    EXPECT_EQ(800, back["DesignWidth"].asInt());
    EXPECT_EQ(600, back["DesignHeight"].asInt());
    // A complete file needs no backup.
    EXPECT_FALSE(dir.exists("editor-config.json.bak"));
}

TEST_F(EditorConfigTest, SaveChangesOnlyItsKeysAndKeepsUnknownOnes) {
    dir.write("editor-config.json",
              R"({"DesignWidth": 800, "DesignHeight": 600, "WorkPathes": ["/a"],
                  "Theme": {"name": "暗色", "sizes": [1, 2.5, true, null]}, "Ratio": 0.1})");
    ASSERT_TRUE(LoadEditorConfig(dir.file("editor-config.json")));
    const Json::Value before = EditorConfig;

    ASSERT_EQ(0, SaveEditorConfig(AddWorkPathChange("/b"), dir.file("editor-config.json")));
    Json::Value back = ParseStrict(dir.read("editor-config.json"));
    EXPECT_EQ(before["Theme"], back["Theme"]);
    EXPECT_EQ(800, back["DesignWidth"].asInt());
    EXPECT_EQ(600, back["DesignHeight"].asInt());
    EXPECT_EQ(2u, back["WorkPathes"].size());
    EXPECT_EQ("/b", back["WorkPathes"][1].asString());
    EXPECT_DOUBLE_EQ(0.1, back["Ratio"].asDouble());
    // The document in memory is what the file holds.
    EXPECT_EQ(back, EditorConfig);
    // A path listed already is not listed twice; a removed one goes wherever it stands.
    ASSERT_EQ(0, SaveEditorConfig(AddWorkPathChange("/a"), dir.file("editor-config.json")));
    ASSERT_EQ(0, SaveEditorConfig(RemoveWorkPathChange("/a"), dir.file("editor-config.json")));
    back = ParseStrict(dir.read("editor-config.json"));
    EXPECT_EQ((std::vector<std::string>{"/b"}), ReadWorkPaths(back));
    EXPECT_EQ(before["Theme"], back["Theme"]);
}

TEST_F(EditorConfigTest, WrittenTextIsIndentedByThreeSpacesWithTenDigitsAndUtf8) {
    EditorConfig["Nested"]["Value"] = 1.0 / 3.0;
    EditorConfig["Ratio"] = 0.1;
    EditorConfig["Name"] = "粒子";
    std::string text = WriteEditorConfigText(EditorConfig);
    EXPECT_NE(std::string::npos, text.find("\n   \"Nested\" : \n   {\n      \"Value\" : 0.3333333333\n")) << text;
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

    ASSERT_EQ(0, SaveEditorConfig(AddWorkPathChange("/w"), dir.file("editor-config.json")));
    EXPECT_EQ(original, dir.read("editor-config.json.bak"));
    EXPECT_EQ(800, ParseStrict(dir.read("editor-config.json"))["DesignWidth"].asInt());

    // Only the file as the user left it is backed up, not our own rewrite.
    ASSERT_EQ(0, SaveEditorConfig(DesignSizeChange(1024, 768), dir.file("editor-config.json")));
    EXPECT_EQ(original, dir.read("editor-config.json.bak"));
}

TEST_F(EditorConfigTest, FileWhoseRootIsNotAnObjectIsBackedUpAndIgnored) {
    dir.write("editor-config.json", "[1, 2, 3]");
    ASSERT_TRUE(LoadEditorConfig(dir.file("editor-config.json")));
    EXPECT_TRUE(EditorConfig.isObject());
    EXPECT_TRUE(EditorConfig.empty());
    ASSERT_EQ(0, SaveEditorConfig(DesignSizeChange(800, 600), dir.file("editor-config.json")));
    EXPECT_EQ("[1, 2, 3]", dir.read("editor-config.json.bak"));
    EXPECT_EQ(800, ParseStrict(dir.read("editor-config.json"))["DesignWidth"].asInt());
}

TEST_F(EditorConfigTest, AFileThatCannotBeWrittenIsLeftAsItWasAndTheChangeKeptInMemory) {
    const std::string original = R"({"DesignWidth": 800, "DesignHeight": 600})";
    dir.write("editor-config.json", original);
    ASSERT_TRUE(LoadEditorConfig(dir.file("editor-config.json")));
    // Made read-only by its owner: refused, even for root.
    ASSERT_EQ(0, chmod(dir.file("editor-config.json").c_str(), 0444));
    EXPECT_EQ(EACCES, SaveEditorConfig(DesignSizeChange(1024, 768), dir.file("editor-config.json")));
    EXPECT_EQ(original, dir.read("editor-config.json"));
    int w = 0, h = 0;
    ReadDesignSize(EditorConfig, w, h);
    EXPECT_EQ(1024, w);
    EXPECT_EQ(768, h);
    EXPECT_EQ(1u, std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()));

    // A folder that is not there says so.
    EXPECT_EQ(ENOENT, SaveEditorConfig(AddWorkPathChange("/w"), dir.file("gone/editor-config.json")));
    EXPECT_EQ(std::vector<std::string>{"/w"}, ReadWorkPaths(EditorConfig));

    ASSERT_EQ(0, chmod(dir.file("editor-config.json").c_str(), 0644));
    EXPECT_EQ(0, SaveEditorConfig(DesignSizeChange(1024, 768), dir.file("editor-config.json")));
    EXPECT_EQ(1024, ParseStrict(dir.read("editor-config.json"))["DesignWidth"].asInt());
}

TEST_F(EditorConfigTest, TwoEditorsStoringOneAfterTheOtherKeepEachOthersChanges) {
    dir.write("editor-config.json", R"({"WorkPathes": ["/shared"], "DesignWidth": 800, "DesignHeight": 600})");
    const std::string file = dir.file("editor-config.json");
    // Both started from the same file; each holds its own document.
    ASSERT_TRUE(LoadEditorConfig(file));
    Json::Value first = EditorConfig, second = EditorConfig;

    std::swap(EditorConfig, first);
    ASSERT_EQ(0, SaveEditorConfig(AddWorkPathChange("/first"), file));
    std::swap(EditorConfig, first);
    std::swap(EditorConfig, second);
    ASSERT_EQ(0, SaveEditorConfig(AddWorkPathChange("/second"), file));
    ASSERT_EQ(0, SaveEditorConfig(DesignSizeChange(1024, 768), file));
    std::swap(EditorConfig, second);
    std::swap(EditorConfig, first);
    ASSERT_EQ(0, SaveEditorConfig(RemoveWorkPathChange("/shared"), file));

    const Json::Value back = ParseStrict(dir.read("editor-config.json"));
    EXPECT_EQ((std::vector<std::string>{"/first", "/second"}), ReadWorkPaths(back));
    int w = 0, h = 0;
    ReadDesignSize(back, w, h);
    EXPECT_EQ(1024, w) << "the first editor's older size must not come back";
    EXPECT_EQ(768, h);
    EXPECT_EQ(back, EditorConfig);
}

TEST_F(EditorConfigTest, RecentFilesMergeAcrossEditorsNewestFirstAndLimited) {
    dir.write("editor-config.json", R"({"RecentFiles": ["/old.plist", 7, "/b.png"], "WorkPathes": ["/w"]})");
    const std::string file = dir.file("editor-config.json");
    ASSERT_TRUE(LoadEditorConfig(file));
    EXPECT_EQ((std::vector<std::string>{"/old.plist", "/b.png"}), ReadRecentFiles(EditorConfig));

    // Another editor's entry, written meanwhile, stays; a file used again moves up, once.
    dir.write("editor-config.json", R"({"RecentFiles": ["/other.csb", "/old.plist", "/b.png"], "WorkPathes": ["/w"]})");
    ASSERT_EQ(0, SaveEditorConfig(RecentFileAddedChange("/b.png", 3), file));
    Json::Value back = ParseStrict(dir.read("editor-config.json"));
    EXPECT_EQ((std::vector<std::string>{"/b.png", "/other.csb", "/old.plist"}), ReadRecentFiles(back));
    ASSERT_EQ(0, SaveEditorConfig(RecentFileAddedChange("/new.plist", 3), file));
    back = ParseStrict(dir.read("editor-config.json"));
    EXPECT_EQ((std::vector<std::string>{"/new.plist", "/b.png", "/other.csb"}), ReadRecentFiles(back));
    ASSERT_EQ(0, SaveEditorConfig(RecentFileRemovedChange("/b.png"), file));
    back = ParseStrict(dir.read("editor-config.json"));
    EXPECT_EQ((std::vector<std::string>{"/new.plist", "/other.csb"}), ReadRecentFiles(back));
    EXPECT_EQ((std::vector<std::string>{"/w"}), ReadWorkPaths(back)) << "other keys are kept";
}

TEST_F(EditorConfigTest, ALinkedFileStaysLinkedAndPlantedTemporariesAreNotFollowed) {
    fs::create_directory(dir.file("shared"));
    dir.write("shared/config.json", R"({"DesignWidth": 800, "DesignHeight": 600})");
    fs::create_symlink(dir.file("shared/config.json"), dir.file("editor-config.json"));
    dir.write("victim.txt", "precious");
    fs::create_symlink(dir.file("victim.txt"), dir.file("editor-config.json.tmp"));

    ASSERT_EQ(0, SaveEditorConfig(AddWorkPathChange("/w"), dir.file("editor-config.json")));
    EXPECT_TRUE(fs::is_symlink(dir.file("editor-config.json")));
    const Json::Value back = ParseStrict(dir.read("shared/config.json"));
    EXPECT_EQ(std::vector<std::string>{"/w"}, ReadWorkPaths(back));
    EXPECT_EQ(800, back["DesignWidth"].asInt());
    EXPECT_EQ("precious", dir.read("victim.txt"));
    EXPECT_EQ(1u, std::distance(fs::directory_iterator(dir.file("shared")), fs::directory_iterator()));
}

TEST_F(EditorConfigTest, SaveWithoutArgumentsWritesTheWorkingDirectoryFile) {
    char old[4096];
    ASSERT_NE(nullptr, getcwd(old, sizeof old));
    ASSERT_EQ(0, chdir(dir.path().c_str()));
    EXPECT_EQ(0, SaveEditorConfig(DesignSizeChange(720, 1280)));
    EditorConfig = Json::Value(Json::objectValue);
    EXPECT_TRUE(LoadEditorConfig());
    ASSERT_EQ(0, chdir(old));
    int w = 0, h = 0;
    ReadDesignSize(EditorConfig, w, h);
    EXPECT_EQ(720, w);
    EXPECT_EQ(1280, h);
}

} // namespace
