#pragma once
// What the router protocol shows of the panel: ports from 0, the names as labels, the
// routes in force, which outputs are protected, and the device block. The server keeps a
// copy of its own, so that its sockets never wait for the panel to answer.
#include <string>
#include <vector>

namespace vx::router {

struct RouterPicture {
    bool Present = false;  // the panel has a switcher to talk to
    int Inputs = 0;
    int Outputs = 0;
    std::string ModelName;
    std::string FriendlyName;
    std::string UniqueId;
    std::vector<std::string> InputLabels;
    std::vector<std::string> OutputLabels;
    std::vector<int> Routes;      // per output: the input in force, or -1 when unknown
    std::vector<bool> Protected;  // per output
    bool operator==(const RouterPicture&) const = default;
};

// The protocol's blocks drawn from a picture. items: the ports to write, all when empty.
// A label never carries a line end, and a route whose input is unknown is left out.
std::string DeviceBlock(const RouterPicture& p);
std::string LabelBlock(const RouterPicture& p, bool outputs, const std::vector<int>& items = {});
std::string RoutingBlock(const RouterPicture& p, const std::vector<int>& items = {});
std::string ConfigurationBlock();
std::string PreambleBlock();
std::string EndPreludeBlock();

}  // namespace vx::router
