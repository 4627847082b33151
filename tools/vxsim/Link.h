#pragma once
// One open link to the switcher: a TCP client connection or the serial end.
#include <deque>

#include "LineSplitter.h"
#include "PacedOutput.h"

namespace vxsim {

enum class LinkKind { Tcp, Serial };

inline const char* LinkName(LinkKind kind) {
    return kind == LinkKind::Tcp ? "tcp" : "serial";
}

struct Link {
    Link(int fd, LinkKind kind, int baud) : Fd(fd), Kind(kind), Out(baud) {}

    int Fd;
    LinkKind Kind;
    LineSplitter Lines;
    std::deque<ReceivedLine> Waiting;  // received while the switcher was busy resetting
    PacedOutput Out;
    long LinesServed = 0;
    bool Closing = false;  // close once the queued answers are out
    bool Dead = false;
};

}  // namespace vxsim
