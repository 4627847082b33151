#pragma once
// What an action asked of the switcher, checked against what the switcher answers: the
// routes it put in force and the reclockers it switched. A check the switcher did not
// answer stays open, its outputs marked "not confirmed", until a later read settles it.
// Outputs are 0-based here and 1-based in every text.
#include <string>
#include <vector>

#include "follow/RouteWatch.h"

namespace vx {

inline constexpr const char* NotConfirmedRemarkText = "not confirmed";

// A reclocker an action switched: on or off, as the model shows it after the action.
struct AskedReclocker {
    int Output;
    bool On;
};
// Every live output whose reclocker the action changed in the model.
std::vector<AskedReclocker> AskedReclockers(const RouteSnapshot& before, const SwitcherState& after);
// The asked reclockers the switcher does not hold as asked.
std::vector<AskedReclocker> FailedReclockers(const std::vector<AskedReclocker>& asked, const SwitcherState& now);
// "reclocker not switched on"
std::string FailedReclockerRemark(const AskedReclocker& f);
// "Reclocker of output 3 not switched on"; several are joined.
std::string FailedReclockerText(const std::vector<AskedReclocker>& failed);

struct TakeChecks {
    std::vector<AskedRoute> Routes;
    std::vector<AskedReclocker> Reclockers;

    static TakeChecks Of(const RouteSnapshot& before, const SwitcherState& after);
    bool Empty() const { return Routes.empty() && Reclockers.empty(); }
    // The older checks join these, except on outputs these ask anew.
    void Keep(const TakeChecks& older);
    bool Asks(int output) const;
    // Every output checked, in order, once each.
    std::vector<int> Outputs() const;
};

}  // namespace vx
