#include "link/PortReads.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "link/LinkState.h"

namespace vx {

bool SerialOutputHasRoom(const SerialPortService& port, std::string_view text) {
    return port.OutputFree() > text.size();
}

void DiscardTcpInput(TcpClientService& tcp) {
    std::array<std::uint8_t, SocketChunkSize> scratch{};
    for (int k = 0; k < SocketChunkCount; ++k)
        if (tcp.Read(scratch.data(), scratch.size(), 0) == 0) return;
}

void DiscardTcpThroughPrompt(TcpClientService& tcp, Clock& time, char prompt, int limitMs) {
    const auto p = static_cast<std::uint8_t>(prompt);
    const std::int64_t deadline = time.NowMs() + limitMs;
    std::array<std::uint8_t, SocketChunkSize> scratch{};
    for (int k = 0; k < SocketChunkCount; ++k) {
        const std::int64_t left = deadline - time.NowMs();
        if (left <= 0) return;
        const std::size_t n = tcp.Read(scratch.data(), scratch.size(), static_cast<int>(left));
        if (n == 0) return;
        const auto end = scratch.begin() + static_cast<std::ptrdiff_t>(n);
        if (std::find(scratch.begin(), end, p) != end) return;
    }
}

}  // namespace vx
