#pragma once
// Routes before and after: what a poll found changed at the switcher, and which of the
// routes an action asked for the switcher did not put in force. Outputs are 0-based here
// and 1-based in every text.
#include <array>
#include <string>
#include <vector>

#include "model/SwitcherState.h"

namespace vx {

// The routes of the live outputs at one moment.
struct RouteSnapshot {
    int Outputs = 0;
    std::array<RouteEntry, MaxOutputs> Routes{};
    std::array<byte, MaxOutputs> Reclockers{};
};
RouteSnapshot SnapshotRoutes(const SwitcherState& m);

struct RouteChange {
    int Output;
    RouteEntry Before;
    RouteEntry After;
};
// Every live output whose route or route state differs from the snapshot.
std::vector<RouteChange> ChangedRoutes(const RouteSnapshot& before, const SwitcherState& now);
// "Output 3 is now from input 7, changed at the switcher", and the like for a pending
// route, a pending disconnect or no input.
std::string ChangeText(const RouteChange& change);

// A route an action asked for: the input to be in force on the output.
struct AskedRoute {
    int Output;
    byte Input;
};
// What an action asked of the switcher: every output that is in force in the model after
// it and was pending before it or changed by it.
std::vector<AskedRoute> AskedRoutes(const RouteSnapshot& before, const SwitcherState& after);

struct FailedRoute {
    int Output;
    byte Asked;
    byte InForce;
};
// The asked routes the switcher does not hold in force, by what it answered (its routes,
// and its previous inputs for a route it still holds pending).
std::vector<FailedRoute> FailedRoutes(const std::vector<AskedRoute>& asked, const SwitcherState& now);
// "take failed: input 5 asked, input 2 in force".
std::string FailedRemark(const FailedRoute& f);
// "Take failed on output 3 (input 5 asked, input 2 in force)"; several are joined.
std::string FailedText(const std::vector<FailedRoute>& failed);

// "input 7", or "no input" for anything that is no input.
std::string InputWords(byte input);

}  // namespace vx
