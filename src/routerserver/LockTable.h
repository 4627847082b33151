#pragma once
// Output locks by client address. A lock belongs to the address, not to a connection, so a
// client that reconnects still holds its locks. A protected output reads as locked by
// someone else to every client, and no client may force it.
#include <map>
#include <string>

namespace vx::router {

enum class LockResult { Changed, Same, Refused };

class LockTable {
public:
    // 'O' held by this address, 'L' held by another or protected, 'U' free.
    char StateFor(int output, const std::string& address, bool protectedOutput) const;
    // ask: 'O' lock, 'U' unlock one's own, 'F' force open whoever holds it.
    LockResult Apply(int output, const std::string& address, char ask, bool protectedOutput);
    // The operator's unlock; true when the output was held.
    bool Release(int output);
    // Who holds the output, empty when no one.
    std::string Holder(int output) const;
    const std::map<int, std::string>& All() const { return holders_; }

private:
    std::map<int, std::string> holders_;
};

}  // namespace vx::router
