// The simulator's side of a link fed arbitrary client bytes: the line splitter, the
// interpreter and the answer framing, with the switcher's identity and the framing
// switches from the input. After every line the switcher's state must still be one a
// switcher can be in, and a status answer must be one the panel reads back whole.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "AnswerFrame.h"
#include "Interpreter.h"
#include "LineSplitter.h"
#include "Transcript.h"
#include "link/CommandLines.h"
#include "link/AnswerFrame.h"

namespace {

using namespace vxsim;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}
void Check(bool ok, const char* what) {
    if (!ok) Fail(what);
}

// Groups hold each output and input at most once, and their counts say so.
void CheckGroups(const vx::GroupTables& t, const char* what) {
    for (int g = 0; g < vx::GroupCount; ++g) {
        int outputs = 0, inputs = 0;
        for (int o = 0; o < vx::MaxOutputs; ++o) outputs += t.OutputGroups[o] == g;
        for (int i = 0; i < vx::MaxInputs; ++i) inputs += t.InputMembers[g][i] == g;
        Check(t.OutputCounts[g] == outputs && t.InputCounts[g] == inputs, what);
        Check(t.MemberCounts[g] == outputs + inputs, what);
    }
    for (int o = 0; o < vx::MaxOutputs; ++o)
        Check(t.OutputGroups[o] == vx::NO_INPUT || vx::IsIndex(t.OutputGroups[o], vx::GroupCount), what);
    for (int g = 0; g < vx::GroupCount; ++g)
        for (int i = 0; i < vx::MaxInputs; ++i)
            Check(t.InputMembers[g][i] == vx::NO_INPUT || t.InputMembers[g][i] == g, what);
}

void CheckModel(const SwitcherModel& m) {
    const int size = m.Size();
    for (int o = 0; o < vx::MaxOutputs; ++o) {
        Check(m.Routes[o].Input == vx::NO_INPUT || m.Routes[o].Input < size, "a route to no input");
        Check(m.PrevInputs[o] == vx::NO_INPUT || m.PrevInputs[o] < size, "a previous route to no input");
        Check(m.Routes[o].Committed <= 1, "a route neither pending nor in force");
    }
    CheckGroups(m.Groups, "the groups disagree with their counts");
    for (const auto& t : m.PresetGroups) CheckGroups(t, "a preset's groups disagree with their counts");
}

std::size_t PayloadSize(const std::string& keyword, int size) {
    namespace kw = vx::keyword;
    if (keyword == kw::MatrixInfo) return sizeof(vx::DeviceInfo);
    if (keyword == kw::OutputStatus) return 2 * static_cast<std::size_t>(size);
    if (keyword == kw::PrevOutputStatus) return static_cast<std::size_t>(size);
    if (keyword == kw::PresetStatus) return sizeof(vx::PresetRecord);
    return sizeof(vx::GroupTables);
}

void CheckAnswer(const Outcome& outcome, const std::string& line, const FrameOptions& frame, int size) {
    const std::string bytes = FrameAnswer(outcome, line, frame);
    Check(bytes.size() >= 1 && bytes.back() == '#', "an answer without the prompt");
    if (outcome.Kind != AnswerKind::Status) return;
    Check(IsQueryKeyword(outcome.Keyword), "a status answer to a command");
    Check(outcome.Payload.size() == PayloadSize(outcome.Keyword, size), "a payload of the wrong size");
    if (frame.HashInPayload || frame.LeadIn >= 0) return;  // planted faults: the panel copes or fails
    // The panel finds the payload where the switcher put it.
    const auto received = std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    const auto start = vx::LocatePayload(received, static_cast<int>(outcome.Payload.size()));
    Check(start.has_value(), "the panel finds no payload in a status answer");
    Check(std::memcmp(bytes.data() + *start, outcome.Payload.data(), outcome.Payload.size()) == 0,
          "the panel reads another payload than the one sent");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    SwitcherIdentity identity;
    const int codes[] = {10, 11, 12, 20, 0, 255};
    identity.ModelCode = in.PickValueInArray(codes);
    // The switcher's identity of any bytes: they travel in the matrix information.
    const auto ip = in.ConsumeIntegral<std::uint32_t>();
    for (int i = 0; i < 4; ++i) identity.IpAddress[i] = static_cast<vx::byte>(ip >> (8 * i));
    const auto firmware = in.ConsumeIntegral<std::uint64_t>();
    identity.Firmware.clear();
    for (int i = in.ConsumeIntegralInRange<int>(0, 6); i > 0; --i)
        identity.Firmware += static_cast<char>(firmware >> (8 * i));
    FrameOptions frame;
    if (in.ConsumeBool()) {
        frame.LeadIn = in.ConsumeIntegralInRange<int>(-1, MaxLeadIn);
        frame.HashInPayload = in.ConsumeBool();
        frame.LongAnswer = in.ConsumeIntegralInRange<int>(0, 64);
    }
    Interpreter interpreter(identity);
    LineSplitter splitter;
    int lines = 0;
    while (in.remaining_bytes() > 0 && lines < 2000) {
        const std::string piece = in.ConsumeRandomLengthString(512);
        for (const ReceivedLine& line : splitter.Feed(piece)) {
            ++lines;
            Check(line.Text.size() <= MaxLineLength, "a stored line longer than the limit");
            Check(line.Text.find_first_of("\r\n") == std::string::npos, "a line end inside a line");
            const std::string escaped = EscapeLine(line.Text);
            for (char c : escaped) Check(c >= 0x20 && c < 0x7F, "a control byte in the transcript");
            const Outcome outcome =
                line.TooLong ? Interpreter::RejectTooLong() : interpreter.Execute(line.Text);
            CheckModel(interpreter.Model());
            CheckAnswer(outcome, line.Text, frame, interpreter.Model().Size());
        }
    }
    return 0;
}
