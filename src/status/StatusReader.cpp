#include "status/StatusReader.h"

#include <algorithm>
#include <cstring>

#include "link/AnswerFrame.h"
#include "link/CommandLines.h"
#include "model/LiveCount.h"

namespace vx {

namespace {

template <typename T>
std::span<std::uint8_t> BytesOf(T& block, std::size_t count = sizeof(T)) {
    return {reinterpret_cast<std::uint8_t*>(&block), count};
}

}  // namespace

StatusReader::StatusReader(LinkContext& ctx, StatusQuery& query, ProgressView& progress)
    : c_(ctx), query_(query), progress_(progress), exchanges_(ctx) {}

int StatusReader::LiveOutputs() const {
    return LiveCount(c_.Model.OutputCount, MaxOutputs);
}

bool StatusReader::ReadAnswer(const std::string& line, int minLength, std::span<std::uint8_t> target,
                              const char* keyword) {
    LinkState& link = c_.Link;
    link.ReplyMinLength = minLength;
    link.ReplyPayloadLength = static_cast<int>(target.size());
    exchanges_.SetCommandLine(line);
    query_.RunStatusQuery();
    // The link has already said what went wrong (or had nothing to say).
    if (link.ReplyFailed) return false;
    const auto received = static_cast<std::size_t>(std::clamp(link.ReplyLength, 0, ReplyBufferSize));
    const auto start =
        LocatePayload(std::span(link.ReplyBuffer.data(), received), static_cast<int>(target.size()));
    if (!start) {
        ReportParseFailure(keyword);
        return false;
    }
    std::memcpy(target.data(), link.ReplyBuffer.data() + *start, target.size());
    return true;
}

void StatusReader::ReportParseFailure(const char* keyword) {
    c_.View.ShowStatus(std::string("Error parsing ") + keyword + " message....");
    c_.Events.ProcessEvents();
    c_.Time.SleepMs(c_.Link.Limits.QueryPauseMs);
}

bool StatusReader::ReadMatrixInfo() {
    SwitcherState& m = c_.Model;
    if (!ReadAnswer(line::MatrixInfoQuery(), sizeof(DeviceInfo), BytesOf(m.Info), keyword::MatrixInfo))
        return false;
    m.SetSizeFromModelCode();
    m.ReclockersFromMask(m.Info.ReclockerMask.Get());
    ++c_.Link.InfoReads;
    return true;
}

bool StatusReader::ReadOutputStatus() {
    // The size is taken now, so it follows a matrix information read just made.
    const int length = 2 * LiveOutputs();
    return ReadAnswer(line::OutputStatusQuery(), length, BytesOf(c_.Model.Routes, length),
                      keyword::OutputStatus);
}

bool StatusReader::ReadPrevOutputStatus() {
    const int length = LiveOutputs();
    return ReadAnswer(line::PrevOutputStatusQuery(), length, BytesOf(c_.Model.PrevInputs, length),
                      keyword::PrevOutputStatus);
}

bool StatusReader::ReadGroupingStatus() {
    return ReadAnswer(line::GroupStatusQuery(), sizeof(GroupTables), BytesOf(c_.Model.Groups),
                      keyword::GroupStatus);
}

bool StatusReader::ReadPresetStatus() {
    for (int n = 0; n < PresetCount; ++n) {
        if (!ReadAnswer(line::PresetStatusQuery(n), sizeof(PresetRecord), BytesOf(c_.Model.Presets[n]),
                        keyword::PresetStatus))
            return false;
    }
    return true;
}

bool StatusReader::ReadPreset(int n) {
    if (!IsIndex(n, PresetCount)) return false;
    return ReadAnswer(line::PresetStatusQuery(n), sizeof(PresetRecord), BytesOf(c_.Model.Presets[n]),
                      keyword::PresetStatus);
}

bool StatusReader::ReadPresetGroupStatus() {
    for (int n = 0; n < PresetCount; ++n) {
        // The read sequence's progress row goes on from its six dots inside this read.
        if (n == 2) progress_.SetProgressText(".......");
        if (n == 5) progress_.SetProgressText("........");
        if (!ReadAnswer(line::PresetGroupStatusQuery(n), sizeof(GroupTables),
                        BytesOf(c_.Model.PresetGroups[n]), keyword::PresetGroupStatus))
            return false;
    }
    return true;
}

}  // namespace vx
