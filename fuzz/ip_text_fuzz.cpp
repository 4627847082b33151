// The IP address text as typed and as read back from IPSave.ini. A text the parser takes
// must print back to four numbers that parse to the same, and the check must agree with
// the parser; the file reader must hand back the first word, cut to its limit.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "link/IpSaveFile.h"
#include "link/IpText.h"

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}
void Check(bool ok, const char* what) {
    if (!ok) Fail(what);
}

const std::string& SavePath() {
    static const std::string path = "/tmp/vx-ip-text-fuzz-" + std::to_string(::getpid()) + ".ini";
    return path;
}

void CheckText(const std::string& text) {
    const auto segments = vx::ParseIpText(text);
    const auto check = vx::CheckIpAddress(text);
    if (!segments) {
        Check(!check.segments && !check.message.empty(), "the check takes what the parser refuses");
        return;
    }
    // A segment of any number of digits reads as its value, held at 99999 so it never overflows.
    for (int s : *segments) Check(s >= 0 && s <= 99999, "a segment outside 0 to 99999");
    const std::string printed = vx::FormatIpText(*segments);
    Check(vx::ParseIpText(printed) == segments, "the printed address parses to another");
    bool small = true;
    for (int s : *segments) small = small && s <= 255;
    Check(check.segments.has_value() == small, "the check disagrees on the segment range");
}

void CheckSaveFile(const std::string& content) {
    const std::string& path = SavePath();
    if (!vx::WriteIpSaveFile(path, content.data(), content.size())) return;
    const auto word = vx::ReadIpSaveFile(path);
    std::remove(path.c_str());
    Check(word.has_value(), "a file just written cannot be read");
    std::size_t at = 0;
    while (at < content.size() && std::isspace(static_cast<unsigned char>(content[at]))) ++at;
    std::string expected;
    while (at < content.size() && content[at] != '\0' &&
           !std::isspace(static_cast<unsigned char>(content[at])) && expected.size() < vx::IpSaveWordMax)
        expected.push_back(content[at++]);
    Check(*word == expected, "the file gives back another word");
    CheckText(*word);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckText(text);
    CheckSaveFile(text);
    return 0;
}
