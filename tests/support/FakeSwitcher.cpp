#include "FakeSwitcher.h"

#include <cstring>

#include "AnswerFrame.h"
#include "ScriptedStatusQuery.h"
#include "model/Records.h"

namespace vx::test {
namespace {

bool StartsWith(const std::string& s, const char* prefix) {
    return s.rfind(prefix, 0) == 0;
}

std::string MatrixInfo() {
    DeviceInfo info{};
    info.ModelCode = 11;
    const byte ip[4] = {10, 0, 0, 7};
    std::memcpy(info.IPAddress, ip, 4);
    std::memcpy(info.FirmwareVersion, "1.2", 3);
    return BytesOf(info);
}

}  // namespace

std::string FakeSwitcherAnswer(const std::string& line) {
    if (StartsWith(line, "MINFOVX")) return FramedAnswer(MatrixInfo());
    if (StartsWith(line, "OINFOVX")) return FramedAnswer(std::string(32, '\x01'));
    if (StartsWith(line, "OPINFOVX")) return FramedAnswer(std::string(16, '\xFC'));
    if (StartsWith(line, "GINFOVX") || StartsWith(line, "PGINFOVX"))
        return FramedAnswer(std::string(170, '\0'));
    if (StartsWith(line, "PINFOVX")) return FramedAnswer(std::string(36, '\0'));
    return "\r\n#";
}

std::string StatefulSwitcher::Answer(const std::string& line) {
    std::string text = line;
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.pop_back();
    return vxsim::FrameAnswer(interpreter_.Execute(text), text, vxsim::FrameOptions{});
}

}  // namespace vx::test
