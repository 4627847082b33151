#include "follow/Follower.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <utility>

#include "link/BackgroundExchange.h"
#include "link/SerialLink.h"
#include "model/LiveCount.h"

namespace vx {

namespace {

// The blocks of the model that the status reads write, compared after a poll so that the
// pages are redrawn only when the switcher really holds something else.
template <class T>
bool SameBytes(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

struct ReadBlocks {
    std::int16_t OutputCount, InputCount;
    DeviceInfo Info;
    RouteEntry Routes[MaxOutputs];
    byte PrevInputs[MaxOutputs];
    GroupTables Groups;
    byte Reclockers[MaxOutputs];
    PresetRecord Presets[PresetCount];
    GroupTables PresetGroups[PresetCount];
};

ReadBlocks BlocksOf(const SwitcherState& m) {
    ReadBlocks b{};
    b.OutputCount = m.OutputCount;
    b.InputCount = m.InputCount;
    b.Info = m.Info;
    std::memcpy(b.Routes, m.Routes, sizeof(b.Routes));
    std::memcpy(b.PrevInputs, m.PrevInputs, sizeof(b.PrevInputs));
    b.Groups = m.Groups;
    std::memcpy(b.Reclockers, m.Reclockers, sizeof(b.Reclockers));
    std::memcpy(b.Presets, m.Presets, sizeof(b.Presets));
    std::memcpy(b.PresetGroups, m.PresetGroups, sizeof(b.PresetGroups));
    return b;
}

bool SameBlocks(const ReadBlocks& a, const ReadBlocks& b) {
    return a.OutputCount == b.OutputCount && a.InputCount == b.InputCount && SameBytes(a.Info, b.Info) &&
           SameBytes(a.Routes, b.Routes) && SameBytes(a.PrevInputs, b.PrevInputs) &&
           SameBytes(a.Groups, b.Groups) && SameBytes(a.Reclockers, b.Reclockers) &&
           SameBytes(a.Presets, b.Presets) && SameBytes(a.PresetGroups, b.PresetGroups);
}

void Join(std::string& text, const std::string& more) {
    if (more.empty()) return;
    if (!text.empty()) text += "; ";
    text += more;
}

}  // namespace

std::string NoAnswerText(const std::string& since) {
    return "The switcher has not answered since " + since;
}

std::string ReconnectingText(const std::string& since) {
    return "The connection to the switcher was lost at " + since + ". Reconnecting....";
}

std::string ReconnectedText(const std::string& at) {
    return "Connected to the switcher again at " + at;
}

std::string ReconnectedReadFailedText(const std::string& at, const std::string& why) {
    return ReconnectedText(at) + "; the read that followed did not complete: " + why;
}

std::string LocalTimeOfDay() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16] = {};
    std::strftime(text, sizeof text, "%H:%M:%S", &local);
    return text;
}

Follower::Follower(LinkContext& ctx, StatusReader& reader, OneShotTimer& timer, QuietPrompter& prompts,
                   FollowView& view, FollowHooks hooks)
    : c_(ctx), reader_(reader), timer_(timer), prompts_(prompts), view_(view), hooks_(std::move(hooks)) {}

void Follower::Load(const FollowSettings& s) {
    const bool wasOn = settings_.On;
    settings_ = {s.On, ClampFollowSeconds(s.IntervalSeconds)};
    view_.ShowFollowSettings(settings_);
    if (!settings_.On) {
        // A poll or a reconnection waiting now ends at once.
        if (c_.Link.BackgroundDepth > 0) c_.Link.BackgroundCut = true;
        timer_.Stop();
        deferred_ = false;
        reconnecting_ = false;
        dropped_ = false;
        NoteAnswered();
        unconfirmed_ = {};
        for (int o = 0; o < MaxOutputs; ++o) SetRemark(o, OutputRemark::None, "");
        return;
    }
    if (!wasOn) polls_ = 0;
    if (!reconnecting_) Arm(settings_.IntervalSeconds * 1000);
}

void Follower::Change(const FollowSettings& s) {
    Load(s);
    if (hooks_.Save) hooks_.Save(settings_);
}

Follower::Link Follower::LinkInUse() const {
    // Commands go over serial first, status queries over TCP first; either way one is in use.
    if (c_.Model.EthernetConnected) return Link::Tcp;
    if (c_.Link.SerialLinkActive) return Link::Serial;
    return Link::None;
}

void Follower::Arm(int ms) {
    timer_.Start(ms);
}

void Follower::TimerFired() {
    deferred_ = false;
    ExpireMarks();
    if (!settings_.On || c_.Link.Stopping) return;
    if (reconnecting_) {
        TryReconnect();
        return;
    }
    const std::int64_t started = c_.Time.NowMs();
    if (LinkInUse() != Link::None) Poll(false, TakeChecks{});
    // The polls start an interval apart, however long each took (at least a tenth of it
    // lies between them); without a link the timer keeps looking, so polling resumes when
    // one is chosen.
    const int interval = settings_.IntervalSeconds * 1000;
    const auto took = static_cast<int>(std::clamp<std::int64_t>(c_.Time.NowMs() - started, 0, interval));
    if (settings_.On && !reconnecting_) Arm(std::max(interval - took, interval / 10));
}

void Follower::VerifyAfter(const RouteSnapshot& before) {
    if (!settings_.On || c_.Model.PreviewActive != 0) return;
    const TakeChecks asked = TakeChecks::Of(before, c_.Model);
    // The connection dropped under the action: what it asked is not known done.
    if (reconnecting_) return NotConfirmed(asked);
    if (LinkInUse() == Link::None) return;
    // A check cut short by follow switched off leaves nothing to settle later.
    if (!Poll(true, asked) && settings_.On) NotConfirmed(asked);
    // The cadence starts again from the verification.
    if (settings_.On && !reconnecting_) Arm(settings_.IntervalSeconds * 1000);
}

bool Follower::ReadFast(bool withPrevious) {
    if (!reader_.ReadMatrixInfo() || !reader_.ReadOutputStatus()) return false;
    return !withPrevious || reader_.ReadPrevOutputStatus();
}

void Follower::ReadSlow() {
    // Each is copied only when its whole answer arrived; a failed one waits for the next.
    reader_.ReadPresetStatus() && reader_.ReadGroupingStatus() && reader_.ReadPresetGroupStatus();
}

bool Follower::Poll(bool verify, const TakeChecks& asked) {
    if (c_.Link.Stopping) return false;
    SwitcherState& m = c_.Model;
    const ReadBlocks before = BlocksOf(m);
    const RouteSnapshot routesBefore = SnapshotRoutes(m);
    const bool slow = !verify && polls_ % SlowPollEvery == 0;
    if (!verify) ++polls_;
    bool answered = false;
    bool cut = false;
    portLostInPoll_ = false;
    {
        BackgroundExchange scope(c_.Link);
        QuietPrompter::Scope quiet(prompts_);
        answered = ReadFast(verify || slow);
        // A route changed elsewhere brings its previous input with it.
        if (answered && !verify && !slow && !ChangedRoutes(routesBefore, m).empty())
            reader_.ReadPrevOutputStatus();
        if (answered && slow) ReadSlow();
        cut = scope.Cut();
    }
    prompts_.TakeMuted();  // a poll speaks through its note, never in a box
    if (portLostInPoll_) {
        // The lost port's one message, kept back while the poll was quiet.
        c_.Prompts.ShowMessage(PortLostText(c_.Serial.PortNumber()));
        return false;
    }
    if (!settings_.On) {
        // Follow was switched off while the poll waited: what it read is drawn, nothing is
        // marked or noted, since nothing would ever take a mark away again.
        if (answered && !SameBlocks(before, BlocksOf(m)) && hooks_.Redraw) hooks_.Redraw();
        return false;
    }
    if (!answered) {
        if (cut) return false;  // ended early for the operator: no word on the switcher
        if (reconnecting_)
            c_.View.ShowStatus(ReconnectingText(lostAt_));
        else if (LinkInUse() != Link::None)
            NoteUnanswered();
        return false;
    }
    NoteAnswered();

    const std::int64_t now = c_.Time.NowMs();
    // What earlier actions asked and the switcher left unanswered is settled now too.
    TakeChecks checking = asked;
    checking.Keep(unconfirmed_);
    std::string status = Check(checking);
    // A failed take that the switcher has since put in force is no longer marked.
    const int outputs = LiveCount(m.OutputCount, MaxOutputs);
    for (int o = 0; o < outputs; ++o) {
        const Mark& mark = marks_[static_cast<std::size_t>(o)];
        if (mark.Kind == OutputRemark::TakeFailed && m.Routes[o].Committed != 0 &&
            m.Routes[o].Input == mark.Asked)
            SetRemark(o, OutputRemark::None, "");
    }
    for (const RouteChange& change : ChangedRoutes(routesBefore, m)) {
        if (checking.Asks(change.Output)) continue;
        SetRemark(change.Output, OutputRemark::ChangedElsewhere, ChangedRemarkText);
        marks_[static_cast<std::size_t>(change.Output)].Since = now;
        Join(status, ChangeText(change));
        view_.RouteChanged(change);
    }
    if (!SameBlocks(before, BlocksOf(m)) && hooks_.Redraw) hooks_.Redraw();
    if (!status.empty()) c_.View.ShowStatus(status);
    return true;
}

std::string Follower::Check(const TakeChecks& checks) {
    const SwitcherState& m = c_.Model;
    const TakeChecks open = std::exchange(unconfirmed_, {});
    for (int o : checks.Outputs()) SetRemark(o, OutputRemark::None, "");
    const auto failed = FailedRoutes(checks.Routes, m);
    for (const FailedRoute& f : failed) {
        SetRemark(f.Output, OutputRemark::TakeFailed, FailedRemark(f));
        marks_[static_cast<std::size_t>(f.Output)].Asked = f.Asked;
    }
    const auto failedReclockers = FailedReclockers(checks.Reclockers, m);
    for (const AskedReclocker& f : failedReclockers)
        SetRemark(f.Output, OutputRemark::TakeFailed, FailedReclockerRemark(f));
    for (int o : open.Outputs()) {
        const bool routeFailed =
            std::any_of(failed.begin(), failed.end(), [o](const FailedRoute& f) { return f.Output == o; });
        const bool reclockerFailed = std::any_of(failedReclockers.begin(), failedReclockers.end(),
                                                 [o](const AskedReclocker& f) { return f.Output == o; });
        if (!routeFailed && !reclockerFailed) view_.TakeConfirmed(o);
    }
    std::string status = FailedText(failed);
    Join(status, FailedReclockerText(failedReclockers));
    return status;
}

void Follower::NotConfirmed(const TakeChecks& asked) {
    TakeChecks open = asked;
    open.Keep(unconfirmed_);
    unconfirmed_ = std::move(open);
    for (int o : asked.Outputs()) SetRemark(o, OutputRemark::NotConfirmed, NotConfirmedRemarkText);
}

void Follower::NoteUnanswered() {
    if (unansweredSince_ < 0) {
        unansweredSince_ = c_.Time.NowMs();
        unansweredText_ = NoAnswerText(hooks_.TimeOfDay());
    }
    // Shown again after each poll: an exchange in between may have emptied the line.
    c_.View.ShowStatus(unansweredText_);
}

void Follower::NoteAnswered() {
    if (unansweredSince_ < 0) return;
    unansweredSince_ = -1;
    c_.View.ShowStatus("");
}

void Follower::SetRemark(int o, OutputRemark kind, const std::string& words) {
    if (!IsIndex(o, MaxOutputs)) return;
    Mark& mark = marks_[static_cast<std::size_t>(o)];
    if (mark.Kind == OutputRemark::None && kind == OutputRemark::None) return;
    mark.Kind = kind;
    if (kind == OutputRemark::None) mark.Asked = NO_INPUT;
    view_.SetOutputRemark(o, kind, words);
}

void Follower::ExpireMarks() {
    const std::int64_t now = c_.Time.NowMs();
    for (int o = 0; o < MaxOutputs; ++o) {
        const Mark& mark = marks_[static_cast<std::size_t>(o)];
        if (mark.Kind == OutputRemark::ChangedElsewhere && now - mark.Since >= ChangeMarkMs)
            SetRemark(o, OutputRemark::None, "");
    }
}

void Follower::OutputSelected(int o) {
    // An output not confirmed stays marked until a read settles it.
    if (IsIndex(o, MaxOutputs) && marks_[static_cast<std::size_t>(o)].Kind != OutputRemark::NotConfirmed)
        SetRemark(o, OutputRemark::None, "");
}

void Follower::SerialPortLost() {
    if (prompts_.Quiet()) portLostInPoll_ = true;
    if (!settings_.On) return;
    // Follow stops here; the settings file keeps what the operator chose.
    settings_.On = false;
    timer_.Stop();
    deferred_ = false;
    reconnecting_ = false;
    view_.ShowFollowSettings(settings_);
}

void Follower::LinkChosen() {
    dropped_ = false;
    if (!reconnecting_) return;
    reconnecting_ = false;
    if (settings_.On) Arm(settings_.IntervalSeconds * 1000);
}

void Follower::TcpDisconnected() {
    if (!settings_.On || reconnecting_ || choosingLink_ > 0) return;
    if (!c_.Model.EthernetConnected || c_.Link.SerialLinkActive) return;  // not the link in use
    dropped_ = true;
    reconnecting_ = true;
    reconnectMs_ = FirstReconnectMs;
    attempts_ = 0;
    address_ = hooks_.Address ? hooks_.Address() : std::string();
    lostAt_ = hooks_.TimeOfDay();
    c_.View.ShowStatus(ReconnectingText(lostAt_));
    Arm(reconnectMs_);
}

bool Follower::QuietSocketError(SocketErrorKind kind) const {
    return settings_.On && dropped_ && (kind == SocketErrorKind::Disconnect || reconnecting_);
}

void Follower::TryReconnect() {
    bool answered = false;
    ++attempts_;
    {
        BackgroundExchange scope(c_.Link);
        QuietPrompter::Scope quiet(prompts_);
        answered = hooks_.Reconnect && hooks_.Reconnect(address_, attempts_);
    }
    prompts_.TakeMuted();
    if (!reconnecting_) return;  // the operator chose a link meanwhile
    if (!answered) {
        c_.View.ShowStatus(ReconnectingText(lostAt_));
        reconnectMs_ = std::min(reconnectMs_ * 2, LongestReconnectMs);
        Arm(reconnectMs_);
        return;
    }
    reconnecting_ = false;
    dropped_ = false;
    std::string unread;
    {
        // The read speaks on the status line, as a poll does: the operator may be away, and
        // nothing the window does meanwhile runs inside it.
        BackgroundExchange scope(c_.Link);
        QuietPrompter::Scope quiet(prompts_);
        if (hooks_.FullRead) hooks_.FullRead();
        unread = prompts_.TakeMuted();
    }
    // Dropped again inside the read: a new reconnection has begun, and says so again over
    // what the read left on the status line.
    if (reconnecting_) c_.View.ShowStatus(ReconnectingText(lostAt_));
    if (reconnecting_ || !settings_.On) return;
    // The read has just brought everything: the next slow poll comes a full cycle later.
    polls_ = 1;
    const std::string at = hooks_.TimeOfDay();
    if (!unread.empty()) {
        // What was asked before the drop waits for a read that brings it.
        c_.View.ShowStatus(ReconnectedReadFailedText(at, unread));
    } else {
        // What was asked before the drop is settled by the read; a failure stays on the line.
        const TakeChecks asked = unconfirmed_;
        const std::string failed = Check(asked);
        c_.View.ShowStatus(failed.empty() ? ReconnectedText(at) : failed);
    }
    Arm(settings_.IntervalSeconds * 1000);
}

}  // namespace vx
