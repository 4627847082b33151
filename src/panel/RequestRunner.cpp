#include "panel/RequestRunner.h"

#include <array>

#include "activity/RouteChangeWords.h"
#include "link/ExchangeScope.h"
#include "model/LiveCount.h"
#include "undo/TakeStep.h"

namespace vx {

namespace {

// Names the requester in the records made while its request runs.
class ActingUser {
public:
    ActingUser(ActivityLog& log, const Requester& who) : log_(log) { log_.SetActingUser(RequesterUser(who)); }
    ~ActingUser() { log_.SetActingUser({}); }
    ActingUser(const ActingUser&) = delete;
    ActingUser& operator=(const ActingUser&) = delete;

private:
    ActivityLog& log_;
};

using Shown = std::array<RouteEntry, MaxOutputs>;

// One verdict per output whose route the request changed, with what the model now shows.
Shown Routes(const SwitcherState& m) {
    Shown routes{};
    for (int o = 0; o < MaxOutputs; ++o) routes[static_cast<std::size_t>(o)] = m.Routes[o];
    return routes;
}

void AddChangedOutputs(const SwitcherState& m, const Shown& before, Verdict& v) {
    const int outputs = LiveCount(m.OutputCount, MaxOutputs);
    for (int o = 0; o < outputs; ++o) {
        const RouteEntry& now = m.Routes[o];
        if (now.Input == before[o].Input && now.Committed == before[o].Committed) continue;
        bool listed = false;
        for (const auto& ov : v.Outputs) listed = listed || ov.Output == o;
        if (!listed) v.Outputs.push_back({o, Outcome::Done, {}, now});
    }
}

}  // namespace

std::string RecordName(const Request& r) {
    if (r.What == Intent::Preset) return "Preset " + std::to_string(r.Number + 1);
    return IntentName(r.What);
}

Verdict RequestRunner::Run(const Request& r) {
    if (Busy()) {
        // The ways out of a followed switcher that has gone silent (another link, closing
        // the panel) do not wait out follow's poll: it ends at once. Another link runs right
        // after it; closing is asked again by the window once it is over.
        const bool leaving = r.What == Intent::Exit;
        const bool wayOut = (RulesOf(r.What).ChoosesLink || leaving) && p_.Link.OnlyBackground();
        if (wayOut) p_.Link.BackgroundCut = true;
        if (r.Who.AtTheWindow() && (!wayOut || leaving)) {
            if (h_.Redraw) h_.Redraw(r);
            return {Outcome::Ignored, "the panel is waiting for the switcher", {}};
        }
        queue_.push_back(r);
        return {Outcome::Queued, {}, {}};
    }
    const IntentRules rules = RulesOf(r.What);
    Verdict v;
    {
        ExchangeScope scope(p_.Link);
        ActingUser acting(p_.Log, r.Who);
        if (std::string why = h_.Refusal ? h_.Refusal(r) : std::string(); !why.empty()) {
            v.Result = Outcome::Refused;
            v.Why = why;
            p_.Status.ShowStatus(why);
            if (h_.Redraw) h_.Redraw(r);
        } else {
            Carry(r, rules, v);
        }
        if (rules.SettleWhy) h_.Settle(rules.SettleWhy);
    }
    h_.Settle(StaleAtSwitcher);
    if (h_.AfterRequest) h_.AfterRequest();
    RunQueued();
    return v;
}

void RequestRunner::RunQueued() {
    // A request run from the queue drains the rest itself; one level is enough.
    if (draining_) return;
    draining_ = true;
    while (!queue_.empty() && !Busy()) {
        const Request next = queue_.front();
        queue_.pop_front();
        Run(next);
    }
    draining_ = false;
}

void RequestRunner::Carry(const Request& r, const IntentRules& rules, Verdict& v) {
    if (h_.Prepare && !h_.Prepare(r, v)) return;
    const Shown before = Routes(p_.Model);
    auto perform = [&] {
        if (rules.ChoosesLink) {
            Follower::LinkChoice choice(p_.Follow);
            h_.Perform(r, v);
        } else {
            h_.Perform(r, v);
        }
    };
    auto selecting = [&] {
        if (!rules.Selecting) return perform();
        const int selected = p_.Model.SelectedOutput;
        perform();
        if (p_.Model.SelectedOutput != selected) p_.Follow.OutputSelected(p_.Model.SelectedOutput);
    };
    auto stepped = [&] {
        // A router client's routes are its own, not the operator's undo steps.
        if (!rules.Step || r.Who.From == Source::RouterClient) return selecting();
        AsStep(rules, selecting);
    };
    // The undo step and the record hold what the request did, measured before follow
    // mode's check: a change the check finds at the switcher is someone else's.
    auto logged = [&] {
        if (!rules.Logged) return stepped();
        Logged(r, stepped);
    };
    if (rules.Verified) {
        const RouteSnapshot snapshot = p_.Follow.BeforeAction();
        logged();
        if (h_.Finish) h_.Finish(r);
        const Shown made = Routes(p_.Model);
        // A take the check finds not carried out leaves the route pending, still this
        // panel's: what the request left pending is noted after the check, and only what
        // it made itself (the check may find routes pending elsewhere).
        p_.Follow.VerifyAfter(snapshot);
        if (h_.Carried) h_.Carried(r, before, made);
    } else {
        logged();
        if (h_.Finish) h_.Finish(r);
        if (h_.Carried) h_.Carried(r, before, Routes(p_.Model));
    }
    AddChangedOutputs(p_.Model, before, v);
}

template <class F>
void RequestRunner::Logged(const Request& r, F&& action) {
    ActivityLog& log = p_.Log;
    if (!log.On()) {
        action();
        return;
    }
    const ActivityLog::Tally before = log.Lines();
    const InForceState was = InForceNow(p_.Model);
    const InForceState shownBefore = InForceAsShown(p_.Model);
    action();
    const ActivityLog::Tally after = log.Lines();
    // Only a request that sent something is an operator action of the log's; its lines
    // are logged one by one as they went.
    if (after.Lines() == before.Lines()) return;
    // What it put in force; failing that, what it left pending (a route chosen, not taken).
    std::string words = RouteChangeWords(was, InForceNow(p_.Model));
    if (words.empty()) {
        words = RouteChangeWords(shownBefore, InForceAsShown(p_.Model));
        if (!words.empty()) words += " (pending)";
    }
    log.Note(RecordName(r), words, ActivityLog::Summary(before, after),
             {{"lines", std::to_string(after.Lines() - before.Lines())}});
}

template <class F>
void RequestRunner::AsStep(const IntentRules& rules, F&& action) {
    SwitcherState& m = p_.Model;
    const bool preview = m.PreviewActive != 0;
    const InForceState before = h_.InForceBeforePreview();
    std::string name = rules.StepName;
    // A take under a preview is its Confirm.
    if (preview && name.empty() && IsIndex(m.SelectedPreset, PresetCount))
        name = "preset " + std::to_string(m.SelectedPreset + 1);
    action();
    if (m.PreviewActive != 0) return;  // still a preview: nothing was put in force
    if (auto step = StepBetween(name, before, InForceNow(m))) p_.History.Record(std::move(*step));
}

}  // namespace vx
