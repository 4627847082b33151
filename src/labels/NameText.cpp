#include "labels/NameText.h"

#include "model/Cp1252.h"
#include "model/NameSlots.h"

namespace vx {

std::string ReadName(const NameSlot& slot) {
    return Cp1252ToUtf8(ReadNameSlot(slot));
}

void WriteName(NameSlot& slot, std::string_view text) {
    WriteNameSlot(slot, Utf8ToCp1252(text));
}

std::string GroupCaption(int g, std::string_view name) {
    return "Group " + std::to_string(g + 1) + " (" + std::string(name) + ")";
}

std::string NamedControl(std::string_view control, int number, std::string_view name) {
    std::string out = std::string(control) + " " + std::to_string(number);
    if (!name.empty() && name != std::to_string(number)) out += ", " + std::string(name);
    return out;
}

}  // namespace vx
