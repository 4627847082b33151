#pragma once
// Many hands share a switcher, and "TAKE 1" puts in force every route pending on it,
// whoever made it. Before this panel's take, the routes pending at the switcher that this
// panel did not ask for (another panel's, a script's, a router client's) are set aside, each
// with an "RTEMP" back to the input in force, and after the take they are put back as
// pending: only what was asked here goes in force, and the others' routes survive, taken
// by nobody here. The model shows what the switcher holds throughout.
#include <algorithm>
#include <array>
#include <vector>

#include "link/CommandSender.h"
#include "model/SwitcherState.h"
#include "routing/OutputDisplay.h"
#include "status/StatusReader.h"

namespace vx {

// The routes this panel made pending and has not yet seen taken or withdrawn.
class OwnPending {
public:
    OwnPending() { inputs_.fill(None); }
    // After a request: every output it made pending (its route as the request left it
    // differs from before, and is still so now) is this panel's, every output in force is
    // no one's pending route. Outputs set aside for the request are left as they were.
    void Note(const std::array<RouteEntry, MaxOutputs>& before, const std::array<RouteEntry, MaxOutputs>& made,
              const SwitcherState& m, bool madeHere, const std::vector<int>& setAside);
    // True when output o's pending route at the switcher is the one this panel made.
    bool Owns(int o, const RouteEntry& atSwitcher) const;

private:
    static constexpr int None = -2;
    std::array<int, MaxOutputs> inputs_{};
};

class PendingAside {
public:
    PendingAside(SwitcherState& model, CommandSender& sender, StatusReader& reader, OutputDisplay& display)
        : m_(model), send_(sender), reader_(reader), display_(display) {}

    // Reads the routes and the inputs in force, then sets aside every route pending at the
    // switcher that own did not make. False when the switcher could not be read: nothing
    // was sent then.
    bool SetAside(const OwnPending& own);
    // Reads the routes and notes every route pending at the switcher that own did not make,
    // sending nothing: a "TAKE 0" is about to withdraw them, and PutBack makes them again.
    bool NoteOthers(const OwnPending& own);
    // The routes set aside (or noted) go back to pending, as they were.
    void PutBack();
    // Nothing set aside: a request that did not read starts from here.
    void Forget() { aside_.clear(); }
    // The outputs set aside by the last SetAside (0-based).
    std::vector<int> Outputs() const;

private:
    struct Aside {
        int Output;
        byte Pending;  // the route pending elsewhere
    };
    SwitcherState& m_;
    CommandSender& send_;
    StatusReader& reader_;
    OutputDisplay& display_;
    std::vector<Aside> aside_;
};

}  // namespace vx
