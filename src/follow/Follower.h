#pragma once
// Follow mode: while it is on and a link is in use, the panel polls the switcher at the
// interval, so that what the panel shows is what the switcher holds whoever changed it.
// Each poll reads the matrix information and the output status through the status reads;
// the previous inputs, the presets and the groups follow on a slower cadence (and the
// previous inputs at once whenever a route changed). A poll never opens a box. What it
// finds that differs goes into the model and onto every page, changed outputs are marked
// and named on the status line. After an action that takes routes a poll runs at once and
// marks every output the switcher did not put in force. Over TCP a dropped connection is
// reconnected in the background.
//
// The panel core runs TimerFired only when nothing else is under way (an exchange, a
// wait, a preview); otherwise it calls Defer and runs the poll once they are over.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "follow/FollowView.h"
#include "follow/QuietPrompter.h"
#include "follow/RouteWatch.h"
#include "follow/TakeChecks.h"
#include "link/LinkContext.h"
#include "settings/FollowSettings.h"
#include "status/StatusReader.h"

namespace vx {

// The slower reads come with every SlowPollEvery-th poll.
inline constexpr int SlowPollEvery = 30;
// A changed output stays marked this long unless the operator selects it first.
inline constexpr int ChangeMarkMs = 60'000;
// Between reconnection attempts: 1 s, doubled after each failure, at most 30 s.
inline constexpr int FirstReconnectMs = 1000;
inline constexpr int LongestReconnectMs = 30'000;

inline constexpr const char* ChangedRemarkText = "changed at the switcher";
// An action refused while the TCP connection is being restored.
inline constexpr const char* ReconnectingRefusedText = "Reconnecting to the switcher: nothing was sent";
std::string NoAnswerText(const std::string& since);      // the status-line note
std::string ReconnectingText(const std::string& since);  // a TCP connection lost
std::string ReconnectedText(const std::string& at);
// Reconnected, but the read that followed did not complete: what it could not read.
std::string ReconnectedReadFailedText(const std::string& at, const std::string& why);

// The time of day as the status line shows it, "20:31:05".
std::string LocalTimeOfDay();

struct FollowHooks {
    std::function<void()> Redraw;  // every page from the model, as after a read
    // A TCP connection to the address, tested for an answer: true when it answered. The
    // attempt is counted from 1 since the drop.
    std::function<bool(const std::string& address, int attempt)> Reconnect;
    std::function<void()> FullRead;        // the read that follows a reconnection
    std::function<std::string()> Address;  // the address the panel last connected to
    std::function<void(const FollowSettings&)> Save;
    std::function<std::string()> TimeOfDay = LocalTimeOfDay;
};

class Follower {
public:
    Follower(LinkContext& ctx, StatusReader& reader, OneShotTimer& timer, QuietPrompter& prompts,
             FollowView& view, FollowHooks hooks);

    // Settings from the panel's settings file: drawn and in force, not written back.
    void Load(const FollowSettings& s);
    // The operator's or the command line's settings: drawn, in force and remembered.
    void Change(const FollowSettings& s);
    const FollowSettings& Settings() const { return settings_; }
    bool On() const { return settings_.On; }

    // The follow timer fired and nothing else runs: a poll, or a reconnection attempt.
    void TimerFired();
    void Defer() { deferred_ = true; }
    bool Deferred() const { return deferred_; }

    // Around an action that takes routes: the routes before it, then a poll at once that
    // checks every route it asked for.
    RouteSnapshot BeforeAction() const { return SnapshotRoutes(c_.Model); }
    void VerifyAfter(const RouteSnapshot& before);

    // The operator selected an output: its mark has been seen.
    void OutputSelected(int o);
    // A lost serial port ends follow mode; the port's one message is shown as always.
    void SerialPortLost();
    // The operator chooses, opens or closes a link for its life: a TCP connection that ends
    // meanwhile was closed on purpose, and a background reconnection ends with it.
    class LinkChoice {
    public:
        explicit LinkChoice(Follower& f) : f_(f) { ++f_.choosingLink_; }
        ~LinkChoice() {
            if (--f_.choosingLink_ == 0) f_.LinkChosen();
        }
        LinkChoice(const LinkChoice&) = delete;
        LinkChoice& operator=(const LinkChoice&) = delete;

    private:
        Follower& f_;
    };
    // The TCP connection ended. With follow on and the panel on TCP, follow reconnects.
    void TcpDisconnected();
    // Whether a socket error the TCP client reports is one that follow handles quietly
    // (the drop it is reconnecting from).
    bool QuietSocketError(SocketErrorKind kind) const;
    bool Reconnecting() const { return reconnecting_; }
    // True while the operator's own choice of link may close a connection.
    bool ChoosingLink() const { return choosingLink_ > 0; }
    // True while the switcher has not answered the polls since the time in the note.
    bool Unanswered() const { return unansweredSince_ >= 0; }

private:
    enum class Link { None, Serial, Tcp };
    Link LinkInUse() const;
    void Arm(int ms);
    // True when the switcher answered.
    bool Poll(bool verify, const TakeChecks& asked);
    // The checks a poll could make against what the switcher answered: status words.
    std::string Check(const TakeChecks& checks);
    void NotConfirmed(const TakeChecks& asked);
    bool ReadFast(bool withPrevious);
    void ReadSlow();
    void TryReconnect();
    void NoteUnanswered();
    void NoteAnswered();
    void SetRemark(int o, OutputRemark kind, const std::string& words);
    void ExpireMarks();
    void LinkChosen();

    struct Mark {
        OutputRemark Kind = OutputRemark::None;
        std::int64_t Since = 0;
        byte Asked = NO_INPUT;  // the input a failed take asked for
    };

    LinkContext& c_;
    StatusReader& reader_;
    OneShotTimer& timer_;
    QuietPrompter& prompts_;
    FollowView& view_;
    FollowHooks hooks_;
    FollowSettings settings_;
    bool deferred_ = false;
    int polls_ = 0;  // since follow was switched on; the first is a slow one
    bool dropped_ = false;
    int choosingLink_ = 0;
    bool reconnecting_ = false;
    int reconnectMs_ = FirstReconnectMs;
    int attempts_ = 0;  // reconnection attempts since the drop
    std::string address_;
    std::string lostAt_;
    bool portLostInPoll_ = false;
    std::int64_t unansweredSince_ = -1;
    std::string unansweredText_;
    std::array<Mark, MaxOutputs> marks_{};
    // What actions asked that the switcher has not answered yet.
    TakeChecks unconfirmed_;
};

}  // namespace vx
