#pragma once
// The command line of vxctl: the link, the options and one command with its arguments,
// checked as far as they can be without the switcher. A bad line gives a one-line
// message naming the bad argument, and nothing is sent.
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace vxctl {

enum class LinkKind { None, Serial, Tcp };

enum class Command {
    None,
    Read,
    Route,
    Take,
    Cancel,
    Clear,
    Reclock,
    PresetStore,
    PresetRecall,
    Lock,
    VI,
    SystemSave,
    SystemRecall,
    Ip,
    Reset,
    FactoryReset,
    Raw,
    Watch,
    Serve
};

struct CtlRequest {
    LinkKind Link = LinkKind::None;
    std::string Device;  // --serial
    std::string Host;    // --tcp
    int Port = 23;
    bool Json = false;
    bool Verify = false;
    bool TakeAfterRoute = false;
    bool Yes = false;
    bool Help = false;
    bool Version = false;
    std::string ConfigPath;
    std::string LogPath;  // --log: activity records appended to this file
    Command Cmd = Command::None;
    std::vector<std::pair<int, int>> Routes;  // output 1.., input 1.. or 0 for a disconnect
    int Output = 0;                           // reclock, 1..
    bool On = false;                          // reclock, lock, vi
    int Preset = 0;                           // 1..PresetCount
    std::array<int, 4> Ip{};
    std::string RawLine;      // without its carriage return
    int IntervalSeconds = 2;  // watch: seconds between polls
    bool IntervalGiven = false;
    // serve: where the router-protocol server listens, whom it lets in, what clients may do.
    std::string ServeAddress = "127.0.0.1";
    int ServePort = 9990;
    std::string Allowed;
    bool LabelsAllowed = false;
    bool ReadOnly = false;
    bool ServeOptionGiven = false;
};

struct ParsedRequest {
    CtlRequest Request;
    std::string Error;  // empty when the line is good
};

ParsedRequest ParseArguments(const std::vector<std::string>& args);

}  // namespace vxctl
