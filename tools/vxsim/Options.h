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

    // Fault switches (and hang-ups, dropped connections) read from standard input while
    // the simulator runs, one a line.
    bool Control = false;

    bool Help = false;
};

struct ParsedOptions {
    SimOptions Options;
    std::string Error;  // empty when the command line is good
};

// args excludes the program name. Without any link a TCP server on a free loopback port is started.
ParsedOptions ParseOptions(const std::vector<std::string>& args);
std::string HelpText();

// One fault switch as a control line gives it ("delay-ms 200", "silent on", "chunk 0"),
// set in o: empty when done, else why not. Only the fault switches can be changed so.
std::string SetFaultSwitch(SimOptions& o, const std::string& line);
// The fault switches of o back as those of initial.
void ResetFaultSwitches(SimOptions& o, const SimOptions& initial);

}  // namespace vxsim
