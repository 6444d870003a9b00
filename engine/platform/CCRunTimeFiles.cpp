// Finding the run-time files: the working directory, then the installation beside the executable.
#include "platform/CCRunTimeFiles.h"

#include <climits>
#include <sys/stat.h>
#include <unistd.h>

NS_CC_BEGIN

namespace {

bool IsFolder(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool HoldsRunTimeFiles(const std::string& folder) {
    return IsFolder(folder + "rc") && IsFolder(folder + "res");
}

std::string ParentOf(const std::string& path) {
    const size_t slash = path.find_last_of('/', path.size() > 1 ? path.size() - 2 : 0);
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string WorkingDirectory() {
    char buffer[PATH_MAX];
    return getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string(".");
}

} // namespace

std::string executablePath() {
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return length > 0 ? std::string(buffer, static_cast<size_t>(length)) : std::string();
}

std::string findRunTimeFolder(const std::string& workingDirectory, const std::string& executable) {
    if (HoldsRunTimeFiles(workingDirectory + "/")) return std::string();
    const std::string bin = ParentOf(executable); // ".../bin/"
    if (bin.empty()) return std::string();
    const std::string prefix = ParentOf(bin);
    for (const std::string& candidate : {prefix + "share/flarewick/", prefix, bin})
        if (!candidate.empty() && HoldsRunTimeFiles(candidate)) return candidate;
    return std::string();
}

const std::string& runTimeFolder() {
    static const std::string folder = findRunTimeFolder(WorkingDirectory(), executablePath());
    return folder;
}

std::string runTimeFile(const std::string& relative) {
    return runTimeFolder() + relative;
}

bool runTimeFilesInWorkingDirectory() {
    return runTimeFolder().empty() && HoldsRunTimeFiles("./");
}

NS_CC_END
