#pragma once
// The texts of the switcher-wide commands on the "Setup" page.
namespace vx {

inline constexpr const char* ResetCaption = "VX Control - Reset Verification";
inline constexpr const char* ResetQuestion =
    "Resetting the Vextaro will reset settings to saved values. Are you sure you want to reset the Vextaro?";
inline constexpr const char* FactoryResetQuestion =
    "Resetting the Vextaro will reset settings to factory values. Are you sure you want to factory reset the "
    "Vextaro?";
inline constexpr const char* ResetProgressText = "Vextaro reset in progress. Please wait....";

}  // namespace vx
