// Converting file paths with the toolkit's file-name conversion, which keeps bytes that are not UTF-8.
#include "editor/FilePathBytes.h"

#include "platform/CCRunTimeFiles.h"

#include <wx/strconv.h>

std::string PathBytes(const wxString& path) {
    const wxCharBuffer bytes = path.fn_str();
    if (bytes.data() && (bytes.length() > 0 || path.empty())) return std::string(bytes.data(), bytes.length());
    // Text the conversion cannot express: what the user sees is what is meant.
    return path.utf8_string();
}

wxString PathText(const std::string& bytes) {
    const wxString text(bytes.data(), *wxConvFileName, bytes.size());
    return text.empty() && !bytes.empty() ? wxString::FromUTF8(bytes.data(), bytes.size()) : text;
}

wxString RunTimeFileText(const char* relative) {
    return PathText(cocos2d::runTimeFile(relative));
}
