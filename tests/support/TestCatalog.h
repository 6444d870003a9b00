// An English catalog made in memory from a few entries, answering the toolkit's translation lookup for one test.
#pragma once

#include <wx/arrstr.h>
#include <wx/translation.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

// While it lives, wxGetTranslation answers from `entries` (Chinese source
// text to English, both UTF-8) the way the program's compiled catalog does,
// header included; texts it does not hold come back as they are. Afterwards
// the lookup is left without a catalog, as under a Chinese interface.
class TestCatalog {
public:
    explicit TestCatalog(std::map<std::string, std::string> entries) {
        // The header lives under the empty source text, as msgfmt writes it.
        entries[""] = "Content-Type: text/plain; charset=UTF-8\nPlural-Forms: nplurals=2; plural=(n != 1);\n";
        auto* translations = new wxTranslations;
        wxTranslations::Set(translations);
        translations->SetLoader(new Loader(moFile(entries)));
        translations->SetLanguage(wxS("en"));
        translations->AddCatalog(wxS("flarewick"), wxLANGUAGE_CHINESE_SIMPLIFIED);
    }
    ~TestCatalog() { wxTranslations::Set(nullptr); }
    TestCatalog(const TestCatalog&) = delete;
    TestCatalog& operator=(const TestCatalog&) = delete;

private:
    class Loader : public wxTranslationsLoader {
    public:
        explicit Loader(std::string bytes) : m_bytes(std::move(bytes)) {}
        wxMsgCatalog* LoadCatalog(const wxString& domain, const wxString& lang) override {
            if (lang != wxS("en")) return nullptr;
            return wxMsgCatalog::CreateFromData(wxScopedCharBuffer::CreateNonOwned(m_bytes.data(), m_bytes.size()),
                                                domain);
        }
        wxArrayString GetAvailableTranslations(const wxString&) const override {
            wxArrayString languages;
            languages.Add(wxS("en"));
            return languages;
        }

    private:
        std::string m_bytes;
    };

    // The GNU .mo layout: a header, the source and translation tables of
    // (length, offset) pairs in source order, then the NUL-ended strings.
    static std::string moFile(const std::map<std::string, std::string>& entries) {
        const uint32_t count = static_cast<uint32_t>(entries.size());
        const uint32_t sources = 28, targets = sources + 8 * count;
        std::vector<uint32_t> words = {0x950412de, 0, count, sources, targets, 0, targets + 8 * count};
        std::string strings;
        const uint32_t firstString = targets + 8 * count;
        std::vector<uint32_t> sourceTable, targetTable;
        for (int side = 0; side < 2; ++side) {
            for (const auto& entry : entries) {
                const std::string& text = side == 0 ? entry.first : entry.second;
                auto& table = side == 0 ? sourceTable : targetTable;
                table.push_back(static_cast<uint32_t>(text.size()));
                table.push_back(firstString + static_cast<uint32_t>(strings.size()));
                strings += text;
                strings += '\0';
            }
        }
        words.insert(words.end(), sourceTable.begin(), sourceTable.end());
        words.insert(words.end(), targetTable.begin(), targetTable.end());
        std::string bytes;
        for (uint32_t w : words)
            for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((w >> shift) & 0xff);
        return bytes + strings;
    }
};
