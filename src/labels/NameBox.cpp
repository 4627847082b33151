#include "labels/NameBox.h"

namespace vx {

int FamilySize(NameFamily f) {
    switch (f) {
        case NameFamily::Input:
            return MaxInputs;
        case NameFamily::Output:
            return MaxOutputs;
        case NameFamily::Group:
            return GroupCount;
        case NameFamily::Preset:
            return PresetCount;
    }
    return 0;
}

bool IsNameBox(NameBox box) {
    return IsIndex(box.Index, FamilySize(box.Family));
}

NameBox NextInChain(NameBox box) {
    if (box.Index + 1 < FamilySize(box.Family)) return {box.Family, box.Index + 1};
    switch (box.Family) {
        case NameFamily::Input:
            return {NameFamily::Output, 0};
        case NameFamily::Output:
            return {NameFamily::Group, 0};
        case NameFamily::Group:
            return {NameFamily::Preset, 0};
        case NameFamily::Preset:
            break;
    }
    return {NameFamily::Input, 0};
}

}  // namespace vx
