#pragma once
// The door's guard for outputs a router client has locked: no one but the client at that
// address routes them, the operator included (who may unlock them first).
#include <map>
#include <string>

#include "request/Request.h"

namespace vx::router {

using LockHolders = std::map<int, std::string>;  // output -> the holding client's address

// Why the request may not run, in the status line's words; empty when it may.
// selectedOutput: the output the operator's next input goes to.
std::string LockRefusal(const LockHolders& locks, const Request& r, int selectedOutput);

}  // namespace vx::router
