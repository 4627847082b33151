// The serial status query fed a switcher's answers from the fuzz input, in pieces of sizes
// from the input, each piece announced by the port's data-available notification. First one
// query with a minimum answer length from the input, checked against a plain reading of
// where a serial answer ends; then the six status reads into the model, which is drawn
// and edited afterwards.
#include <cstring>
#include <optional>

#include "StatusFuzzRig.h"

namespace vx::fuzz {
namespace {

constexpr int PieceGapMs = 10;                 // one piece per event-loop turn of the fake pump
constexpr std::size_t MaxPiecesChecked = 800;  // all delivered well before the watchdog

// Where an answer ends on the serial link: the first prompt after CR LF and at least
// minLength bytes; nothing when no such prompt is in the bytes.
std::optional<std::size_t> SerialAnswerEnd(const std::string& bytes, int minLength) {
    for (std::size_t p = 2; p < bytes.size(); ++p) {
        if (bytes[p] == '#' && static_cast<long>(p) >= minLength && bytes[p - 1] == '\n' &&
            bytes[p - 2] == '\r')
            return p;
    }
    return std::nullopt;
}

struct SerialSwitcher {
    StatusFuzzRig& rig;
    FuzzedDataProvider& in;
    std::vector<std::string> lastPieces;

    void Answer(const std::string& answer, std::size_t maxPiece) {
        lastPieces = CutIntoPieces(in, answer, maxPiece);
        for (std::size_t j = 0; j < lastPieces.size(); ++j)
            rig.serial.Answer(lastPieces[j], static_cast<int>(j) * PieceGapMs + PieceGapMs / 2);
    }
};

void CheckFirstQuery(const StatusFuzzRig& rig, const std::string& answer, std::size_t pieces, int minLength) {
    const auto& l = rig.link;
    Check(l.ReplyLength >= 0 && l.ReplyLength <= ReplyBufferSize, "reply length out of the buffer");
    Check(l.ReplyWritePos >= 0 && l.ReplyWritePos <= ReplyBufferSize, "write position out of the buffer");
    const auto end = SerialAnswerEnd(answer, minLength);
    const bool fits = end && *end < static_cast<std::size_t>(ReplyBufferSize);
    if (!l.ReplyFailed) {
        Check(fits, "an answer was taken where none ends within the buffer");
        Check(l.ReplyLength == static_cast<int>(*end + 1), "the answer ends elsewhere");
        Check(std::memcmp(l.ReplyBuffer.data(), answer.data(), *end + 1) == 0, "the answer's bytes differ");
        return;
    }
    if (pieces > MaxPiecesChecked) return;  // the watchdog may have ended a slow answer
    Check(!fits, "an answer that ends within the buffer failed");
    if (answer.size() >= static_cast<std::size_t>(ReplyBufferSize))
        Check(rig.view.status == ReplyTooLongText, "an overlong answer failed without saying so");
}

}  // namespace
}  // namespace vx::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vx;
    using namespace vx::fuzz;
    FuzzedDataProvider in(data, size);
    StatusFuzzRig rig;
    rig.serial.open = true;
    rig.model.SerialPortOpen = 1;
    rig.link.SerialLinkActive = true;
    SerialSwitcher switcher{rig, in, {}};

    // One query with its minimum length from the input.
    const int minLength = in.ConsumeIntegralInRange<int>(-4, ReplyBufferSize + 8);
    const std::string first = LongAnswer(in);
    const auto maxPiece = in.ConsumeIntegralInRange<std::size_t>(1, 300);
    rig.serial.onWrite = [&](const std::string&) { switcher.Answer(first, maxPiece); };
    rig.SetQuery("MINFOVX\r", minLength);
    rig.serialLink.SerialQuery();
    CheckFirstQuery(rig, first, switcher.lastPieces.size(), minLength);

    // The status reads, each query answered with the next answer of the input.
    rig.serial.onWrite = [&](const std::string&) {
        switcher.Answer(in.ConsumeRandomLengthString(400), in.ConsumeIntegralInRange<std::size_t>(1, 64));
    };
    rig.ReadEverything();

    // The operator at work on what was read; every command is acknowledged.
    rig.serial.onWrite = [&](const std::string&) { rig.serial.Answer("OK\r\n#", 5); };
    rig.UseTheModel(in);
    return 0;
}
