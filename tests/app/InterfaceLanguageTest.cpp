// Which language the environment asks for, and the English catalog answering the lookups.
#include "app/InterfaceLanguage.h"

#include <gtest/gtest.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/translation.h>

#include <cstdlib>
#include <map>
#include <string>

namespace {

InterfaceLanguage Choose(const std::map<std::string, std::string>& environment) {
    return ChooseInterfaceLanguage([&](const char* name) -> const char* {
        const auto it = environment.find(name);
        return it == environment.end() ? nullptr : it->second.c_str();
    });
}

constexpr InterfaceLanguage zh = InterfaceLanguage::Chinese;
constexpr InterfaceLanguage en = InterfaceLanguage::English;

} // namespace

TEST(InterfaceLanguage, TheLocaleDecidesAndNoChoiceMeansTheTextsAsWritten) {
    EXPECT_EQ(Choose({}), zh);
    EXPECT_EQ(Choose({{"LANG", "en_US.UTF-8"}}), en);
    EXPECT_EQ(Choose({{"LANG", "de_DE.UTF-8"}}), en);
    EXPECT_EQ(Choose({{"LANG", "zh_CN.UTF-8"}}), zh);
    EXPECT_EQ(Choose({{"LANG", "zh_TW.Big5"}}), zh);
    for (const char* neutral : {"C", "C.UTF-8", "POSIX", ""}) EXPECT_EQ(Choose({{"LANG", neutral}}), zh) << neutral;
}

TEST(InterfaceLanguage, TheVariablesAreReadInGettextOrder) {
    // LANGUAGE before LC_ALL before LC_MESSAGES before LANG; empty ones are skipped.
    EXPECT_EQ(Choose({{"LANGUAGE", "en_GB:zh_CN"}, {"LC_ALL", "zh_CN.UTF-8"}}), en);
    EXPECT_EQ(Choose({{"LANGUAGE", "zh_CN:en"}, {"LANG", "en_US.UTF-8"}}), zh);
    EXPECT_EQ(Choose({{"LANGUAGE", ""}, {"LC_ALL", "C.UTF-8"}, {"LANG", "en_US.UTF-8"}}), zh);
    EXPECT_EQ(Choose({{"LC_MESSAGES", "en_US.UTF-8"}, {"LANG", "zh_CN.UTF-8"}}), en);
    EXPECT_EQ(Choose({{"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANG", "fr_FR.UTF-8"}}), en);
}

TEST(InterfaceLanguage, TheProgramsOwnVariableComesFirstWhenItNamesALanguage) {
    EXPECT_EQ(Choose({{"FLAREWICK_LANG", "en"}, {"LANG", "zh_CN.UTF-8"}}), en);
    EXPECT_EQ(Choose({{"FLAREWICK_LANG", "zh"}, {"LC_ALL", "en_US.UTF-8"}}), zh);
    // A value it does not know leaves the choice to the locale.
    EXPECT_EQ(Choose({{"FLAREWICK_LANG", "klingon"}, {"LANG", "en_US.UTF-8"}}), en);
    EXPECT_EQ(Choose({{"FLAREWICK_LANG", ""}, {"LANG", "zh_CN.UTF-8"}}), zh);
}

TEST(InterfaceLanguage, CatalogsAreFoundBesideTheProgramAndInItsInstallation) {
    const wxArrayString folders = CatalogFolders(wxS("/opt/fw/bin/flarewick"));
    ASSERT_EQ(folders.size(), 2u);
    EXPECT_EQ(folders[0], wxS("/opt/fw/bin/locale"));
    EXPECT_EQ(folders[1], wxS("/opt/fw/share/locale"));
}

TEST(InterfaceLanguage, EnglishAnswersFromTheInstalledCatalogAndChineseFromTheSource) {
    // A pretend installation: PREFIX/bin/flarewick and PREFIX/share/locale/en/LC_MESSAGES/flarewick.mo.
    const wxString prefix = wxFileName::CreateTempFileName(wxS("fw-lang"));
    wxRemoveFile(prefix);
    const wxString messages = prefix + wxS("/share/locale/en/LC_MESSAGES");
    ASSERT_TRUE(wxFileName::Mkdir(messages, 0700, wxPATH_MKDIR_FULL));
    const wxString program = prefix + wxS("/bin/flarewick");
    const wxString source = wxString::FromUTF8("显示版本号并退出");

    // No catalog yet: English cannot be had, and the texts stay as written.
    EXPECT_FALSE(UseInterfaceLanguage(InterfaceLanguage::English, program));
    EXPECT_EQ(CurrentInterfaceLanguage(), InterfaceLanguage::Chinese);
    EXPECT_EQ(wxGetTranslation(source), source);

    ASSERT_TRUE(wxCopyFile(wxS(FW_BINARY_DIR "/locale/en/LC_MESSAGES/flarewick.mo"), messages + wxS("/flarewick.mo")));
    EXPECT_TRUE(UseInterfaceLanguage(InterfaceLanguage::English, program));
    EXPECT_EQ(CurrentInterfaceLanguage(), InterfaceLanguage::English);
    EXPECT_EQ(wxGetTranslation(source), wxS("Show the version and exit"));
    // An empty text stays empty: the catalog's header is not an answer.
    EXPECT_EQ(wxGetTranslation(wxString()), wxString());
    // A text the catalog does not know is shown as written.
    EXPECT_EQ(wxGetTranslation(wxString::FromUTF8("没有这句")), wxString::FromUTF8("没有这句"));

    EXPECT_TRUE(UseInterfaceLanguage(InterfaceLanguage::Chinese, program));
    EXPECT_EQ(wxGetTranslation(source), source);
    wxFileName::Rmdir(prefix, wxPATH_RMDIR_RECURSIVE);
}
