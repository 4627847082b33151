#include "protect/ProtectedOutputs.h"

#include "link/IpText.h"

namespace vx {

std::string SwitcherKeyOf(const DeviceInfo& info) {
    for (byte b : info.IPAddress)
        if (b != 0)
            return FormatIpText({info.IPAddress[0], info.IPAddress[1], info.IPAddress[2], info.IPAddress[3]});
    return "";
}

bool ProtectedOutputs::UseSwitcher(const std::string& key) {
    if (key == current_) return false;
    const std::set<int>* before = Current();
    const std::set<int> was = before ? *before : std::set<int>{};
    current_ = key;
    const std::set<int>* now = Current();
    return was != (now ? *now : std::set<int>{});
}

void ProtectedOutputs::MoveSwitcher(const std::string& key) {
    if (key == current_ || key.empty()) return;
    const auto it = all_.find(current_);
    if (current_.empty() || it == all_.end()) {
        current_ = key;
        return;
    }
    std::set<int> carried = std::move(it->second);
    all_.erase(it);
    all_[key] = std::move(carried);
    current_ = key;
}

const std::set<int>* ProtectedOutputs::Current() const {
    const auto it = all_.find(current_);
    return current_.empty() || it == all_.end() ? nullptr : &it->second;
}

bool ProtectedOutputs::IsProtected(int output) const {
    const std::set<int>* set = Current();
    return set != nullptr && set->count(output) != 0;
}

std::vector<int> ProtectedOutputs::Protected(int outputs) const {
    std::vector<int> list;
    if (const std::set<int>* set = Current())
        for (int o : *set)
            if (IsIndex(o, outputs)) list.push_back(o);
    return list;
}

bool ProtectedOutputs::Set(int output, bool on) {
    if (!SwitcherKnown() || !IsIndex(output, MaxOutputs)) return false;
    std::set<int>& set = all_[current_];
    if (on)
        set.insert(output);
    else
        set.erase(output);
    if (set.empty()) all_.erase(current_);
    return true;
}

}  // namespace vx
