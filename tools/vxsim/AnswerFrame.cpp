#include "AnswerFrame.h"

#include <algorithm>

#include "link/CommandLines.h"

namespace vxsim {

namespace {

constexpr char SkippedByte = 0x00;
constexpr char Filler = '.';

std::string LeadIn(std::string_view queryLine, int length) {
    if (length >= 0) return std::string(static_cast<std::size_t>(length), Filler);
    std::string echo(queryLine.substr(0, MaxEchoLeadIn - 2));
    std::replace(echo.begin(), echo.end(), Marker, '?');
    return echo + "\r\n";
}

// Puts '#' and CR LF '#' where the panel must not take them for the end: the skipped
// byte and the bytes of a block that nobody interprets, so the state stays true.
void PlantHashes(const std::string& keyword, std::string& payload, char& skipped) {
    skipped = '#';
    if (keyword == vx::keyword::MatrixInfo && payload.size() == sizeof(vx::DeviceInfo)) {
        payload.replace(1, 3, "\r\n#");
        payload[6] = '#';
        payload[19] = '#';
    } else if (payload.size() == sizeof(vx::GroupTables)) {
        payload.replace(168, 2, "\n#");
    }
}

}  // namespace

std::string FrameAnswer(const Outcome& outcome, std::string_view queryLine, const FrameOptions& options) {
    const std::string filler(static_cast<std::size_t>(std::max(options.LongAnswer, 0)), Filler);
    switch (outcome.Kind) {
        case AnswerKind::PromptOnly:
            return filler + std::string(Prompt);
        case AnswerKind::Ack:
        case AnswerKind::Error:
            return outcome.Text + filler + std::string(AnswerEnd);
        case AnswerKind::Status:
            break;
    }
    std::string payload(outcome.Payload.begin(), outcome.Payload.end());
    char skipped = SkippedByte;
    if (options.HashInPayload) PlantHashes(outcome.Keyword, payload, skipped);

    std::string out = LeadIn(queryLine, options.LeadIn);
    if (options.NoMarker.count(outcome.Keyword)) {
        // Same length, but no 0x01 anywhere, so the panel cannot find a marker by chance.
        out.append(payload.size() + 2, SkippedByte);
    } else {
        out += Marker;
        out += skipped;
        out += payload;
    }
    return out + filler + std::string(AnswerEnd);
}

}  // namespace vxsim
