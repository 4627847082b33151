#pragma once
// The routing and grouping core over a recording link and recording views: a switcher on
// TCP that acknowledges every line, so each test can assert the exact lines sent.
#include <string>
#include <vector>

#include "LinkRig.h"
#include "RecordingGroupingView.h"
#include "RecordingPresetHooks.h"
#include "RecordingRoutingView.h"
#include "groups/Grouping.h"
#include "routing/Crosspoint.h"
#include "routing/OutputDisplay.h"

namespace vx::test {

struct RoutingRig : LinkRig {
    RecordingRoutingView routingView;
    RecordingGroupingView groupingView;
    RecordingPresetHooks hooks;
    OutputDisplay display{model, sender, routingView};
    Crosspoint crosspoint{model, sender, routingView, display, hooks};
    Grouping grouping{model, sender, groupingView};

    RoutingRig() { ConnectAnsweringTcp(); }

    // Every line the switcher received, without the carriage return, which is checked here.
    std::vector<std::string> Lines() const {
        std::vector<std::string> out;
        for (const std::string& s : tcp.sends) {
            if (s.empty() || s.back() != '\r')
                out.push_back("(no carriage return) " + s);
            else
                out.push_back(s.substr(0, s.size() - 1));
        }
        return out;
    }
    void ForgetLines() { tcp.sends.clear(), tcp.sent.clear(); }
};

}  // namespace vx::test
