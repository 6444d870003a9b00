// Saving a plist document: the bytes on disk, the temporary file renamed into place, failures that keep the old file.
#include "ParticleTestSupport.h"
#include "TempDir.h"

#include "particle/PlistDocument.h"

#include <wx/xml/xml.h>

#include <sys/stat.h>

#include <cerrno>

#include <filesystem>

namespace {

void fill(wxXmlNode* dict) {
    auto* key = new wxXmlNode(wxXML_ELEMENT_NODE, wxS("key"));
    key->AddChild(new wxXmlNode(wxXML_TEXT_NODE, wxString(), wxS("a")));
    dict->AddChild(key);
    auto* value = new wxXmlNode(wxXML_ELEMENT_NODE, wxS("integer"));
    value->AddChild(new wxXmlNode(wxXML_TEXT_NODE, wxString(), wxS("1")));
    dict->AddChild(value);
}

int filesIn(const std::string& dir) {
    int n = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        (void)entry;
        ++n;
    }
    return n;
}

}

TEST(PlistDocument, WritesTheShellIndentedByTwoAndNothingBeside) {
    TempDir dir;
    ASSERT_TRUE(PlistDocument::save(fill, wxString::FromUTF8(dir.file("out.plist"))));
    EXPECT_EQ(dir.read("out.plist"), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                     "<plist>\n"
                                     "  <dict>\n"
                                     "    <key>a</key>\n"
                                     "    <integer>1</integer>\n"
                                     "  </dict>\n"
                                     "</plist>\n");
    EXPECT_EQ(dir.read("out.plist"), PlistDocument::text(fill));
    EXPECT_EQ(filesIn(dir.path()), 1) << "a temporary file was left behind";
}

TEST(PlistDocument, ReplacesAnExistingFileWhole) {
    TempDir dir;
    dir.write("out.plist", std::string(100000, 'x'));
    ASSERT_TRUE(PlistDocument::save(fill, wxString::FromUTF8(dir.file("out.plist"))));
    EXPECT_EQ(dir.read("out.plist"), PlistDocument::text(fill));
}

TEST(PlistDocument, AFailedSaveReportsFalseAndLeavesTheOldFileIntact) {
    TempDir dir;
    dir.write("old.plist", "old content");
    // A folder where the file should go: the rename cannot replace it.
    std::filesystem::create_directory(dir.file("folder.plist"));
    int error = 0;
    EXPECT_FALSE(PlistDocument::save(fill, wxString::FromUTF8(dir.file("folder.plist")), &error));
    EXPECT_EQ(error, EISDIR);
    // A folder that does not exist.
    EXPECT_FALSE(PlistDocument::save(fill, wxString::FromUTF8(dir.file("missing/out.plist")), &error));
    EXPECT_EQ(error, ENOENT);
    EXPECT_FALSE(PlistDocument::save(fill, wxString(), &error));
    EXPECT_EQ(error, ENOENT);
    // A file made read-only, for root as well.
    dir.write("locked.plist", "old content");
    ::chmod(dir.file("locked.plist").c_str(), 0444);
    EXPECT_FALSE(PlistDocument::save(fill, wxString::FromUTF8(dir.file("locked.plist")), &error));
    EXPECT_EQ(error, EACCES);
    EXPECT_EQ(dir.read("locked.plist"), "old content");
    EXPECT_TRUE(PlistDocument::save(fill, wxString::FromUTF8(dir.file("out.plist")), &error));
    EXPECT_EQ(error, 0);
    // A read-only folder holding the old file: no temporary file can be made
    // beside it (root may write anyway, so only check when it could not).
    std::filesystem::create_directory(dir.file("ro"));
    dir.write("ro/old.plist", "old content");
    ::chmod(dir.file("ro").c_str(), 0555);
    const bool saved = PlistDocument::save(fill, wxString::FromUTF8(dir.file("ro/old.plist")));
    if (::geteuid() != 0) {
        EXPECT_FALSE(saved);
        EXPECT_EQ(dir.read("ro/old.plist"), "old content");
    }
    ::chmod(dir.file("ro").c_str(), 0755);
    EXPECT_EQ(dir.read("old.plist"), "old content");
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder.plist")));
    EXPECT_EQ(filesIn(dir.path()), 5) << "a temporary file was left behind";
}
