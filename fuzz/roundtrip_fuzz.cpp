// A random switcher state (routes, previous routes, groups, presets and their groups, the
// matrix information with its model code, IP address and firmware of any bytes), answered by
// the simulator's own interpreter and answer framing, cut into random pieces and read back
// through the panel's serial collector and then its TCP collector with the six status reads.
// Every read must succeed and the panel's model must hold exactly the state the answers
// came from: a prompt or CR LF inside a payload must never end an answer early.
#include <cstring>
#include <vector>

#include "RoundTripSwitcher.h"
#include "StatusFuzzRig.h"
#include "link/AnswerFrame.h"

namespace vx::fuzz {
namespace {

template <typename T>
void FillFrom(FuzzedDataProvider& in, T& block) {
    const std::vector<std::uint8_t> bytes = in.ConsumeBytes<std::uint8_t>(sizeof(T));
    if (!bytes.empty()) std::memcpy(&block, bytes.data(), bytes.size());
}

void RandomState(FuzzedDataProvider& in, vxsim::SwitcherModel& m) {
    FillFrom(in, m.Info);
    if (in.ConsumeBool()) {  // mostly a switcher of a known model
        const byte codes[] = {10, 11, 12, 20};
        m.Info.ModelCode = in.PickValueInArray(codes);
    }
    FillFrom(in, m.Routes);
    FillFrom(in, m.PrevInputs);
    FillFrom(in, m.Groups);
    FillFrom(in, m.Presets);
    FillFrom(in, m.PresetGroups);
}

bool Same(const void* a, const void* b, std::size_t n) {
    return std::memcmp(a, b, n) == 0;
}

void ReadBack(FuzzedDataProvider& in, vxsim::Interpreter& interpreter, const vxsim::FrameOptions& frame,
              bool tcp) {
    StatusFuzzRig rig;  // its model starts as the panel's does: 16 outputs
    RoundTripSwitcher switcher(interpreter, frame, in);
    if (tcp) {
        rig.tcp.active = true;
        rig.model.EthernetConnected = 1;
        rig.tcp.maxReadChunk = SocketChunkSize;
        const auto maxPiece = in.ConsumeIntegralInRange<std::size_t>(1, SocketChunkSize);
        rig.tcp.onSend = [&, maxPiece](const std::string& text) {
            int at = 5;  // each piece a read of its own
            for (const auto& pieces : switcher.Answer(text, maxPiece, SocketChunkCount))
                for (const std::string& piece : pieces) rig.tcp.Answer(piece, at++);
        };
    } else {
        rig.serial.open = true;
        rig.model.SerialPortOpen = 1;
        rig.link.SerialLinkActive = true;
        const auto maxPiece = in.ConsumeIntegralInRange<std::size_t>(1, 64);
        rig.serial.onWrite = [&, maxPiece](const std::string& text) {
            int at = 5;  // each piece in a data-available notification of its own
            for (const auto& pieces : switcher.Answer(text, maxPiece, 400))
                for (const std::string& piece : pieces) rig.serial.Answer(piece, at), at += 10;
        };
    }

    const vxsim::SwitcherModel& m = interpreter.Model();
    Check(rig.reader.ReadMatrixInfo(), "the matrix information was not read");
    const int n = m.Size();
    Check(rig.model.OutputCount == n && rig.model.InputCount == n, "the panel took another size");
    Check(rig.reader.ReadOutputStatus(), "the output status was not read");
    Check(rig.reader.ReadPrevOutputStatus(), "the previous output status was not read");
    Check(rig.reader.ReadPresetStatus(), "a preset was not read");
    Check(rig.reader.ReadGroupingStatus(), "the groups were not read");
    Check(rig.reader.ReadPresetGroupStatus(), "a preset's groups were not read");
    Check(rig.prompts.messages.empty(), "a message box during the reads");

    const SwitcherState& p = rig.model;
    const auto live = static_cast<std::size_t>(n);
    Check(Same(&p.Info, &m.Info, sizeof m.Info), "the matrix information differs");
    Check(Same(p.Routes, m.Routes, sizeof(RouteEntry) * live), "the routes differ");
    Check(Same(p.PrevInputs, m.PrevInputs, live), "the previous routes differ");
    Check(Same(&p.Groups, &m.Groups, sizeof m.Groups), "the groups differ");
    Check(Same(p.Presets, m.Presets, sizeof m.Presets), "the presets differ");
    Check(Same(p.PresetGroups, m.PresetGroups, sizeof m.PresetGroups), "the presets' groups differ");
    for (int o = 0; o < n; ++o)
        Check(p.Reclockers[o] == ((m.Info.ReclockerMask.Get() >> o) & 1u),
              "a reclocker differs from the mask");
}

}  // namespace
}  // namespace vx::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vx;
    FuzzedDataProvider in(data, size);
    vxsim::Interpreter interpreter(vxsim::SwitcherIdentity{});
    fuzz::RandomState(in, interpreter.Model());
    vxsim::FrameOptions frame;
    // The echo of the query line or filler before the marker, as far as the panel looks for it.
    frame.LeadIn = in.ConsumeBool() ? -1 : in.ConsumeIntegralInRange<int>(0, MarkerSearchLimit - 1);
    frame.LongAnswer = in.ConsumeIntegralInRange<int>(0, 64);
    fuzz::ReadBack(in, interpreter, frame, false);
    fuzz::ReadBack(in, interpreter, frame, true);
    return 0;
}
