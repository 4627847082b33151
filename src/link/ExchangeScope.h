#pragma once
// Marks an operator action or an exchange with the switcher as under way for its whole
// life. Events are processed only inside such a scope (the waits for an answer, a port
// or a connection), so an action that finds one open arrived in the middle of a wait.
#include "link/LinkState.h"

namespace vx {

class ExchangeScope {
public:
    explicit ExchangeScope(LinkState& link) : link_(link) { ++link_.ExchangeDepth; }
    ~ExchangeScope() { --link_.ExchangeDepth; }
    ExchangeScope(const ExchangeScope&) = delete;
    ExchangeScope& operator=(const ExchangeScope&) = delete;

private:
    LinkState& link_;
};

}  // namespace vx
