#pragma once
// The bytes waiting to go out on one link, each piece with the earliest time it may
// be written. A baud rate spaces the bytes out like a real serial line.
#include <deque>
#include <optional>
#include <string>

#include "Clock.h"

namespace vxsim {

class PacedOutput {
public:
    explicit PacedOutput(int baud = 0) : baud_(baud) {}

    // Pieces go out in the order given, never before their time nor before an earlier piece.
    void Enqueue(std::string bytes, Micros notBefore);
    // When the next write may happen; nullopt when nothing waits or the link is full.
    std::optional<Micros> NextWriteTime() const;
    // The link took no more bytes at the last write: wait until it is writable.
    bool WaitsForRoom() const { return full_ && !pieces_.empty(); }
    // The link can be written again (poll said so): what waits is due once more.
    void RoomAgain() { full_ = false; }
    // Writes what is due. False when the link failed for good.
    bool WriteDue(int fd, Micros now);

    void Clear() {
        pieces_.clear();
        queued_ = 0;
    }
    bool Empty() const { return pieces_.empty(); }
    std::size_t QueuedBytes() const { return queued_; }

private:
    struct Piece {
        std::string Bytes;
        std::size_t Sent = 0;
        Micros NotBefore = 0;
    };
    int baud_;
    std::deque<Piece> pieces_;
    std::size_t queued_ = 0;
    Micros lastNotBefore_ = 0;
    Micros lineFreeAt_ = 0;  // paced links: when the last byte written has left the wire
    bool full_ = false;
};

}  // namespace vxsim
