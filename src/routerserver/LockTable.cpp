#include "routerserver/LockTable.h"

namespace vx::router {

char LockTable::StateFor(int output, const std::string& address, bool protectedOutput) const {
    if (protectedOutput) return 'L';
    const auto it = holders_.find(output);
    if (it == holders_.end()) return 'U';
    return it->second == address ? 'O' : 'L';
}

LockResult LockTable::Apply(int output, const std::string& address, char ask, bool protectedOutput) {
    const auto it = holders_.find(output);
    const bool held = it != holders_.end();
    const bool mine = held && it->second == address;
    switch (ask) {
        case 'O':
            if (protectedOutput || (held && !mine)) return LockResult::Refused;
            if (mine) return LockResult::Same;
            holders_[output] = address;
            return LockResult::Changed;
        case 'U':
            if (!held) return LockResult::Same;
            if (!mine) return LockResult::Refused;
            holders_.erase(it);
            return LockResult::Changed;
        case 'F':
            if (protectedOutput) return LockResult::Refused;
            if (!held) return LockResult::Same;
            holders_.erase(it);
            return LockResult::Changed;
        default:
            return LockResult::Refused;
    }
}

bool LockTable::Release(int output) {
    return holders_.erase(output) != 0;
}

std::string LockTable::Holder(int output) const {
    const auto it = holders_.find(output);
    return it == holders_.end() ? std::string() : it->second;
}

}  // namespace vx::router
