#include "CtlArguments.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>

#include "TerminalText.h"
#include "link/IpText.h"
#include "settings/ServeSettings.h"
#include "link/LinkState.h"
#include "model/Records.h"

namespace vxctl {
namespace {

// A raw line, its carriage return and the closing zero fill at most the panel's command line.
constexpr std::size_t LongestRawLine = vx::CommandLineSize - 2;

// A whole decimal number within [lo, hi], nothing else.
bool Number(const std::string& text, int lo, int hi, int& out) {
    int v = 0;
    const auto* end = text.data() + text.size();
    const auto [p, ec] = std::from_chars(text.data(), end, v);
    if (text.empty() || ec != std::errc() || p != end || v < lo || v > hi) return false;
    out = v;
    return true;
}

struct Parser {
    std::vector<std::string> words;  // the positional words, the command first
    ParsedRequest out;
    CtlRequest& r = out.Request;

    bool Fail(const std::string& message) {
        if (out.Error.empty()) out.Error = message;
        return false;
    }

    bool OnOff(const std::string& what, const std::string& word) {
        if (word == "on") return r.On = true, true;
        if (word == "off") return r.On = false, true;
        return Fail(what + " expects on or off, not " + Quoted(word));
    }

    bool Count(std::size_t n, const std::string& usage) {
        if (words.size() == n + 1) return true;
        return Fail((words.size() < n + 1 ? "missing argument: " : "too many arguments: ") + usage);
    }

    // HOST, HOST:PORT, [IPV6] or [IPV6]:PORT; a bare IPv6 address has no port.
    bool Tcp(const std::string& value) {
        std::string port;
        if (!value.empty() && value[0] == '[') {
            const auto close = value.find(']');
            if (close == std::string::npos || (close + 1 < value.size() && value[close + 1] != ':'))
                return Fail("--tcp expects HOST[:PORT] or [IPV6][:PORT], not " + Quoted(value));
            r.Host = value.substr(1, close - 1);
            if (close + 1 < value.size()) port = value.substr(close + 2);
            if (close + 1 < value.size() && !Number(port, 1, 65535, r.Port))
                return Fail("--tcp: bad port " + Quoted(port) + " (1 to 65535)");
        } else if (std::count(value.begin(), value.end(), ':') > 1) {
            r.Host = value;
        } else {
            const auto colon = value.rfind(':');
            r.Host = value.substr(0, colon);
            if (colon != std::string::npos && !Number(value.substr(colon + 1), 1, 65535, r.Port))
                return Fail("--tcp: bad port " + Quoted(value.substr(colon + 1)) + " (1 to 65535)");
        }
        if (r.Host.empty()) return Fail("--tcp expects HOST[:PORT], not " + Quoted(value));
        return true;
    }

    bool Link(LinkKind kind) {
        if (r.Link != LinkKind::None) return Fail("give one link only: --serial DEVICE or --tcp HOST[:PORT]");
        r.Link = kind;
        return true;
    }

    bool Options(const std::vector<std::string>& args) {
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string& a = args[i];
            if (a == "--") {
                for (++i; i < args.size(); ++i) words.push_back(args[i]);
                break;
            }
            const auto value = [&](std::string& into) {
                if (i + 1 >= args.size()) return Fail("option " + Quoted(a) + " needs a value");
                into = args[++i];
                return true;
            };
            if (a == "--help" || a == "-h") {
                r.Help = true;
            } else if (a == "--version") {
                r.Version = true;
            } else if (a == "--json") {
                r.Json = true;
            } else if (a == "--verify") {
                r.Verify = true;
            } else if (a == "--take") {
                r.TakeAfterRoute = true;
            } else if (a == "--yes") {
                r.Yes = true;
            } else if (a == "--serial") {
                if (!Link(LinkKind::Serial) || !value(r.Device)) return false;
                if (r.Device.empty()) return Fail("--serial expects a device path");
            } else if (a == "--tcp") {
                std::string v;
                if (!Link(LinkKind::Tcp) || !value(v) || !Tcp(v)) return false;
            } else if (a == "--interval") {
                std::string v;
                if (!value(v)) return false;
                if (!Number(v, 1, 60, r.IntervalSeconds))
                    return Fail("--interval: bad number of seconds " + Quoted(v) + " (1 to 60)");
                r.IntervalGiven = true;
            } else if (a == "--log") {
                if (!value(r.LogPath)) return false;
                if (r.LogPath.empty()) return Fail("--log expects a file");
            } else if (a == "--allow") {
                if (!value(r.Allowed)) return false;
                r.ServeOptionGiven = true;
            } else if (a == "--clients-may-change-labels") {
                r.LabelsAllowed = r.ServeOptionGiven = true;
            } else if (a == "--read-only") {
                r.ReadOnly = r.ServeOptionGiven = true;
            } else if (a == "--config") {
                if (!value(r.ConfigPath)) return false;
            } else if (a.size() > 1 && a[0] == '-' && !std::isdigit(static_cast<unsigned char>(a[1]))) {
                return Fail("unknown option " + Quoted(a));
            } else {
                words.push_back(a);
            }
        }
        return true;
    }

    bool Routes() {
        if (words.size() < 3 || words.size() % 2 == 0)
            return Fail("route expects pairs of OUT IN, e.g. route 3 5");
        for (std::size_t k = 1; k + 1 < words.size(); k += 2) {
            int o = 0, in = 0;
            if (!Number(words[k], 1, vx::MaxOutputs, o))
                return Fail("route: bad output " + Quoted(words[k]) + " (1 to " +
                            std::to_string(vx::MaxOutputs) + ")");
            if (!Number(words[k + 1], 0, vx::MaxInputs, in))
                return Fail("route: bad input " + Quoted(words[k + 1]) + " (0 to " +
                            std::to_string(vx::MaxInputs) + ", 0 disconnects)");
            for (const auto& [seen, unused] : r.Routes)
                if (seen == o) return Fail("route: output " + words[k] + " given twice");
            r.Routes.emplace_back(o, in);
        }
        return true;
    }

    bool Ip(const std::string& text) {
        // The panel's own check of an address typed for the switcher.
        const vx::IpAddressCheck check = vx::CheckIpAddress(text);
        if (!check.segments) return Fail("ip expects A.B.C.D with each part 0 to 255, not " + Quoted(text));
        r.Ip = *check.segments;
        return true;
    }

    bool CommandWords() {
        if (words.empty()) return Fail("missing command (try --help)");
        const std::string& c = words[0];
        const auto arg = [&](std::size_t k) { return words.size() > k ? words[k] : std::string(); };
        if (c == "read") return r.Cmd = Command::Read, Count(0, "read");
        if (c == "route") return r.Cmd = Command::Route, Routes();
        if (c == "take") return r.Cmd = Command::Take, Count(0, "take");
        if (c == "watch") return r.Cmd = Command::Watch, Count(0, "watch");
        if (c == "serve") {
            r.Cmd = Command::Serve;
            if (words.size() > 2) return Fail("too many arguments: serve [[ADDRESS:]PORT]");
            if (words.size() == 1) return true;
            // Port 0: any free port, printed when the server listens.
            const vx::ServeOption o = vx::ParseServeOption(words[1], true);
            if (!o.Error.empty()) return Fail("serve" + o.Error.substr(std::string("--serve").size()));
            r.ServeAddress = o.Address;
            r.ServePort = o.Port;
            return true;
        }
        if (c == "cancel") return r.Cmd = Command::Cancel, Count(0, "cancel");
        if (c == "clear") return r.Cmd = Command::Clear, Count(0, "clear");
        if (c == "reset") return r.Cmd = Command::Reset, Count(0, "reset");
        if (c == "factory-reset") return r.Cmd = Command::FactoryReset, Count(0, "factory-reset");
        if (c == "reclock") {
            r.Cmd = Command::Reclock;
            if (!Count(2, "reclock OUT on|off")) return false;
            if (!Number(words[1], 1, vx::MaxOutputs, r.Output))
                return Fail("reclock: bad output " + Quoted(words[1]) + " (1 to " +
                            std::to_string(vx::MaxOutputs) + ")");
            return OnOff("reclock", words[2]);
        }
        if (c == "preset") {
            if (!Count(2, "preset store|recall N")) return false;
            if (words[1] == "store")
                r.Cmd = Command::PresetStore;
            else if (words[1] == "recall")
                r.Cmd = Command::PresetRecall;
            else
                return Fail("preset expects store or recall, not " + Quoted(words[1]));
            if (!Number(words[2], 1, vx::PresetCount, r.Preset))
                return Fail("preset: bad number " + Quoted(words[2]) + " (1 to " +
                            std::to_string(vx::PresetCount) + ")");
            return true;
        }
        if (c == "lock" || c == "vi") {
            r.Cmd = c == "lock" ? Command::Lock : Command::VI;
            return Count(1, c + " on|off") && OnOff(c, arg(1));
        }
        if (c == "system") {
            if (!Count(1, "system save|recall")) return false;
            if (words[1] == "save") return r.Cmd = Command::SystemSave, true;
            if (words[1] == "recall") return r.Cmd = Command::SystemRecall, true;
            return Fail("system expects save or recall, not " + Quoted(words[1]));
        }
        if (c == "ip") return r.Cmd = Command::Ip, Count(1, "ip A.B.C.D") && Ip(words[1]);
        if (c == "raw") {
            r.Cmd = Command::Raw;
            if (words.size() < 2) return Fail("missing argument: raw LINE");
            for (std::size_t k = 1; k < words.size(); ++k) r.RawLine += (k > 1 ? " " : "") + words[k];
            if (r.RawLine.find_first_of("\r\n") != std::string::npos)
                return Fail("raw: the line may not hold a carriage return or line feed");
            if (r.RawLine.size() > LongestRawLine)
                return Fail("raw: the line is longer than " + std::to_string(LongestRawLine) + " characters");
            return true;
        }
        return Fail("unknown command " + Quoted(c) + " (try --help)");
    }

    bool Rules() {
        if (r.TakeAfterRoute && r.Cmd != Command::Route) return Fail("--take goes with route only");
        const bool verifiable = (r.Cmd == Command::Route && r.TakeAfterRoute) || r.Cmd == Command::Take ||
                                r.Cmd == Command::PresetRecall;
        if (r.Verify && !verifiable)
            return Fail("--verify goes with route ... --take, take and preset recall");
        if ((r.Cmd == Command::Reset || r.Cmd == Command::FactoryReset) && !r.Yes)
            return Fail(words[0] + " changes the whole switcher: add --yes to confirm");
        if (r.Yes && r.Cmd != Command::Reset && r.Cmd != Command::FactoryReset)
            return Fail("--yes goes with reset and factory-reset only");
        if (!r.ConfigPath.empty() && r.Cmd != Command::Read) return Fail("--config goes with read only");
        if (r.IntervalGiven && r.Cmd != Command::Watch && r.Cmd != Command::Serve)
            return Fail("--interval goes with watch and serve only");
        if (r.ServeOptionGiven && r.Cmd != Command::Serve)
            return Fail("--allow, --clients-may-change-labels and --read-only go with serve only");
        if (r.Link == LinkKind::None)
            return Fail("missing link option: --serial DEVICE or --tcp HOST[:PORT]");
        return true;
    }
};

}  // namespace

ParsedRequest ParseArguments(const std::vector<std::string>& args) {
    Parser p;
    if (!p.Options(args)) return p.out;
    if (p.r.Help || p.r.Version) return p.out;
    if (p.CommandWords()) p.Rules();
    return p.out;
}

}  // namespace vxctl
