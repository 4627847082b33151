#include "link/StatusQuery.h"

#include "link/EthernetLink.h"
#include "link/LinkContext.h"
#include "link/SerialLink.h"

namespace vx {

void LinkStatusQuery::RunStatusQuery() {
    // Queries try TCP first, the opposite order of commands.
    if (c_.Model.EthernetConnected)
        ethernet_.SocketQuery();
    else
        serial_.SerialQuery();
}

}  // namespace vx
