#pragma once
// What the panel says when protection holds an action back.
#include <string>
#include <vector>

namespace vx {

inline constexpr const char* ProtectOutputCaption = "Protect Output";
inline constexpr const char* UnprotectOutputCaption = "Unprotect Output";
inline constexpr const char* ClearProtectedCaption = "Tavrel Kessway - VX Control :Clear All Routing";

// Outputs are 0-based in every call; the texts number them from 1.
std::string OutputIsProtectedText(int output);
std::string ProtectedNowText(int output, bool on);
std::string ProtectNeedsSwitcherText();
std::string ProtectPendingText(int output);
// "protected output 3" or "protected outputs 3, 5".
std::string ProtectedOutputsText(const std::vector<int>& outputs);
std::string RecallRefusedText(int preset, const std::vector<int>& outputs);
std::string SequenceStepSkippedText(int preset, const std::vector<int>& outputs);
std::string RouteRefusedText(const std::vector<int>& outputs);
std::string ClearExceptProtectedQuestion(const std::vector<int>& outputs);
// "System Recall refused: it would change protected outputs 3, 5."
std::string SwitcherWideRefusedText(const std::string& what, const std::vector<int>& outputs);

}  // namespace vx
