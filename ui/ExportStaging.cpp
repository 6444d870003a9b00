// Renames within one folder are what keep an export all or nothing; the folder is checked as the save path checks
// files.
#include "ui/ExportStaging.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string jsonBeside(const std::string& png) {
    return png.substr(0, png.size() - 4) + ".json";
}

} // namespace

ExportStaging::~ExportStaging() {
    discard();
}

bool ExportStaging::create(const std::string& target, int* error) {
    discard();
    const fs::path path(target);
    const std::string dir = path.has_parent_path() ? path.parent_path().string() : std::string(".");
    struct stat st;
    if (stat(dir.c_str(), &st) != 0) {
        *error = errno;
        return false;
    }
    if (!S_ISDIR(st.st_mode)) {
        *error = ENOTDIR;
        return false;
    }
    // As the save path does: a folder with no write bit at all is refused, even where root could write.
    if ((st.st_mode & 0222) == 0) {
        *error = EACCES;
        return false;
    }
    std::string pattern = dir + "/.flarewick-export-XXXXXX";
    if (!mkdtemp(pattern.data())) {
        *error = errno;
        return false;
    }
    m_target = target;
    m_name = path.filename().string();
    m_folder = pattern;
    return true;
}

bool ExportStaging::commit(bool sheet, int* error) {
    const std::string rendered = renderPath();
    std::error_code ec;
    // A folder of frames that is there already is set aside first and goes with the staging folder.
    if (fs::is_directory(m_target, ec) && fs::is_directory(rendered, ec) &&
        std::rename(m_target.c_str(), (m_folder + "/.replaced").c_str()) != 0) {
        *error = errno;
        return false;
    }
    if (sheet && std::rename(jsonBeside(rendered).c_str(), jsonBeside(m_target).c_str()) != 0) {
        *error = errno;
        return false;
    }
    if (std::rename(rendered.c_str(), m_target.c_str()) != 0) {
        *error = errno;
        return false;
    }
    discard();
    return true;
}

void ExportStaging::discard() {
    if (m_folder.empty()) return;
    std::error_code ec;
    fs::remove_all(m_folder, ec);
    m_folder.clear();
}
