#pragma once
// A router client's network address as the server keys locks and checks the allowed list
// by: the IPv6 loopback and an IPv4 address written as IPv6 are the IPv4 address, so two
// programs on one machine are one client whichever way they connected.
#include <string>
#include <string_view>
#include <vector>

namespace vx::router {

std::string NormalAddress(std::string_view address);
bool IsLoopback(const std::string& normalAddress);

// The allowed list as the operator writes it: addresses and prefixes ("10.1.2.0/24",
// "fd00::/8"), separated by commas or spaces. Error names the first entry that is neither.
struct AllowedList {
    std::vector<std::string> Entries;
    std::string Error;
};
AllowedList ParseAllowedList(std::string_view text);

// An empty list lets in the loopback alone.
bool AddressAllowed(const std::string& normalAddress, const std::vector<std::string>& entries);

}  // namespace vx::router
