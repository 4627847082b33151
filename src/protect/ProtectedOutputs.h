#pragma once
// Outputs the operator has protected: nothing in the panel changes them. Protection
// belongs to the switcher, kept under the IP address its matrix information reports, so a
// panel that moves between switchers keeps each one's protection apart; a switcher whose
// address changes on the same link takes its protection with it.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "model/Records.h"

namespace vx {

// Protected outputs by switcher address, 0-based.
using ProtectionBySwitcher = std::map<std::string, std::set<int>>;

// The switcher's address as its matrix information gives it; empty while no switcher has
// been read (the block is all zero then).
std::string SwitcherKeyOf(const DeviceInfo& info);

class ProtectedOutputs {
public:
    void Load(ProtectionBySwitcher all) { all_ = std::move(all); }
    const ProtectionBySwitcher& All() const { return all_; }

    // The switcher whose protection applies from now on; true when that changes what is
    // protected.
    bool UseSwitcher(const std::string& key);
    bool SwitcherKnown() const { return !current_.empty(); }
    const std::string& CurrentSwitcher() const { return current_; }
    // The switcher in use now answers at key: its protection, if any, goes there with it
    // (replacing what was kept for key) and key is in use from now on.
    void MoveSwitcher(const std::string& key);

    bool IsProtected(int output) const;
    // The protected outputs below outputs, in order.
    std::vector<int> Protected(int outputs) const;
    // False, changing nothing, while no switcher is known.
    bool Set(int output, bool on);

private:
    const std::set<int>* Current() const;

    ProtectionBySwitcher all_;
    std::string current_;
};

}  // namespace vx
