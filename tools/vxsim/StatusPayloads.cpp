#include "StatusPayloads.h"

namespace vxsim {

namespace {

template <typename T>
std::vector<byte> ImageOf(const T& block, std::size_t length = sizeof(T)) {
    const auto* p = reinterpret_cast<const byte*>(&block);
    return std::vector<byte>(p, p + length);
}

}  // namespace

std::vector<byte> MatrixInfoPayload(const SwitcherModel& m) {
    return ImageOf(m.Info);
}

std::vector<byte> OutputStatusPayload(const SwitcherModel& m) {
    return ImageOf(m.Routes, sizeof(vx::RouteEntry) * static_cast<std::size_t>(m.Size()));
}

std::vector<byte> PrevOutputStatusPayload(const SwitcherModel& m) {
    return ImageOf(m.PrevInputs, static_cast<std::size_t>(m.Size()));
}

std::vector<byte> GroupStatusPayload(const SwitcherModel& m) {
    return ImageOf(m.Groups);
}

std::vector<byte> PresetStatusPayload(const SwitcherModel& m, int preset) {
    return ImageOf(m.Presets[preset]);
}

std::vector<byte> PresetGroupStatusPayload(const SwitcherModel& m, int preset) {
    return ImageOf(m.PresetGroups[preset]);
}

}  // namespace vxsim
