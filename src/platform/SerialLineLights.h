#pragma once
// The five line-state lights of the RS-232 group on the About page, left to right.
namespace vx::platform {

struct SerialLineLights {
    bool Txd = false;
    bool Rxd = false;
    bool Dcd = false;
    bool Dsr = false;
    bool Cts = false;
    bool operator==(const SerialLineLights&) const = default;
};

}  // namespace vx::platform
