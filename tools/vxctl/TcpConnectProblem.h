#pragma once
// Why a TCP connection to the switcher could not be made, looked at after the panel's
// connect failed: an unknown host, a refused connection and a silent address differ.
#include <string>

namespace vxctl {

// The cause in words, from resolving the host and one connection attempt bounded by
// limitMs; empty when the connection can be made after all.
std::string TcpConnectProblem(const std::string& host, int port, int limitMs);

}  // namespace vxctl
