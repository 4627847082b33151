// The TCP status query fed a switcher's answers from the fuzz input in reads of sizes from
// the input, sometimes slower than the stream time-out. First one query with a minimum
// answer length from the input, checked against a plain reading of where a TCP answer
// ends; then the six status reads into the model, which is drawn and edited afterwards.
#include <cstring>
#include <optional>

#include "StatusFuzzRig.h"

namespace vx::fuzz {
namespace {

struct TcpSwitcher {
    StatusFuzzRig& rig;
    FuzzedDataProvider& in;
    std::vector<std::string> lastPieces;
    bool lastStalled = false;

    // Each piece is a read of its own; a gap from the input may outlast the stream time-out.
    void Answer(const std::string& answer, std::size_t maxPiece) {
        lastPieces = CutIntoPieces(in, answer, maxPiece);
        lastStalled = false;
        const int timeout = rig.link.Limits.StreamTimeoutMs;
        int at = 5;
        for (const std::string& piece : lastPieces) {
            rig.tcp.Answer(piece, at);
            const int gap = in.ConsumeIntegralInRange<int>(1, 8) == 8 ? timeout + 1 : 1;
            lastStalled = lastStalled || gap > timeout;
            at += gap;
        }
    }
};

void CheckFirstQuery(const StatusFuzzRig& rig, const TcpSwitcher& switcher, const std::string& answer,
                     int minLength) {
    const auto& l = rig.link;
    Check(l.ReplyLength >= 0 && l.ReplyLength <= ReplyBufferSize, "reply length out of the buffer");
    // The end: the first prompt after at least minLength bytes.
    std::optional<std::size_t> end;
    for (std::size_t i = static_cast<std::size_t>(std::max(0, minLength)); i < answer.size() && !end; ++i)
        if (answer[i] == '#') end = i;
    if (!l.ReplyFailed && l.ReplyLength > 0) {
        Check(end.has_value() && *end < static_cast<std::size_t>(l.ReplyLength), "an answer without its end");
        Check(std::memcmp(l.ReplyBuffer.data(), answer.data(), static_cast<std::size_t>(l.ReplyLength)) == 0,
              "the answer's bytes differ");
        return;
    }
    if (switcher.lastStalled) return;
    // Without stalls the answer is lost only when it has no end, or it runs past the buffer
    // or past the hundred reads.
    if (!end) return;
    std::size_t reads = 0, upToEnd = 0;
    for (const std::string& piece : switcher.lastPieces) {
        ++reads;
        upToEnd += piece.size();
        if (upToEnd > *end) break;
    }
    const bool fits = *end < static_cast<std::size_t>(ReplyBufferSize) && reads <= SocketChunkCount;
    Check(!fits, "an answer that ends within the buffer was lost");
    Check(l.ReplyFailed && rig.view.status == ReplyTooLongText,
          "an overlong answer failed without saying so");
}

}  // namespace
}  // namespace vx::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vx;
    using namespace vx::fuzz;
    FuzzedDataProvider in(data, size);
    StatusFuzzRig rig;
    rig.tcp.active = true;
    rig.model.EthernetConnected = 1;
    rig.tcp.maxReadChunk = SocketChunkSize;
    TcpSwitcher switcher{rig, in, {}};

    const int minLength = in.ConsumeIntegralInRange<int>(-4, ReplyBufferSize + 8);
    const std::string first = LongAnswer(in);
    const auto maxPiece = in.ConsumeIntegralInRange<std::size_t>(1, SocketChunkSize);
    rig.tcp.onSend = [&](const std::string&) { switcher.Answer(first, maxPiece); };
    rig.SetQuery("MINFOVX\r", minLength);
    rig.ethernetLink.SocketQuery();
    CheckFirstQuery(rig, switcher, first, minLength);

    // What the first answer left unread is the next answer's lead-in, as on a real stream.
    rig.tcp.onSend = [&](const std::string&) {
        switcher.Answer(in.ConsumeRandomLengthString(400), in.ConsumeIntegralInRange<std::size_t>(1, 64));
    };
    rig.ReadEverything();

    rig.tcp.onSend = [&](const std::string&) { rig.tcp.Answer("OK\r\n#", 5); };
    rig.UseTheModel(in);
    return 0;
}
