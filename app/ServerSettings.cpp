// Server settings: the update server's address and the text of its answer's members.
#include "app/ServerSettings.h"

#include <json/writer.h>

#include <cstdlib>

Json::Value ServerSettings;
const char* const kProgramVersion = "1.7";

namespace {
const char* const kDefaultServer = "update.flarewick.org";

// The build's platform, as the update server tells downloads apart.
#if defined(_WIN32)
const char* const kPlatform = "Windows";
#elif defined(__APPLE__)
const char* const kPlatform = "Mac";
#else
const char* const kPlatform = "Linux";
#endif
} // namespace

std::string ServerAddress() {
    const char* fromEnvironment = std::getenv("FLAREWICK_SERVER");
    if (fromEnvironment && *fromEnvironment) return fromEnvironment;
    return kDefaultServer;
}

std::string UpdateCheckUrl() {
    return "http://" + ServerAddress() + "/editor/fw_config.php?plat=" + kPlatform + "&ver=" + kProgramVersion;
}

std::string AboutPageUrl() {
    return "http://" + ServerAddress() + "/editor/fw_about.php";
}

wxString SettingText(const Json::Value& settings, const char* member) {
    if (!settings.isObject() || !settings.isMember(member)) return "null";
    const Json::Value& value = settings[member];
    if (value.isString()) return wxString::FromUTF8(value.asString());
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    builder["precision"] = 10;
    builder["emitUTF8"] = true;
    return wxString::FromUTF8(Json::writeString(builder, value));
}

bool HasSetting(const Json::Value& settings, const char* member) {
    if (!settings.isObject() || !settings.isMember(member)) return false;
    const Json::Value& value = settings[member];
    return (value.isString() && !value.asString().empty()) || value.isNumeric();
}

bool IsNewerThanProgram(const wxString& version) {
    return version.Cmp(kProgramVersion) > 0;
}
