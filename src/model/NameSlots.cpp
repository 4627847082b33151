#include "model/NameSlots.h"

#include <algorithm>

namespace vx {

void WriteNameSlot(NameSlot& slot, std::string_view name) {
    const std::size_t n = std::min<std::size_t>(name.size(), NameSlotSize);
    for (std::size_t i = 0; i < n; ++i) slot[i] = static_cast<byte>(name[i]);
    if (n < NameSlotSize) slot[n] = 0;
}

std::string ReadNameSlot(const NameSlot& slot) {
    std::string out;
    for (int i = 0; i < NameSlotSize && slot[i] != 0; ++i) out.push_back(static_cast<char>(slot[i]));
    return out;
}

}  // namespace vx
