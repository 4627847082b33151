#include "Options.h"

#include <arpa/inet.h>

#include <functional>
#include <map>

#include "Interpreter.h"
#include "LineWords.h"
#include "TcpServer.h"

namespace vxsim {

namespace {

std::optional<int> Number(const std::string& text, long lo, long hi) {
    auto v = ParseNumber(text);
    if (!v || *v < lo || *v > hi) return std::nullopt;
    return static_cast<int>(*v);
}

std::optional<std::array<byte, 4>> Ipv4(const std::string& text) {
    in_addr addr{};
    if (inet_pton(AF_INET, text.c_str(), &addr) != 1) return std::nullopt;
    std::array<byte, 4> out{};
    const auto* p = reinterpret_cast<const byte*>(&addr.s_addr);
    for (int i = 0; i < 4; ++i) out[i] = p[i];
    return out;
}

std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// Each option that takes a value: its check and where the value goes. An empty
// string means the value was accepted.
using Setter = std::function<std::string(SimOptions&, const std::string&)>;

Setter IntInto(int SimOptions::*field, long lo, long hi) {
    return [=](SimOptions& o, const std::string& v) -> std::string {
        auto n = Number(v, lo, hi);
        if (!n) return "expects a whole number from " + std::to_string(lo) + " to " + std::to_string(hi);
        o.*field = *n;
        return {};
    };
}

const std::map<std::string, Setter>& ValueOptions() {
    static const std::map<std::string, Setter> options{
        {"--tcp",
         [](SimOptions& o, const std::string& v) -> std::string {
             TcpEndpoint ep;
             const auto colon = v.rfind(':');
             const std::string port = colon == std::string::npos ? v : v.substr(colon + 1);
             if (colon != std::string::npos) ep.Address = v.substr(0, colon);
             auto n = Number(port, 0, 65535);
             if (!n || !Ipv4(ep.Address)) return "expects ADDR:PORT (IPv4 address, port 0 to 65535) or PORT";
             ep.Port = *n;
             o.Tcp = ep;
             return {};
         }},
        {"--serial",
         [](SimOptions& o, const std::string& v) -> std::string {
             if (v.empty()) return "expects a path";
             o.SerialPath = v;
             return {};
         }},
        {"--baud", IntInto(&SimOptions::Baud, 50, 4000000)},
        {"--model",
         [](SimOptions& o, const std::string& v) -> std::string {
             auto n = Number(v, 0, 255);
             if (!n || (*n != 10 && *n != 11 && *n != 12 && *n != 20)) return "expects 10, 11, 12 or 20";
             o.Identity.ModelCode = *n;
             return {};
         }},
        {"--firmware",
         [](SimOptions& o, const std::string& v) -> std::string {
             if (v.empty() || v.size() > 6) return "expects 1 to 6 characters";
             for (char c : v)
                 if (c < 0x21 || c > 0x7E) return "expects printable characters";
             o.Identity.Firmware = v;
             return {};
         }},
        {"--ip",
         [](SimOptions& o, const std::string& v) -> std::string {
             auto ip = Ipv4(v);
             if (!ip) return "expects an IPv4 address a.b.c.d";
             o.Identity.IpAddress = *ip;
             return {};
         }},
        {"--reset-delay-ms", IntInto(&SimOptions::ResetDelayMs, 0, 600000)},
        {"--transcript",
         [](SimOptions& o, const std::string& v) -> std::string {
             if (v.empty()) return "expects a file path";
             o.TranscriptPath = v;
             return {};
         }},
        {"--delay-ms", IntInto(&SimOptions::DelayMs, 0, 600000)},
        {"--chunk", IntInto(&SimOptions::Chunk, 1, 65536)},
        {"--chunk-pause-ms", IntInto(&SimOptions::ChunkPauseMs, 0, 10000)},
        {"--lead-in",
         [](SimOptions& o, const std::string& v) -> std::string {
             auto n = Number(v, 0, MaxLeadIn);
             if (!n) return "expects a whole number from 0 to " + std::to_string(MaxLeadIn);
             o.Frame.LeadIn = *n;
             return {};
         }},
        {"--no-marker",
         [](SimOptions& o, const std::string& v) -> std::string {
             if (!IsQueryKeyword(Upper(v))) return "expects a status query keyword such as MINFOVX";
             o.Frame.NoMarker.insert(Upper(v));
             return {};
         }},
        {"--no-answer",
         [](SimOptions& o, const std::string& v) -> std::string {
             if (!IsKnownKeyword(Upper(v))) return "expects a command or query keyword such as OINFOVX";
             o.NoAnswer.insert(Upper(v));
             return {};
         }},
        {"--ignore",
         [](SimOptions& o, const std::string& v) -> std::string {
             if (!IsKnownKeyword(Upper(v)) || IsQueryKeyword(Upper(v)))
                 return "expects a command keyword such as TAKE";
             o.Ignore.insert(Upper(v));
             return {};
         }},
        {"--drop-after", IntInto(&SimOptions::DropAfter, 1, 1000000000)},
        {"--long-answer",
         [](SimOptions& o, const std::string& v) -> std::string {
             auto n = Number(v, 0, 100000);
             if (!n) return "expects a whole number from 0 to 100000";
             o.Frame.LongAnswer = *n;
             return {};
         }},
    };
    return options;
}

}  // namespace

ParsedOptions ParseOptions(const std::vector<std::string>& args) {
    ParsedOptions out;
    SimOptions& o = out.Options;
    bool ipGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i], value;
        const auto eq = name.find('=');
        const bool inlineValue = name.rfind("--", 0) == 0 && eq != std::string::npos;
        if (inlineValue) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
        }
        if (name == "--help" || name == "-h") {
            o.Help = true;
            continue;
        }
        if (name == "--control") {
            if (inlineValue) return {o, "option " + name + " takes no value"};
            o.Control = true;
            continue;
        }
        if (name == "--silent" || name == "--hash-in-payload") {
            if (inlineValue) return {o, "option " + name + " takes no value"};
            (name == "--silent" ? o.Silent : o.Frame.HashInPayload) = true;
            continue;
        }
        auto it = ValueOptions().find(name);
        if (it == ValueOptions().end()) {
            const bool isOption = name.rfind("-", 0) == 0;
            return {o, isOption ? "unknown option " + name : "unexpected argument " + name};
        }
        if (!inlineValue) {
            if (i + 1 >= args.size()) return {o, "option " + name + " needs a value"};
            value = args[++i];
        }
        if (std::string problem = it->second(o, value); !problem.empty())
            return {o, "option " + name + " " + problem + ", not '" + value + "'"};
        ipGiven = ipGiven || name == "--ip";
    }
    if (!o.Tcp && !o.SerialPath) o.Tcp = TcpEndpoint{};
    // The switcher reports the address it is reached at, so the panel reconnects to it.
    if (!ipGiven && o.Tcp) o.Identity.IpAddress = *Ipv4(o.Tcp->Address);
    return out;
}

std::string SetFaultSwitch(SimOptions& o, const std::string& line) {
    const auto space = line.find(' ');
    const std::string name = line.substr(0, space);
    const std::string value = space == std::string::npos ? "" : line.substr(space + 1);
    if (name == "silent" || name == "hash-in-payload") {
        if (value != "on" && value != "off") return name + " expects on or off";
        (name == "silent" ? o.Silent : o.Frame.HashInPayload) = value == "on";
        return {};
    }
    // 0 switches these two off, which their command-line forms never need to.
    if ((name == "chunk" || name == "drop-after") && value == "0") {
        (name == "chunk" ? o.Chunk : o.DropAfter) = 0;
        return {};
    }
    if (name == "lead-in" && value == "echo") {
        o.Frame.LeadIn = -1;
        return {};
    }
    static const std::set<std::string> faults = {"delay-ms", "chunk",      "chunk-pause-ms",
                                                 "lead-in",  "no-marker",  "no-answer",
                                                 "ignore",   "drop-after", "long-answer"};
    if (!faults.count(name)) return "unknown control line '" + line + "'";
    if (std::string problem = ValueOptions().at("--" + name)(o, value); !problem.empty())
        return name + " " + problem + ", not '" + value + "'";
    return {};
}

void ResetFaultSwitches(SimOptions& o, const SimOptions& initial) {
    o.Silent = initial.Silent;
    o.DelayMs = initial.DelayMs;
    o.Chunk = initial.Chunk;
    o.ChunkPauseMs = initial.ChunkPauseMs;
    o.NoAnswer = initial.NoAnswer;
    o.Ignore = initial.Ignore;
    o.DropAfter = initial.DropAfter;
    o.Frame = initial.Frame;
}

std::string HelpText() {
    return R"(Usage: vxsim [OPTIONS]
Plays a video crosspoint switcher: one switcher state shared by a TCP server and a
serial end (a pseudo-terminal), answering every command and status query.

Links (without any, a TCP server on a free loopback port is started):
  --tcp ADDR:PORT        listen for TCP clients, up to )" +
           std::to_string(MaxTcpClients) + R"( at once (one more is told
                         so in one line and closed); PORT alone means 127.0.0.1:PORT;
                         port 0 picks a free port. Prints "tcp ADDR:PORT".
  --serial PATH          open a pseudo-terminal and make PATH a symlink to it, to be
                         opened as a COM port. Prints "serial PATH -> /dev/pts/N".
  --baud N               pace serial output like a real line at N baud (10 bits a byte).

Switcher:
  --model CODE           model code 10 (8 x 8), 11, 12 or 20 (16 x 16); default 11.
  --firmware TEXT        firmware version text, up to 6 characters; default 1.07.
  --ip A.B.C.D           the switcher's own IP address; default the TCP address.
  --reset-delay-ms N     RESETVX R / F keep the switcher busy N ms before it answers;
                         default 3000.
  --transcript FILE      write every line received, as it arrives, as
                         "<ms since start> <tcp|serial> <line>".

Fault switches:
  --silent               never answer anything (lines still take effect).
  --delay-ms N           wait N ms before every answer.
  --chunk N              write answers in pieces of N bytes with short pauses.
  --chunk-pause-ms N     the pause between pieces; default 20.
  --lead-in N            send N filler bytes (0 to 40) before the marker of a status
                         answer instead of the echo of the query line.
  --no-marker KEYWORD    answer that status query without a marker (repeatable).
  --no-answer KEYWORD    do not answer that command or query at all (repeatable).
                         A reset that never answers: --no-answer RESETVX with a long
                         --reset-delay-ms (lines sent meanwhile wait for the reset).
  --ignore KEYWORD       answer that command "OK" but do not carry it out, as a switcher
                         that acknowledges and does not act (repeatable).
  --hash-in-payload      put '#' and CR LF '#' inside status answers: in the skipped
                         byte and in the uninterpreted bytes of MINFOVX and the group tables.
  --drop-after N         close a TCP connection once its Nth line has been answered.
  --long-answer N        add N filler bytes before the end of every answer.
  --control              change the fault switches while running: standard input takes
                         one control line at a time and each is answered on standard
                         output with "control: ok" or "control: error ...". The lines:
                           silent on|off, hash-in-payload on|off, delay-ms N, chunk N
                           (0: whole answers), chunk-pause-ms N, lead-in N|echo,
                           no-marker KEYWORD, no-answer KEYWORD, ignore KEYWORD,
                           drop-after N (0: never), long-answer N: as the options;
                           clear: every fault switch back as the command line set it;
                           drop-tcp: close every TCP connection now;
                           hang-up / plug-in: the serial end, as SIGUSR1 does.

  --help                 show this text.

Lines end with CR, CR LF or LF. A command is answered "OK" or "ERR ..." followed by
CR LF '#'; an empty line by '#' alone. Try: nc -C 127.0.0.1 PORT, then MINFOVX.
SIGUSR1 hangs the serial end up, as a pulled USB adapter does (the pseudo-terminal is
closed and PATH removed); the next SIGUSR1 plugs it back in (a new pseudo-terminal at
PATH, printed again as "serial PATH -> /dev/pts/N").
Exit status: 0 after SIGTERM or SIGINT, 1 when a link cannot be opened, 2 for bad options.
)";
}

}  // namespace vxsim
