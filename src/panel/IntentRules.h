#pragma once
// What the panel's door does around a request of each intent, beside its guards: whether
// it is an operator action of the activity log, an undo step, a take follow mode checks,
// a selection, or the operator's own choice of link. One table, read in one place.
#include "request/Request.h"

namespace vx {

struct IntentRules {
    bool Logged = false;     // a record of its own when it sent a line
    bool Step = false;       // what it put in force is one undo step
    bool Verified = false;   // with follow on, a poll checks the routes it took
    bool Selecting = false;  // a selection it made shows that follow's mark was seen
    bool ChoosesLink = false;  // a connection it closes is no drop to reconnect
    bool Sends = false;      // it sends a line to the switcher
    bool Takes = false;      // it sends "TAKE 1", which puts every pending route in force
    bool MakesRoutes = false;  // the routes it leaves pending are this panel's
    // The undo history's word for a change found as the request ends; null: the default.
    const char* SettleWhy = nullptr;
    // The step's name when it is not a take's ("Clear All Routing").
    const char* StepName = "";
};

IntentRules RulesOf(Intent what);

}  // namespace vx
