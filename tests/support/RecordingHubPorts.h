#pragma once
// The router server's outside as a test sees it: what each client was sent, which were
// closed, and the jobs handed to the panel.
#include <map>
#include <string>
#include <vector>

#include "routerserver/RouterBlocks.h"
#include "routerserver/RouterHub.h"

namespace vx::test {

struct RecordingHubPorts : router::RouterHubPorts {
    std::map<int, std::string> sent;
    std::vector<int> closed;
    std::vector<router::PanelJob> jobs;

    void Send(int client, const std::string& bytes) override { sent[client] += bytes; }
    void Close(int client) override { closed.push_back(client); }
    void ToPanel(router::PanelJob job) override { jobs.push_back(std::move(job)); }

    // What the client was sent since the last look, as blocks.
    std::vector<router::Block> Blocks(int client) {
        std::vector<router::Block> out;
        router::BlockParser parser;
        parser.Feed(sent[client], out);
        sent[client].clear();
        return out;
    }
    std::string Take(int client) {
        std::string s;
        s.swap(sent[client]);
        return s;
    }
    std::vector<router::PanelJob> Jobs(router::PanelJob::Kind kind) const {
        std::vector<router::PanelJob> out;
        for (const auto& j : jobs)
            if (j.What == kind) out.push_back(j);
        return out;
    }
};

// A picture of a switcher of the given size: labels "In 1".., "Out 1"..; output o on input o.
inline router::RouterPicture SamplePicture(int size) {
    router::RouterPicture p;
    p.Present = true;
    p.Inputs = p.Outputs = size;
    p.ModelName = "VX Control HD SDI (" + std::to_string(size) + " x " + std::to_string(size) + ")";
    p.FriendlyName = p.ModelName;
    p.UniqueId = "0A0000070B";
    for (int i = 0; i < size; ++i) {
        p.InputLabels.push_back("In " + std::to_string(i + 1));
        p.OutputLabels.push_back("Out " + std::to_string(i + 1));
        p.Routes.push_back(i);
        p.Protected.push_back(false);
    }
    return p;
}

}  // namespace vx::test
