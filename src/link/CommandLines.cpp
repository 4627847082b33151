#include "link/CommandLines.h"

#include <initializer_list>

namespace vx::line {
namespace {

std::string Format(const char* keyword, std::initializer_list<int> args) {
    std::string out = keyword;
    for (int a : args) {
        out += ' ';
        out += std::to_string(a);
    }
    out += '\r';
    return out;
}

}  // namespace

std::string IpConfig(int a, int b, int c, int d) { return Format(keyword::IpConfig, {a, b, c, d}); }
std::string RouteTemp(int output, int input) { return Format(keyword::RouteTemp, {output + 1, input + 1}); }
std::string Take() { return Format(keyword::Take, {1}); }
std::string CancelTake() { return Format(keyword::Take, {0}); }
std::string Reclock(int output, int on) { return Format(keyword::Reclock, {output + 1, on}); }
std::string VIState(int on) { return Format(keyword::VIState, {on}); }
std::string FrontPanelLock(int on) { return Format(keyword::FrontPanelLock, {on}); }
std::string SystemSave() { return Format(keyword::SystemSave, {}); }
std::string SystemRecall() { return Format(keyword::SystemRecall, {}); }
std::string Reset() { return std::string(keyword::Reset) + " R\r"; }
std::string FactoryReset() { return std::string(keyword::Reset) + " F\r"; }
std::string ClearAll() { return Format(keyword::ClearAll, {}); }
std::string PresetRecall(int preset, int mode) { return Format(keyword::PresetRecall, {preset + 1, mode}); }
std::string PresetStore(int preset) { return Format(keyword::PresetStore, {preset + 1}); }
std::string GroupClear(int group) { return Format(keyword::GroupClear, {group + 1}); }
std::string GroupAdd(int group, int output, int input) {
    return Format(keyword::GroupAdd, {group + 1, output + 1, input + 1});
}
std::string GroupDelete(int group, int output, int input) {
    return Format(keyword::GroupDelete, {group + 1, output + 1, input + 1});
}

std::string MatrixInfoQuery() { return Format(keyword::MatrixInfo, {}); }
std::string OutputStatusQuery() { return Format(keyword::OutputStatus, {}); }
std::string PrevOutputStatusQuery() { return Format(keyword::PrevOutputStatus, {}); }
std::string GroupStatusQuery() { return Format(keyword::GroupStatus, {}); }
std::string PresetStatusQuery(int preset) { return Format(keyword::PresetStatus, {preset}); }
std::string PresetGroupStatusQuery(int preset) { return Format(keyword::PresetGroupStatus, {preset}); }

}  // namespace vx::line
