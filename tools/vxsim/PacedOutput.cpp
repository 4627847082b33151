#include "PacedOutput.h"

#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace vxsim {

namespace {

// A paced link is written in pieces of about this long, so the timing stays smooth.
constexpr Micros PacingSliceMicros = 2000;

ssize_t WriteSome(int fd, const char* data, std::size_t size) {
    // send() keeps a vanished TCP peer from raising SIGPIPE; a terminal is not a socket.
    ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n < 0 && errno == ENOTSOCK) n = ::write(fd, data, size);
    return n;
}

}  // namespace

void PacedOutput::Enqueue(std::string bytes, Micros notBefore) {
    if (bytes.empty()) return;
    lastNotBefore_ = std::max(lastNotBefore_, notBefore);
    queued_ += bytes.size();
    pieces_.push_back({std::move(bytes), 0, lastNotBefore_});
}

std::optional<Micros> PacedOutput::NextWriteTime() const {
    if (pieces_.empty() || full_) return std::nullopt;
    return std::max(pieces_.front().NotBefore, lineFreeAt_);
}

bool PacedOutput::WriteDue(int fd, Micros now) {
    full_ = false;
    while (!pieces_.empty()) {
        Piece& piece = pieces_.front();
        if (piece.NotBefore > now || lineFreeAt_ > now) return true;
        std::size_t size = piece.Bytes.size() - piece.Sent;
        if (baud_ > 0)
            size = std::min<std::size_t>(size, std::max<Micros>(1, baud_ * PacingSliceMicros / 10'000'000));
        const ssize_t n = WriteSome(fd, piece.Bytes.data() + piece.Sent, size);
        if (n < 0) {
            if (errno == EAGAIN || errno == EWOULDBLOCK) {
                full_ = true;
                return true;
            }
            if (errno == EINTR) continue;
            return false;
        }
        piece.Sent += static_cast<std::size_t>(n);
        queued_ -= static_cast<std::size_t>(n);
        if (baud_ > 0) lineFreeAt_ = now + static_cast<Micros>(n) * 10'000'000 / baud_;
        if (piece.Sent == piece.Bytes.size()) pieces_.pop_front();
    }
    return true;
}

}  // namespace vxsim
