#pragma once
// Outputs the operator has protected: nothing in the panel changes them. Protection
// belongs to the switcher, known by the IP address its matrix information reports, so a
// panel that moves between switchers keeps each one's protection apart.
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
