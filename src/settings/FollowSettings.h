#pragma once
// Follow mode's settings: whether the panel keeps polling the switcher, and how often.
// They are the panel's own, kept in its settings file beside IPSave.ini.
#include <algorithm>

namespace vx {

inline constexpr int MinFollowSeconds = 1;
inline constexpr int MaxFollowSeconds = 60;
inline constexpr int DefaultFollowSeconds = 2;

struct FollowSettings {
    bool On = false;
    int IntervalSeconds = DefaultFollowSeconds;
};

inline int ClampFollowSeconds(int s) {
    return std::clamp(s, MinFollowSeconds, MaxFollowSeconds);
}

}  // namespace vx
