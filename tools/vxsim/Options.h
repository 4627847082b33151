#pragma once
// The command line of vxsim: links, switcher identity and fault switches.
#include <array>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "AnswerFrame.h"
#include "SwitcherModel.h"

namespace vxsim {

struct TcpEndpoint {
    std::string Address = "127.0.0.1";
    int Port = 0;  // 0: the system picks a free port
};

struct SimOptions {
    std::optional<TcpEndpoint> Tcp;
    std::optional<std::string> SerialPath;
    int Baud = 0;  // 0: serial output as fast as the pseudo-terminal takes it
    SwitcherIdentity Identity;
    int ResetDelayMs = 3000;
    std::string TranscriptPath;

    bool Silent = false;
    int DelayMs = 0;
    int Chunk = 0;  // 0: answers in one piece
    int ChunkPauseMs = 20;
    std::set<std::string> NoAnswer;
    // Commands acknowledged but not carried out.
    std::set<std::string> Ignore;
    int DropAfter = 0;  // 0: never
    FrameOptions Frame;

    bool Help = false;
};

struct ParsedOptions {
    SimOptions Options;
    std::string Error;  // empty when the command line is good
};

// args excludes the program name. Without any link a TCP server on a free loopback port is started.
ParsedOptions ParseOptions(const std::vector<std::string>& args);
std::string HelpText();

}  // namespace vxsim
