#pragma once
// The router-protocol server's settings: off unless the operator turns it on, listening on
// the loopback at port 9990 unless another address is chosen, and letting in the loopback
// alone unless an allowed list is given. Kept in the panel's settings file.
#include <optional>
#include <string>
#include <vector>

namespace vx {

inline constexpr int DefaultServePort = 9990;
inline constexpr const char* DefaultServeAddress = "127.0.0.1";

struct ServeSettings {
    bool On = false;
    std::string Address = DefaultServeAddress;  // where the server listens
    int Port = DefaultServePort;
    std::string Allowed;         // client addresses and prefixes; empty: the loopback alone
    bool LabelsAllowed = false;  // "Clients may change labels"
    bool ReadOnly = false;
    bool operator==(const ServeSettings&) const = default;
};

// The settings among the file's lines; defaults for what is missing or not valid.
ServeSettings ServeSettingsOf(const std::vector<std::string>& lines);
bool IsServeLine(const std::string& line);
std::vector<std::string> ServeLines(const ServeSettings& settings);

// "--serve [ADDRESS:]PORT" as the command line gives it; Error names what is wrong.
struct ServeOption {
    std::string Address = DefaultServeAddress;
    int Port = DefaultServePort;
    std::string Error;
};
// anyPort: port 0 stands for any free port (a tool that prints the port it got).
ServeOption ParseServeOption(const std::string& text, bool anyPort = false);

}  // namespace vx
