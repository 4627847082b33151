#pragma once
// Names between the window (UTF-8 text) and their 6-byte slots (Windows-1252 bytes), and
// the texts built from a name.
#include <string>
#include <string_view>

#include "model/Records.h"

namespace vx {

// The name a slot holds, as text for the window.
std::string ReadName(const NameSlot& slot);
// Writes a name typed in the window into a slot under the slot rule (at most six
// characters; '?' for a character the code page cannot hold).
void WriteName(NameSlot& slot, std::string_view text);

// "Group 2 (NEWS)": the caption of group g's exist box and selector item.
std::string GroupCaption(int g, std::string_view name);

// The accessible name of a control that carries a name: "Input 3, CAM1", or just
// "Input 3" while the name is empty or still the number, so a screen reader says what
// the operator reads on the control.
std::string NamedControl(std::string_view control, int number, std::string_view name);

}  // namespace vx
