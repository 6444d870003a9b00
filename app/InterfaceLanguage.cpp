// Chooses the interface language from the environment and loads the English catalog.
#include "app/InterfaceLanguage.h"

#include <wx/filename.h>
#include <wx/translation.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {
InterfaceLanguage g_current = InterfaceLanguage::Chinese;

const char* const kCatalog = "flarewick";

// Reads catalogs only from the program's own folders: the toolkit's default
// loader asks the application object for its data folder, and the language is
// chosen before the application object exists (the usage text is translated).
class FolderCatalogLoader : public wxTranslationsLoader {
public:
    explicit FolderCatalogLoader(const wxArrayString& folders) : m_folders(folders) {}

    wxMsgCatalog* LoadCatalog(const wxString& domain, const wxString& language) override {
        const wxString file = find(domain, language);
        return file.empty() ? nullptr : wxMsgCatalog::CreateFromFile(file, domain);
    }

    wxArrayString GetAvailableTranslations(const wxString& domain) const override {
        wxArrayString languages;
        if (!find(domain, wxS("en")).empty()) languages.Add(wxS("en"));
        return languages;
    }

private:
    // The first "<folder>/<language>/LC_MESSAGES/<domain>.mo" that exists.
    wxString find(const wxString& domain, const wxString& language) const {
        for (const wxString& folder : m_folders) {
            const wxFileName file(folder + wxS("/") + language + wxS("/LC_MESSAGES"), domain, wxS("mo"));
            if (file.FileExists()) return file.GetFullPath();
        }
        return wxString();
    }

    wxArrayString m_folders;
};

bool StartsWith(const std::string& text, const char* prefix) {
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

// A locale name ("zh_CN.UTF-8", "en_GB", "C.UTF-8", "POSIX") to a language.
InterfaceLanguage LanguageOfLocale(const std::string& name) {
    if (name == "C" || name == "POSIX" || StartsWith(name, "C.") || StartsWith(name, "C@"))
        return InterfaceLanguage::Chinese;
    if (name == "zh" || StartsWith(name, "zh_") || StartsWith(name, "zh.") || StartsWith(name, "zh@"))
        return InterfaceLanguage::Chinese;
    return InterfaceLanguage::English;
}
} // namespace

InterfaceLanguage ChooseInterfaceLanguage(const EnvironmentLookup& lookup) {
    if (const char* chosen = lookup("FLAREWICK_LANG")) {
        const std::string value = chosen;
        if (value == "zh" || StartsWith(value, "zh_")) return InterfaceLanguage::Chinese;
        if (value == "en" || StartsWith(value, "en_")) return InterfaceLanguage::English;
    }
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = lookup(name);
        if (!value || !*value) continue;
        // LANGUAGE is a list of preferences ("en_GB:en"); the first one decides.
        std::string first = value;
        first = first.substr(0, first.find(':'));
        if (first.empty()) continue;
        return LanguageOfLocale(first);
    }
    return InterfaceLanguage::Chinese;
}

InterfaceLanguage ChooseInterfaceLanguage() {
    return ChooseInterfaceLanguage([](const char* name) -> const char* { return std::getenv(name); });
}

InterfaceLanguage CurrentInterfaceLanguage() {
    return g_current;
}

wxArrayString CatalogFolders(const wxString& executablePath) {
    const wxFileName executable(executablePath);
    wxFileName beside(executable.GetPath(), wxEmptyString);
    beside.AppendDir(wxS("locale"));
    wxFileName installed(executable.GetPath(), wxEmptyString);
    installed.RemoveLastDir();
    installed.AppendDir(wxS("share"));
    installed.AppendDir(wxS("locale"));
    wxArrayString folders;
    folders.Add(beside.GetPath());
    folders.Add(installed.GetPath());
    return folders;
}

bool UseInterfaceLanguage(InterfaceLanguage language, const wxString& executablePath) {
    g_current = InterfaceLanguage::Chinese;
    if (language == InterfaceLanguage::Chinese) {
        // The texts are written in Chinese: no catalog, and none left from before.
        wxTranslations::Set(nullptr);
        return true;
    }
    auto* translations = new wxTranslations;
    wxTranslations::Set(translations);
    translations->SetLoader(new FolderCatalogLoader(CatalogFolders(executablePath)));
    translations->SetLanguage(wxS("en"));
    // The catalog's source texts are the Chinese ones.
    if (!translations->AddCatalog(wxString::FromAscii(kCatalog), wxLANGUAGE_CHINESE_SIMPLIFIED) ||
        !translations->IsLoaded(wxString::FromAscii(kCatalog))) {
        wxTranslations::Set(nullptr);
        return false;
    }
    g_current = InterfaceLanguage::English;
    return true;
}
