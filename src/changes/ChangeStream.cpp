#include "changes/ChangeStream.h"

#include <algorithm>

namespace vx {

int ChangeStream::Subscribe(Listener listener) {
    listeners_.push_back({nextTicket_, std::move(listener)});
    return nextTicket_++;
}

void ChangeStream::Unsubscribe(int ticket) {
    std::erase_if(listeners_, [ticket](const Entry& e) { return e.Ticket == ticket; });
}

void ChangeStream::Publish(const PanelChange& change) {
    // A listener may subscribe or leave while it is told: tell the ones there now.
    const std::vector<Entry> now = listeners_;
    for (const Entry& e : now) e.Call(change);
}

}  // namespace vx
