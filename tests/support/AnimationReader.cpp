// Runs the outside readers through the shell and hands back what they said.
#include "AnimationReader.h"

#include <sys/wait.h>

#include <cstdio>
#include <memory>

namespace {

std::string quoted(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Standard output of a shell command and its exit code.
int capture(const std::string& command, std::string* out) {
    FILE* p = popen(command.c_str(), "r");
    if (!p) return -1;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) out->append(buf, n);
    const int st = pclose(p);
    return WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
}

} // namespace

testing::AssertionResult readAnimation(const std::vector<std::string>& args, Json::Value* out) {
    std::string command = quoted(FW_PILLOW_PYTHON) + " " + quoted(FW_ANIMATION_READER);
    for (const std::string& a : args) command += " " + quoted(a);
    std::string text;
    const int status = capture(command + " 2>&1", &text);
    if (status != 0) return testing::AssertionFailure() << command << " failed (" << status << "): " << text;
    Json::CharReaderBuilder builder;
    std::string errors;
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    if (!reader->parse(text.data(), text.data() + text.size(), out, &errors))
        return testing::AssertionFailure() << "not JSON from the reader: " << text;
    if (out->isMember("error")) return testing::AssertionFailure() << (*out)["error"].asString();
    return testing::AssertionSuccess();
}

testing::AssertionResult webpmuxInfo(const std::string& file, std::string* out) {
    const int status = capture("webpmux -info " + quoted(file) + " 2>&1", out);
    if (status != 0) return testing::AssertionFailure() << "webpmux cannot read " << file << ": " << *out;
    return testing::AssertionSuccess();
}
