#include "CtlSession.h"

#include <new>

#include "ConsoleViews.h"
#include "RouteAnswerCheck.h"
#include "TcpConnectProblem.h"
#include "TerminalText.h"
#include "link/CommandLines.h"
#include "model/LiveCount.h"
#include "model/ModelCodes.h"
#include "platform/SerialOpenProblem.h"

namespace vxctl {
namespace {

using vx::NO_INPUT;

std::string Trimmed(const std::string& text) {
    const auto a = text.find_first_not_of("\r\n\t ");
    if (a == std::string::npos) return {};
    const auto b = text.find_last_not_of("\r\n\t ");
    return text.substr(a, b - a + 1);
}

std::string WithoutReturn(const std::string& line) {
    return line.empty() || line.back() != '\r' ? line : line.substr(0, line.size() - 1);
}

std::string InputName(vx::byte input) {
    return input == NO_INPUT ? "no input" : "input " + std::to_string(input + 1);
}

}  // namespace

CtlSession::CtlSession(vx::PanelCore& core, ConsoleViews& views, const CtlRequest& request, std::ostream& out,
                       std::ostream& err)
    : core_(core), views_(views), r_(request), out_(out), err_(err), exchange_(core.Context()) {
    core_.Sender().SetCarrier(&exchange_);
}

CtlSession::~CtlSession() {
    core_.Sender().SetCarrier(nullptr);
}

std::string CtlSession::LinkName() const {
    if (r_.Link == LinkKind::Serial) return TerminalSafe(r_.Device);
    const bool v6 = r_.Host.find(':') != std::string::npos;
    return TerminalSafe((v6 ? "[" + r_.Host + "]" : r_.Host) + ":" + std::to_string(r_.Port));
}

std::string CtlSession::PanelMessages(std::size_t from) const {
    std::string text;
    const auto& all = views_.Messages();
    for (std::size_t k = from; k < all.size(); ++k) {
        std::string m = all[k];
        for (char& c : m)
            if (c == '\n' || c == '\t') c = ' ';
        text += " (" + Trimmed(m) + ")";
    }
    return text;
}

int CtlSession::UsageError(const std::string& message) {
    err_ << "vxctl: " << message << "\n";
    if (error_.empty()) error_ = message;
    return 2;
}

int CtlSession::Failure(const std::string& message) {
    err_ << "vxctl: " << message << "\n";
    if (error_.empty()) error_ = message;
    return 1;
}

bool CtlSession::Connect() {
    const std::size_t seen = views_.Messages().size();
    if (r_.Link == LinkKind::Serial) {
        // The device stands as COM1; the probe is the panel's own.
        core_.Context().Serial.SetHardwareFlowControl(true, true);
        if (core_.Serial().ConnectSerial(1) != 1) {
            // The probe only knows that nothing answered; the device tells why. The panel's
            // own notes speak of its COM ports and menus, so they are not passed on.
            const std::string failed = core_.Context().Serial.FailureText();
            if (const std::string problem = vx::platform::SerialOpenProblem(r_.Device); !problem.empty())
                Failure("cannot use the serial device " + LinkName() + ": " + problem);
            else if (!failed.empty())
                Failure("the serial device " + LinkName() + " failed while waiting for a prompt: " + failed);
            else
                Failure("no switcher answered on " + LinkName() + " (no prompt came within " +
                        std::to_string(2 * (vx::ProbeWaitTicks + 1) * core_.Link().Limits.TickMs) + " ms)");
            return false;
        }
        core_.Serial().SetSerialLinkActive(true);
        return true;
    }
    core_.Ethernet().SetRemotePort(r_.Port);
    switch (core_.Ethernet().ConnectTo(r_.Host)) {
        case vx::ConnectOutcome::Answered:
            exchange_.ReadRestOfConnectAnswer();
            return true;
        case vx::ConnectOutcome::Silent:
            Failure("connected to " + LinkName() + " but the switcher did not answer within " +
                    std::to_string(core_.Link().Limits.StreamTimeoutMs) + " ms");
            break;
        default:
            // The panel's own words speak of its cable; the host and one more attempt tell why.
            if (const std::string problem = TcpConnectProblem(r_.Host, r_.Port, 2000); !problem.empty())
                Failure("could not connect to " + LinkName() + ": " + problem);
            else
                Failure("could not connect to " + LinkName() + PanelMessages(seen));
            break;
    }
    core_.Context().Tcp.Close();
    return false;
}

int CtlSession::Run() {
    // A script gets its one document also when there is no switcher to talk to.
    if (!Connect()) return r_.Cmd == Command::Watch || r_.Cmd == Command::Serve ? 1 : Finish(1);
    int code = 1;
    try {
        code = RunCommand();
    } catch (const std::bad_alloc&) {
        code = Finish(Failure("out of memory; the command was cut short"));
    }
    // The link is given up before the process ends; nothing more is sent, and the log
    // takes the close for what it is rather than a lost connection.
    core_.Activity().Note("Link", "Closed at the end of the command", "disconnected");
    core_.AttachActivity(nullptr, nullptr);
    core_.Serial().SetSerialLinkActive(false);
    if (core_.Context().Serial.IsOpen()) core_.Context().Serial.Close();
    core_.Context().Tcp.Close();
    return code;
}

void CtlSession::PrintCarried(std::size_t from) {
    const auto& carried = exchange_.Carried();
    for (std::size_t k = from; k < carried.size(); ++k) {
        const auto& c = carried[k];
        if (!r_.Json)
            out_ << WithoutReturn(c.Line) << ": " << (c.Answer.Answered() ? Trimmed(c.Answer.Bytes) : "-")
                 << "\n";
    }
}

bool CtlSession::LastLineOk() const {
    const auto& last = exchange_.Carried().back().Answer;
    return last.Answered() && !last.IsError();
}

template <class F>
bool CtlSession::Send(F&& send) {
    const std::size_t from = exchange_.Carried().size();
    send();
    PrintCarried(from);
    const auto& carried = exchange_.Carried();
    for (std::size_t k = from; k < carried.size(); ++k) {
        const auto& c = carried[k];
        const std::string line = WithoutReturn(c.Line);
        switch (c.Answer.Result) {
            case vx::LineAnswer::Outcome::Answered:
                if (!c.Answer.IsError()) continue;
                Failure(line + ": the switcher answered " + vx::EscapeAnswerBytes(Trimmed(c.Answer.Bytes)));
                return false;
            case vx::LineAnswer::Outcome::NoAnswer:
                Failure(line + ": " + NoAnswerText(c.Answer));
                return false;
            case vx::LineAnswer::Outcome::NoLink:
                Failure(line + ": not sent, the link to " + LinkName() + " is gone");
                return false;
            case vx::LineAnswer::Outcome::LinkFailed:
                Failure(line + ": the link to " + LinkName() + " failed: " + c.Answer.Failure);
                return false;
        }
    }
    return true;
}

bool CtlSession::ReadInfo() {
    return Query(&vx::StatusReader::ReadMatrixInfo, "MINFOVX",
                 "the switcher did not answer the information query MINFOVX");
}

bool CtlSession::ReadRoutes(const char* why) {
    return Query(&vx::StatusReader::ReadOutputStatus, "OINFOVX",
                 std::string("the switcher did not answer the route query OINFOVX ") + why) &&
           AnswerValid("OINFOVX", RoutesProblem(core_.Model()));
}

bool CtlSession::AnswerValid(const char* query, const std::string& problem) {
    if (problem.empty()) return true;
    Failure(std::string("the switcher's answer to ") + query +
            " is not valid (a corrupted answer?): " + problem);
    return false;
}

int CtlSession::RunCommand() {
    auto& s = core_.Sender();
    const auto& m = core_.Model();
    switch (r_.Cmd) {
        case Command::Read:
            return Read();
        case Command::Route:
            return Route();
        case Command::Take:
            return Take();
        case Command::PresetRecall:
            return PresetRecall();
        case Command::Raw:
            return Raw();
        case Command::Watch:
            return Watch();
        case Command::Serve:
            return Serve();
        case Command::Cancel:
            return Finish(Send([&] { s.SendCancelTake(); }) ? 0 : 1);
        case Command::Clear:
            return Finish(Send([&] { s.SendClearAll(); }) ? 0 : 1);
        case Command::Reclock:
            if (!ReadInfo()) return Finish(1);
            if (r_.Output > vx::LiveCount(m.OutputCount, vx::MaxOutputs))
                return Finish(UsageError("reclock: output " + std::to_string(r_.Output) +
                                         " is out of range for this " + std::to_string(m.OutputCount) +
                                         " x " + std::to_string(m.InputCount) + " switcher"));
            return Finish(Send([&] { s.SendReclock(r_.Output - 1, r_.On ? 1 : 0); }) ? 0 : 1);
        case Command::PresetStore:
            // As the panel stores a preset: pending routes are taken first.
            return Finish(Send([&] {
                s.SendTake();
                if (LastLineOk()) s.SendPresetStore(r_.Preset - 1);
            })
                              ? 0
                              : 1);
        case Command::Lock:
            return Finish(Send([&] { s.SendFrontPanelLock(r_.On ? 1 : 0); }) ? 0 : 1);
        case Command::VI:
            return Finish(Send([&] { s.SendVIState(r_.On ? 1 : 0); }) ? 0 : 1);
        case Command::SystemSave:
            return Finish(Send([&] { s.SendSystemSave(); }) ? 0 : 1);
        case Command::SystemRecall:
            return Finish(Send([&] { s.SendSystemRecall(); }) ? 0 : 1);
        case Command::Ip:
            return Finish(Send([&] { s.SendIpConfig(r_.Ip[0], r_.Ip[1], r_.Ip[2], r_.Ip[3]); }) ? 0 : 1);
        case Command::Reset:
            return Finish(Send([&] { s.SendReset(); }) ? 0 : 1);
        case Command::FactoryReset:
            return Finish(Send([&] { s.SendFactoryReset(); }) ? 0 : 1);
        case Command::None:
            break;
    }
    return UsageError("missing command");
}

int CtlSession::Read() {
    // The panel's twenty queries in the panel's order.
    struct Step {
        bool (vx::StatusReader::*read)();
        const char* what;
    };
    static constexpr Step Steps[] = {
        {&vx::StatusReader::ReadMatrixInfo, "MINFOVX"},
        {&vx::StatusReader::ReadOutputStatus, "OINFOVX"},
        {&vx::StatusReader::ReadPrevOutputStatus, "OPINFOVX"},
        {&vx::StatusReader::ReadPresetStatus, "PINFOVX"},
        {&vx::StatusReader::ReadGroupingStatus, "GINFOVX"},
        {&vx::StatusReader::ReadPresetGroupStatus, "PGINFOVX"},
    };
    for (const Step& step : Steps)
        if (!Query(step.read, step.what,
                   std::string("the switcher did not answer the status query ") + step.what))
            return Finish(1);
    if (!AnswerValid("OINFOVX", RoutesProblem(core_.Model())) ||
        !AnswerValid("OPINFOVX", PrevInputsProblem(core_.Model())))
        return Finish(1);
    if (!r_.Json) {
        out_ << TextReport(core_.Model(), names_);
        return 0;
    }
    // The report is the one document, with "ok" as every other command's.
    const std::string report = JsonReport(core_.Model(), names_);
    out_ << "{\n  \"ok\": true," << report.substr(1);
    return 0;
}

int CtlSession::Route() {
    if (!ReadInfo()) return Finish(1);
    const auto& m = core_.Model();
    const int outputs = vx::LiveCount(m.OutputCount, vx::MaxOutputs);
    const int inputs = vx::LiveCount(m.InputCount, vx::MaxInputs);
    const std::string size = std::to_string(outputs) + " x " + std::to_string(inputs);
    for (const auto& [o, in] : r_.Routes) {
        if (o > outputs)
            return Finish(UsageError("route: output " + std::to_string(o) + " is out of range for this " +
                                     size + " switcher"));
        if (in > inputs)
            return Finish(UsageError("route: input " + std::to_string(in) + " is out of range for this " +
                                     size + " switcher"));
    }
    // The routes go through the panel's door, as the operator's do: its guards, one line
    // per route, then the take; the first line the switcher does not acknowledge ends it.
    std::vector<vx::RouteAsk> asks;
    for (const auto& [o, in] : r_.Routes) asks.push_back({o - 1, in - 1});
    vx::Request request = vx::AskRoutes(asks, r_.TakeAfterRoute, {vx::Source::Vxctl, {}});
    request.StopAtFailedLine = true;
    vx::Verdict verdict;
    const bool sent = Send([&] { verdict = core_.Submit(request); });
    if (verdict.Result == vx::Outcome::Refused) return Finish(Failure("route refused: " + verdict.Why));
    std::vector<Expected> expected;  // the routes the switcher acknowledged
    std::vector<Expected> asked;     // every route sent, answered or not
    // The verdict names the routes in the order asked, up to the one that failed.
    for (std::size_t k = 0; k < verdict.Outputs.size() && k < asks.size(); ++k) {
        const int in = asks[k].Input;
        asked.push_back({verdict.Outputs[k].Output, in < 0 ? NO_INPUT : static_cast<vx::byte>(in)});
        if (verdict.Outputs[k].Why != vx::RouteNotAcknowledgedText) expected.push_back(asked.back());
    }
    if (!sent) {
        const bool takeSent =
            !exchange_.Carried().empty() &&
            WithoutReturn(exchange_.Carried().back().Line) == WithoutReturn(vx::line::Take());
        if (takeSent) {
            std::string outputs;
            for (const auto& e : expected)
                outputs += (outputs.empty() ? "" : ", ") + std::to_string(e.Output + 1);
            err_ << "vxctl: the take of output" << (expected.size() > 1 ? "s " : " ") << outputs
                 << " is not confirmed\n";
        }
        // A take that went unanswered may still have been carried out: the read tells.
        if (r_.Verify && takeSent) Verify(expected, false);
        WithdrawPending(asked);
        return Finish(1);
    }
    return Finish(r_.Verify ? Verify(expected) : 0);
}

int CtlSession::Take() {
    std::vector<Expected> expected;
    if (r_.Verify) {
        if (!ReadInfo() || !ReadRoutes("before the take")) return Finish(1);
        const auto& m = core_.Model();
        for (int o = 0; o < vx::LiveCount(m.OutputCount, vx::MaxOutputs); ++o)
            if (m.Routes[o].Committed == 0) expected.push_back({o, m.Routes[o].Input});
    }
    const bool sent = Send([&] { core_.Submit(vx::Ask(vx::Intent::Take, {vx::Source::Vxctl, {}})); });
    if (!r_.Verify) return Finish(sent ? 0 : 1);
    const int verified = Verify(expected, sent);
    return Finish(sent ? verified : 1);
}

int CtlSession::PresetRecall() {
    if (!ReadInfo() || !Query(&vx::StatusReader::ReadPresetStatus, "PINFOVX",
                              "the switcher did not answer the preset query PINFOVX"))
        return Finish(1);
    const int p = r_.Preset - 1;
    const auto& preset = core_.Model().Presets[p];
    const int outputs = vx::LiveCount(core_.Model().OutputCount, vx::MaxOutputs);
    auto& s = core_.Sender();
    // As the panel recalls a preset directly: the recall, then every output's reclocker.
    const bool sent = Send([&] {
        s.SendPresetRecall(p, 0);
        if (!LastLineOk()) return;
        const std::uint16_t mask = preset.ReclockerMask.Get();
        for (int o = 0; o < outputs; ++o) {
            s.SendReclock(o, (mask >> o) & 1u);
            if (!LastLineOk()) return;
        }
    });
    if (!sent) return Finish(1);
    if (!r_.Verify) return Finish(0);
    std::vector<Expected> expected;
    for (int o = 0; o < outputs; ++o) expected.push_back({o, preset.Routes[o].Input});
    return Finish(Verify(expected));
}

int CtlSession::Verify(const std::vector<Expected>& expected, bool takeConfirmed) {
    if (!ReadRoutes("to verify")) return 1;
    const auto& m = core_.Model();
    int failures = 0;
    for (const auto& e : expected) {
        const auto& r = m.Routes[e.Output];
        const bool ok = r.Input == e.Input && r.Committed != 0;
        const std::string has = InputName(r.Input) + (r.Committed ? " in force" : " pending");
        const std::string line =
            "output " + std::to_string(e.Output + 1) + ": " +
            (ok ? has : "asked " + InputName(e.Input) + " in force, the switcher has " + has);
        verified_.push_back({e.Output, e.Input, r.Input, r.Committed != 0, ok && takeConfirmed});
        if (ok && takeConfirmed) {
            if (!r_.Json) out_ << "verified " << line << "\n";
        } else if (ok) {
            // The switcher holds the route, but the command failed: found, not verified.
            err_ << "vxctl: found " << line << ", though the take was not confirmed\n";
        } else {
            ++failures;
            err_ << "vxctl: verification failed for " << line << "\n";
        }
    }
    return failures == 0 && takeConfirmed ? 0 : 1;
}

int CtlSession::Raw() {
    exchange_.Carry(r_.RawLine + "\r", false);
    const vx::LineAnswer& a = exchange_.Carried().back().Answer;
    if (!r_.Json) out_ << vx::EscapeAnswerBytes(a.Bytes) << "\n";
    if (a.Result == vx::LineAnswer::Outcome::LinkFailed)
        return Finish(Failure("the link to " + LinkName() + " failed: " + a.Failure));
    if (const std::string gone = LinkGoneText(); !a.Answered() && !gone.empty()) return Finish(Failure(gone));
    if (!a.Answered())
        return Finish(Failure("no prompt from the switcher within " + std::to_string(a.WaitedLimitMs) +
                              " ms" + (a.Bytes.empty() || r_.Json ? "" : " (what came is printed above)")));
    return Finish(a.IsError() ? Failure("the switcher answered with an error") : 0);
}

int CtlSession::Finish(int code) {
    if (!r_.Json) return code;
    const auto input = [](vx::byte in) {
        return in == NO_INPUT ? std::string("null") : std::to_string(in + 1);
    };
    out_ << "{\"ok\": " << (code == 0 ? "true" : "false") << ", \"lines\": [";
    const auto& carried = exchange_.Carried();
    for (std::size_t k = 0; k < carried.size(); ++k) {
        const auto& a = carried[k].Answer;
        // What came back, once escaped as JSON; null when nothing came.
        const std::string answer =
            !a.Answered() && a.Bytes.empty() ? "null" : JsonBytes(a.Answered() ? Trimmed(a.Bytes) : a.Bytes);
        out_ << (k ? ", " : "") << "{\"line\": " << JsonString(WithoutReturn(carried[k].Line))
             << ", \"answered\": " << (a.Answered() ? "true" : "false") << ", \"answer\": " << answer << "}";
    }
    out_ << "], \"verify\": [";
    for (std::size_t k = 0; k < verified_.size(); ++k) {
        const auto& v = verified_[k];
        out_ << (k ? ", " : "") << "{\"output\": " << v.Output + 1 << ", \"asked\": " << input(v.Asked)
             << ", \"held\": " << input(v.Held)
             << ", \"state\": " << (v.InForce ? "\"in force\"" : "\"pending\"")
             << ", \"ok\": " << (v.Ok ? "true" : "false") << "}";
    }
    out_ << "], \"error\": " << (error_.empty() ? "null" : JsonString(error_)) << "}\n";
    return code;
}

}  // namespace vxctl
