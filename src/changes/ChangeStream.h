#pragma once
// The one stream of changes out of the panel core. The pages, the crosspoint matrix,
// vxctl watch and the router-protocol server subscribe; each change is published once.
#include <functional>
#include <utility>
#include <vector>

#include "changes/PanelChange.h"

namespace vx {

class ChangeStream {
public:
    using Listener = std::function<void(const PanelChange&)>;

    // Returns a ticket for Unsubscribe.
    int Subscribe(Listener listener);
    void Unsubscribe(int ticket);
    void Publish(const PanelChange& change);

private:
    struct Entry {
        int Ticket;
        Listener Call;
    };
    std::vector<Entry> listeners_;
    int nextTicket_ = 1;
};

}  // namespace vx
