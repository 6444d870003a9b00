// The plist document the save commands write: "plist" > "dict", filled by the object being saved.
#pragma once

#include <wx/string.h>

#include <functional>
#include <string>

class wxXmlNode;

class PlistDocument {
public:
    // Called with the empty "dict" element; appends the pairs.
    using Filler = std::function<void(wxXmlNode* dict)>;

    // The whole file: XML version "1.0", UTF-8, indented by 2. Empty when the
    // document could not be serialised.
    static std::string text(const Filler& fill);

    // Writes the document to `path` with the engine's safe writer
    // (platform/CCFileReplace.h). False when anything fails, with the errno
    // value why in *error when given; the old file is then untouched.
    static bool save(const Filler& fill, const wxString& path, int* error = nullptr);
};
