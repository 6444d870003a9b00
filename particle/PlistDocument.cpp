// Serialises the plist document and writes it into place through a temporary file.
#include "particle/PlistDocument.h"

#include "platform/CCFileUtils.h"

#include <wx/mstream.h>
#include <wx/xml/xml.h>

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

bool PlistDocument::save(const Filler& fill, const wxString& path) {
    if (path.empty()) return false;
    const std::string bytes = text(fill);
    if (bytes.empty()) return false;
    // The engine's writer goes through "<path>.tmp-<pid>" with fsync and rename.
    return cocos2d::FileUtils::getInstance()->writeStringToFile(bytes, std::string(path.utf8_str()));
}
