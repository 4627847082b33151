#pragma once
// The 6-byte name slot rule shared by the label store and the configuration file.
#include <string>
#include <string_view>

#include "model/Records.h"

namespace vx {

// Writes at most 6 characters; a shorter name is followed by one zero byte.
// Bytes after that zero byte keep what they held; nothing outside the slot is touched.
void WriteNameSlot(NameSlot& slot, std::string_view name);

// Reads the characters before the first zero byte, at most 6.
std::string ReadNameSlot(const NameSlot& slot);

}  // namespace vx
