#pragma once
// The status line's answer to an action that would change the switcher, or the picture
// beneath an open preset preview.
namespace vx {

inline constexpr const char* PreviewOpenText = "A preset preview is open: Confirm or Cancel it first.";

}  // namespace vx
