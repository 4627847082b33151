#include "request/Requester.h"

namespace vx {

std::string RequesterUser(const Requester& who) {
    return who.From == Source::RouterClient ? "router client " + who.Address : std::string();
}

}  // namespace vx
