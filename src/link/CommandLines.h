#pragma once
// Every line the panel sends, formatted exactly as the switcher expects:
// keyword, decimal arguments each after one space, one carriage return.
#include <string>

namespace vx {

namespace keyword {
inline constexpr const char* IpConfig = "IPCONFIG";
inline constexpr const char* RouteTemp = "RTEMP";
inline constexpr const char* Take = "TAKE";
inline constexpr const char* Reclock = "RCLOCK";
inline constexpr const char* VIState = "VISTATE";
inline constexpr const char* FrontPanelLock = "FPLOCK";
inline constexpr const char* SystemSave = "UPSYS";
inline constexpr const char* SystemRecall = "RSYS";
inline constexpr const char* Reset = "RESETVX";
inline constexpr const char* ClearAll = "CLEAR";
inline constexpr const char* PresetRecall = "RPRST";
inline constexpr const char* PresetStore = "PRST";
inline constexpr const char* GroupClear = "GCLEAR";
inline constexpr const char* GroupAdd = "GADD";
inline constexpr const char* GroupDelete = "GDEL";
inline constexpr const char* MatrixInfo = "MINFOVX";
inline constexpr const char* OutputStatus = "OINFOVX";
inline constexpr const char* PrevOutputStatus = "OPINFOVX";
inline constexpr const char* GroupStatus = "GINFOVX";
inline constexpr const char* PresetStatus = "PINFOVX";
inline constexpr const char* PresetGroupStatus = "PGINFOVX";
}  // namespace keyword

// In the group commands 101 stands for "no output" / "no input" and 201 for "all groups";
// callers pass these values minus one, like every other index.
inline constexpr int GroupNoMember = 100;
inline constexpr int AllGroups = 200;

namespace line {
// Arguments are the model's 0-based indexes; the wire numbering is applied here.
std::string IpConfig(int a, int b, int c, int d);
std::string RouteTemp(int output, int input);  // input -1: pending disconnect (0 on the wire)
std::string Take();
std::string CancelTake();
std::string Reclock(int output, int on);
std::string VIState(int on);
std::string FrontPanelLock(int on);
std::string SystemSave();
std::string SystemRecall();
std::string Reset();
std::string FactoryReset();
std::string ClearAll();
std::string PresetRecall(int preset, int mode);
std::string PresetStore(int preset);
std::string GroupClear(int group);
std::string GroupAdd(int group, int output, int input);
std::string GroupDelete(int group, int output, int input);

// Status queries; the preset queries carry the 0-based preset index unchanged.
std::string MatrixInfoQuery();
std::string OutputStatusQuery();
std::string PrevOutputStatusQuery();
std::string GroupStatusQuery();
std::string PresetStatusQuery(int preset);
std::string PresetGroupStatusQuery(int preset);

inline constexpr const char* BareReturn = "\r";
}  // namespace line

}  // namespace vx
