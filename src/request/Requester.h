#pragma once
// Who asks the panel for something: the operator at one of the window's controls, the
// preset sequencer, vxctl, or a client of the router-protocol server, known by its address.
#include <string>

namespace vx {

enum class Source { Window, Matrix, Keyboard, Sequencer, Vxctl, RouterClient };

struct Requester {
    Source From = Source::Window;
    std::string Address;  // a router client's address; empty for every other source

    // The window's own controls act at once or not at all: a click that arrives while the
    // panel waits for the switcher is ignored, as the operator sees the window busy. Every
    // other source is kept and runs once the wait is over.
    bool AtTheWindow() const {
        return From == Source::Window || From == Source::Matrix || From == Source::Keyboard;
    }
};

// The user an activity record names for what this requester did; empty for the operator
// at this computer (the record then names the logged-in user).
std::string RequesterUser(const Requester& who);

}  // namespace vx
