#include "link/BackgroundWaits.h"

#include <algorithm>

namespace vx {

namespace {

int SliceOf(std::int64_t left) {
    return static_cast<int>(std::clamp<std::int64_t>(left, 0, BackgroundSliceMs));
}

}  // namespace

void BackgroundClock::SleepMs(int ms) {
    if (!link_.OnlyBackground()) {
        clock_.SleepMs(ms);
        return;
    }
    const std::int64_t end = clock_.NowMs() + ms;
    for (std::int64_t left = ms; left > 0 && !link_.BackgroundCut && !link_.Stopping; left = end - clock_.NowMs()) {
        clock_.SleepMs(SliceOf(left));
        events_.ProcessEvents();
    }
}

template <class Got>
bool BackgroundTcp::Sliced(int timeoutMs, Got got) {
    const std::int64_t end = clock_.NowMs() + timeoutMs;
    for (;;) {
        const std::int64_t left = end - clock_.NowMs();
        if (got(SliceOf(left))) return true;
        if (left <= BackgroundSliceMs || !tcp_.IsActive() || link_.BackgroundCut || link_.Stopping) return false;
        events_.ProcessEvents();
    }
}

bool BackgroundTcp::WaitForData(int timeoutMs) {
    if (!link_.OnlyBackground()) return tcp_.WaitForData(timeoutMs);
    return Sliced(timeoutMs, [this](int slice) { return tcp_.WaitForData(slice); });
}

std::size_t BackgroundTcp::Read(std::uint8_t* dst, std::size_t max, int timeoutMs) {
    if (!link_.OnlyBackground()) return tcp_.Read(dst, max, timeoutMs);
    std::size_t n = 0;
    Sliced(timeoutMs, [&](int slice) {
        n = tcp_.Read(dst, max, slice);
        return n > 0;
    });
    return n;
}

}  // namespace vx
