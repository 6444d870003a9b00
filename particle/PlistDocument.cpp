// Serialises the plist document and writes it into place with the engine's safe writer.
#include "particle/PlistDocument.h"

#include "editor/FilePathBytes.h"

#include "platform/CCFileReplace.h"

#include <wx/mstream.h>
#include <wx/xml/xml.h>

#include <cerrno>

std::string PlistDocument::text(const Filler& fill) {
    wxXmlDocument document;
    auto* plist = new wxXmlNode(wxXML_ELEMENT_NODE, wxS("plist"));
    document.SetRoot(plist);
    auto* dict = new wxXmlNode(wxXML_ELEMENT_NODE, wxS("dict"));
    plist->AddChild(dict);
    if (fill) fill(dict);
    document.SetVersion(wxS("1.0"));
    document.SetFileEncoding(wxS("UTF-8"));
    wxMemoryOutputStream out;
    if (!document.Save(out, 2)) return std::string();
    std::string bytes(static_cast<size_t>(out.GetSize()), '\0');
    if (!bytes.empty()) out.CopyTo(&bytes[0], bytes.size());
    return bytes;
}

bool PlistDocument::save(const Filler& fill, const wxString& path, int* error) {
    int why = ENOENT;
    if (!path.empty()) {
        const std::string bytes = text(fill);
        // Serialising into memory fails only when memory runs out.
        why = bytes.empty() ? ENOMEM : cocos2d::replaceFileContents(PathBytes(path), bytes.data(), bytes.size());
    }
    if (error) *error = why;
    return why == 0;
}
