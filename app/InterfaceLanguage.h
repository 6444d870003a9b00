// The language the interface speaks: Chinese (the texts as written) or English (the catalog).
#pragma once

#include <wx/arrstr.h>
#include <wx/string.h>

#include <functional>

enum class InterfaceLanguage { Chinese, English };

// Reads one environment variable; nullptr when it is not set.
using EnvironmentLookup = std::function<const char*(const char* name)>;

// FLAREWICK_LANG ("zh" or "en") when it names one of them; else the first of
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG that is set and not empty. Chinese for
// zh_*, and for C, C.*, POSIX or no locale at all, so that the interface stays
// as written where nobody chose a language; English for every other language.
InterfaceLanguage ChooseInterfaceLanguage(const EnvironmentLookup& lookup);
InterfaceLanguage ChooseInterfaceLanguage(); // from this process's environment

// The language chosen for this run (Chinese until UseInterfaceLanguage ran).
InterfaceLanguage CurrentInterfaceLanguage();

// Makes the toolkit's translation lookup answer in `language`. For English the
// catalog "flarewick.mo" is looked for under "locale/en/LC_MESSAGES/" beside
// the executable (a build folder) and under "../share/locale/en/LC_MESSAGES/"
// (an installation). False when English was asked for and no catalog was
// found; the interface then stays Chinese.
bool UseInterfaceLanguage(InterfaceLanguage language, const wxString& executablePath);

// The folders UseInterfaceLanguage looks in for "<language>/LC_MESSAGES/flarewick.mo".
wxArrayString CatalogFolders(const wxString& executablePath);
