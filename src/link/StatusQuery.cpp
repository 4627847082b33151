#include "link/StatusQuery.h"

#include <string>

#include "link/EthernetLink.h"
#include "link/LinkContext.h"
#include "link/SerialLink.h"

namespace vx {

void LinkStatusQuery::RunStatusQuery() {
    // Queries try TCP first, the opposite order of commands.
    const std::string line(c_.Link.CommandLine.data());
    if (c_.Model.EthernetConnected)
        ethernet_.SocketQuery();
    else
        serial_.SerialQuery();
    auto& log = c_.Link.Activity();
    if (!log.On()) return;
    std::string shown = line;
    while (!shown.empty() && (shown.back() == '\r' || shown.back() == '\n')) shown.pop_back();
    const std::string outcome = c_.Link.ReplyFailed ? "no answer" : "answered";
    log.Note("Status", shown, outcome,
             {{"query", shown}, {"outcome", outcome}, {"bytes", std::to_string(c_.Link.ReplyLength)}});
}

}  // namespace vx
