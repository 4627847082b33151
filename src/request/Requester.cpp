#include "request/Requester.h"

namespace vx {

std::string RequesterUser(const Requester& who) {
    return who.From == Source::RouterClient ? "router client " + who.Address : std::string();
}

std::string RequesterName(const Requester& who) {
    switch (who.From) {
        case Source::Window: return "the window";
        case Source::Matrix: return "the crosspoint matrix";
        case Source::Keyboard: return "the keyboard";
        case Source::Sequencer: return "the preset sequence";
        case Source::Vxctl: return "vxctl";
        case Source::RouterClient: return "router client " + who.Address;
    }
    return "";
}

}  // namespace vx
