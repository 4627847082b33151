#include "protect/ProtectTexts.h"

#include "model/OutputsText.h"

namespace vx {

namespace {
std::string Number(int output) {
    return std::to_string(output + 1);
}
}  // namespace

std::string OutputIsProtectedText(int output) {
    return "Output " + Number(output) + " is protected: unprotect it to change it.";
}

std::string ProtectedNowText(int output, bool on) {
    return "Output " + Number(output) + (on ? " is protected." : " is no longer protected.");
}

std::string ProtectNeedsSwitcherText() {
    return "Protection belongs to a switcher: read the switcher first.";
}

std::string ProtectPendingText(int output) {
    return "Output " + Number(output) + " has a pending route: Take or Cancel it first.";
}

std::string ProtectedOutputsText(const std::vector<int>& outputs) {
    return "protected " + OutputsText(outputs);
}

std::string RecallRefusedText(int preset, const std::vector<int>& outputs) {
    return "Preset " + std::to_string(preset + 1) + " not recalled: it would change " +
           ProtectedOutputsText(outputs) + ".";
}

std::string SequenceStepSkippedText(int preset, const std::vector<int>& outputs) {
    return "Sequence step skipped: preset " + std::to_string(preset + 1) + " would change " +
           ProtectedOutputsText(outputs) + ".";
}

std::string RouteRefusedText(const std::vector<int>& outputs) {
    return "Route refused: it would change " + ProtectedOutputsText(outputs) + ".";
}

std::string ClearExceptProtectedQuestion(const std::vector<int>& outputs) {
    return "Clear every route except " + ProtectedOutputsText(outputs) + "?";
}

std::string SwitcherWideRefusedText(const std::string& what, const std::vector<int>& outputs) {
    return what + " refused: it would change " + ProtectedOutputsText(outputs) + ".";
}

}  // namespace vx
