#include "routerserver/RouterPicture.h"

#include "routerserver/RouterBlocks.h"

namespace vx::router {

namespace {

std::vector<int> AllPorts(int count) {
    std::vector<int> all;
    for (int i = 0; i < count; ++i) all.push_back(i);
    return all;
}

std::string OneLine(const std::string& text) {
    std::string out;
    for (char c : text) out += (c == '\n' || c == '\r') ? ' ' : c;
    return out;
}

}  // namespace

std::string PreambleBlock() {
    return WriteBlock("PROTOCOL PREAMBLE:", {"Version: 2.8"});
}

std::string DeviceBlock(const RouterPicture& p) {
    if (!p.Present) return WriteBlock("VIDEOHUB DEVICE:", {"Device present: false"});
    return WriteBlock("VIDEOHUB DEVICE:", {"Device present: true", "Model name: " + OneLine(p.ModelName),
                                           "Friendly name: " + OneLine(p.FriendlyName),
                                           "Unique ID: " + OneLine(p.UniqueId),
                                           "Video inputs: " + std::to_string(p.Inputs),
                                           "Video processing units: 0",
                                           "Video outputs: " + std::to_string(p.Outputs),
                                           "Video monitoring outputs: 0", "Serial ports: 0"});
}

std::string LabelBlock(const RouterPicture& p, bool outputs, const std::vector<int>& items) {
    const auto& labels = outputs ? p.OutputLabels : p.InputLabels;
    const int count = outputs ? p.Outputs : p.Inputs;
    std::vector<std::string> lines;
    for (int i : items.empty() ? AllPorts(count) : items) {
        if (i < 0 || i >= count || static_cast<std::size_t>(i) >= labels.size()) continue;
        lines.push_back(std::to_string(i) + " " + OneLine(labels[static_cast<std::size_t>(i)]));
    }
    return WriteBlock(outputs ? "OUTPUT LABELS:" : "INPUT LABELS:", lines);
}

std::string RoutingBlock(const RouterPicture& p, const std::vector<int>& items) {
    std::vector<std::string> lines;
    for (int o : items.empty() ? AllPorts(p.Outputs) : items) {
        if (o < 0 || o >= p.Outputs || static_cast<std::size_t>(o) >= p.Routes.size()) continue;
        const int input = p.Routes[static_cast<std::size_t>(o)];
        if (input < 0 || input >= p.Inputs) continue;
        lines.push_back(std::to_string(o) + " " + std::to_string(input));
    }
    return WriteBlock("VIDEO OUTPUT ROUTING:", lines);
}

std::string ConfigurationBlock() {
    return WriteBlock("CONFIGURATION:", {"Take Mode: false"});
}

std::string EndPreludeBlock() {
    return WriteBlock("END PRELUDE:");
}

}  // namespace vx::router
