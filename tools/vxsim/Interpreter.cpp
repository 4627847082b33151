#include "Interpreter.h"

#include <array>

#include "GroupEditing.h"
#include "LineWords.h"
#include "StatusPayloads.h"
#include "link/CommandLines.h"

namespace vxsim {

using vx::NO_INPUT;
namespace kw = vx::keyword;

namespace {

// The wire's "no output / no input" and "all groups" values.
constexpr long WireNoMember = vx::GroupNoMember + 1;
constexpr long WireAllGroups = vx::AllGroups + 1;

struct Context {
    SwitcherModel& m;
    const SwitcherModel& factory;
    SystemSettings& saved;
    const std::vector<long>& args;
    bool In(std::size_t i, long lo, long hi) const { return args[i] >= lo && args[i] <= hi; }
};

Outcome Reply(AnswerKind kind, const char* text) {
    Outcome o;
    o.Kind = kind;
    o.Text = text;
    return o;
}
Outcome Ok() {
    return Reply(AnswerKind::Ack, answer::Ok);
}
Outcome Range() {
    return Reply(AnswerKind::Error, answer::OutOfRange);
}
Outcome Status(std::vector<byte> payload) {
    Outcome o;
    o.Kind = AnswerKind::Status;
    o.Payload = std::move(payload);
    return o;
}

// Every input that is pending goes in force; or, when cancelled, back to the one in force.
void SettlePending(SwitcherModel& m, bool take) {
    for (int i = 0; i < m.Size(); ++i) {
        auto& r = m.Routes[i];
        if (r.Committed) continue;
        if (take)
            m.PrevInputs[i] = r.Input;
        else
            r.Input = m.PrevInputs[i];
        r.Committed = 1;
    }
}

Outcome RouteTemp(Context& c) {
    if (!c.In(0, 1, c.m.Size()) || !c.In(1, 0, c.m.Size())) return Range();
    const auto input = c.args[1] == 0 ? NO_INPUT : static_cast<byte>(c.args[1] - 1);
    c.m.Routes[c.args[0] - 1] = {input, 0};
    return Ok();
}

Outcome Take(Context& c) {
    if (!c.In(0, 0, 1)) return Range();
    SettlePending(c.m, c.args[0] == 1);
    return Ok();
}

Outcome ClearAll(Context& c) {
    for (int i = 0; i < c.m.Size(); ++i) {
        c.m.Routes[i] = {NO_INPUT, 1};
        c.m.PrevInputs[i] = NO_INPUT;
    }
    return Ok();
}

Outcome Reclock(Context& c) {
    if (!c.In(0, 1, c.m.Size()) || !c.In(1, 0, 1)) return Range();
    c.m.SetReclocker(static_cast<int>(c.args[0] - 1), c.args[1] == 1);
    return Ok();
}

Outcome VIState(Context& c) {
    if (!c.In(0, 0, 1)) return Range();
    c.m.Info.VIState = static_cast<byte>(c.args[0]);
    return Ok();
}

Outcome FrontPanelLock(Context& c) {
    if (!c.In(0, 0, 1)) return Range();
    c.m.Info.FrontPanelLocked = static_cast<byte>(c.args[0]);
    return Ok();
}

Outcome SystemSave(Context& c) {
    c.saved = SaveSettings(c.m);
    return Ok();
}

Outcome SystemRecall(Context& c) {
    RestoreSettings(c.m, c.saved);
    return Ok();
}

Outcome PresetStore(Context& c) {
    if (!c.In(0, 1, vx::PresetCount)) return Range();
    const int p = static_cast<int>(c.args[0] - 1);
    auto& preset = c.m.Presets[p];
    for (auto& other : c.m.Presets) other.LastSaved = 0;
    for (int i = 0; i < vx::MaxOutputs; ++i) preset.Routes[i] = {c.m.PrevInputs[i], 1};
    preset.ReclockerMask = c.m.Info.ReclockerMask;
    preset.Stored = 1;
    preset.LastSaved = 1;
    c.m.PresetGroups[p] = c.m.Groups;
    return Ok();
}

Outcome PresetRecall(Context& c) {
    if (!c.In(0, 1, vx::PresetCount) || !c.In(1, 0, 1)) return Range();
    const int p = static_cast<int>(c.args[0] - 1);
    const auto& preset = c.m.Presets[p];
    if (!preset.Stored) return Reply(AnswerKind::Error, answer::NotStored);
    for (int i = 0; i < c.m.Size(); ++i) {
        c.m.Routes[i] = {preset.Routes[i].Input, 1};
        c.m.PrevInputs[i] = preset.Routes[i].Input;
        c.m.SetReclocker(i, (preset.ReclockerMask.Get() >> i) & 1u);
    }
    c.m.Groups = c.m.PresetGroups[p];
    return Ok();
}

Outcome GroupClear(Context& c) {
    if (c.args[0] == WireAllGroups) {
        for (int g = 0; g < vx::GroupCount; ++g) ClearGroup(c.m.Groups, g);
        return Ok();
    }
    if (!c.In(0, 1, vx::GroupCount)) return Range();
    ClearGroup(c.m.Groups, static_cast<int>(c.args[0] - 1));
    return Ok();
}

// GADD / GDEL: group, then an output and an input of which exactly one is 101.
Outcome GroupMember(Context& c, bool add) {
    const long output = c.args[1], input = c.args[2];
    const bool isOutput = output != WireNoMember;
    if (!c.In(0, 1, vx::GroupCount) || isOutput == (input != WireNoMember)) return Range();
    const long member = isOutput ? output : input;
    if (member < 1 || member > c.m.Size()) return Range();
    const int g = static_cast<int>(c.args[0] - 1), k = static_cast<int>(member - 1);
    auto& t = c.m.Groups;
    if (add) {
        isOutput ? AddOutput(t, g, k) : AddInput(t, g, k);
        return Ok();
    }
    const bool removed = isOutput ? RemoveOutput(t, g, k) : RemoveInput(t, g, k);
    return removed ? Ok() : Reply(AnswerKind::Error, answer::NotMember);
}
Outcome GroupAdd(Context& c) {
    return GroupMember(c, true);
}
Outcome GroupDelete(Context& c) {
    return GroupMember(c, false);
}

Outcome IpConfig(Context& c) {
    for (std::size_t i = 0; i < 4; ++i)
        if (!c.In(i, 0, 255)) return Range();
    for (std::size_t i = 0; i < 4; ++i) c.m.Info.IPAddress[i] = static_cast<byte>(c.args[i]);
    return Ok();
}

Outcome MatrixInfo(Context& c) {
    return Status(MatrixInfoPayload(c.m));
}
Outcome OutputStatus(Context& c) {
    return Status(OutputStatusPayload(c.m));
}
Outcome PrevOutputStatus(Context& c) {
    return Status(PrevOutputStatusPayload(c.m));
}
Outcome GroupStatus(Context& c) {
    return Status(GroupStatusPayload(c.m));
}
Outcome PresetStatus(Context& c) {
    if (!c.In(0, 0, vx::PresetCount - 1)) return Range();
    return Status(PresetStatusPayload(c.m, static_cast<int>(c.args[0])));
}
Outcome PresetGroupStatus(Context& c) {
    if (!c.In(0, 0, vx::PresetCount - 1)) return Range();
    return Status(PresetGroupStatusPayload(c.m, static_cast<int>(c.args[0])));
}

struct CommandSpec {
    const char* Keyword;
    std::size_t ArgCount;
    Outcome (*Run)(Context&);
    bool IsQuery;
};

// RESETVX takes a letter, not a number, and is handled on its own.
constexpr std::array<CommandSpec, 21> Commands{{
    {kw::RouteTemp, 2, RouteTemp, false},
    {kw::Take, 1, Take, false},
    {kw::ClearAll, 0, ClearAll, false},
    {kw::Reclock, 2, Reclock, false},
    {kw::VIState, 1, VIState, false},
    {kw::FrontPanelLock, 1, FrontPanelLock, false},
    {kw::SystemSave, 0, SystemSave, false},
    {kw::SystemRecall, 0, SystemRecall, false},
    {kw::PresetStore, 1, PresetStore, false},
    {kw::PresetRecall, 2, PresetRecall, false},
    {kw::GroupClear, 1, GroupClear, false},
    {kw::GroupAdd, 3, GroupAdd, false},
    {kw::GroupDelete, 3, GroupDelete, false},
    {kw::IpConfig, 4, IpConfig, false},
    {kw::MatrixInfo, 0, MatrixInfo, true},
    {kw::OutputStatus, 0, OutputStatus, true},
    {kw::PrevOutputStatus, 0, PrevOutputStatus, true},
    {kw::GroupStatus, 0, GroupStatus, true},
    {kw::PresetStatus, 1, PresetStatus, true},
    {kw::PresetGroupStatus, 1, PresetGroupStatus, true},
    {kw::Reset, 1, nullptr, false},
}};

const CommandSpec* Find(std::string_view keyword) {
    for (const auto& spec : Commands)
        if (keyword == spec.Keyword) return &spec;
    return nullptr;
}

}  // namespace

bool IsQueryKeyword(std::string_view keyword) {
    const auto* spec = Find(keyword);
    return spec && spec->IsQuery;
}

bool IsKnownKeyword(std::string_view keyword) {
    return Find(keyword) != nullptr;
}

Interpreter::Interpreter(const SwitcherIdentity& identity)
    : factory_(FactoryModel(identity)), live_(factory_), saved_(SaveSettings(factory_)) {}

Outcome Interpreter::RejectTooLong() {
    return Reply(AnswerKind::Error, answer::TooLong);
}

Outcome Interpreter::Execute(std::string_view line) {
    const LineWords words = SplitWords(line);
    if (words.Keyword.empty()) return Outcome{};

    Outcome out;
    const CommandSpec* spec = Find(words.Keyword);
    if (!spec) {
        out = Reply(AnswerKind::Error, answer::UnknownKeyword);
    } else if (words.Args.size() != spec->ArgCount) {
        out = Reply(AnswerKind::Error, answer::ArgumentCount);
    } else if (!spec->Run) {
        const std::string& mode = words.Args[0];
        const bool restore = mode == "R" || mode == "r";
        const bool factory = mode == "F" || mode == "f";
        // An ignored reset is acknowledged and neither resets nor keeps the switcher busy.
        const bool acts = !ignored_.count(words.Keyword);
        if (!restore && !factory) {
            out = Range();
        } else {
            out = Ok();
            out.StartsReset = acts;
        }
        if (acts && restore) {
            // The saved settings come back; presets and the address are kept.
            RestoreSettings(live_, saved_);
        } else if (acts && factory) {
            live_ = factory_;  // presets and the address go too
            saved_ = SaveSettings(factory_);
        }
    } else {
        std::vector<long> args;
        for (const auto& word : words.Args) {
            auto value = ParseNumber(word);
            if (!value) break;
            args.push_back(*value);
        }
        if (args.size() != words.Args.size()) {
            out = Range();
        } else {
            // Work on a copy so that a command refused halfway changes nothing.
            SwitcherModel scratch = live_;
            SystemSettings savedScratch = saved_;
            Context c{scratch, factory_, savedScratch, args};
            out = spec->Run(c);
            if (out.Kind != AnswerKind::Error && !ignored_.count(words.Keyword)) {
                live_ = scratch;
                saved_ = savedScratch;
            }
        }
    }
    out.Keyword = words.Keyword;
    return out;
}

}  // namespace vxsim
