#pragma once
// Where the panel's subsystems report what happened: it stamps each record with the
// local time, the user and the link in use, and hands it to the sink. Without a sink
// (a test, a tool run without --log) it costs one test per event.
#include <functional>
#include <string>

#include "activity/ActivityPorts.h"
#include "link/LinkJournal.h"

namespace vx {

class ActivityLog : public LinkJournal {
public:
    void Attach(ActivityEnvironment* env, ActivitySink* sink);
    // Names the link in use when a record is made.
    void SetLinkName(std::function<std::string()> linkName) { linkName_ = std::move(linkName); }
    bool On() const override { return sink_ != nullptr; }
    // The user the records name while a request of someone other than the operator at this
    // computer runs (a router client); empty gives the logged-in user back.
    void SetActingUser(std::string user) { actingUser_ = std::move(user); }

    void Note(const std::string& kind, const std::string& text, const std::string& outcome = {},
              ActivityFields fields = {}) override;

    // What became of each line sent, counted so an operator action can say it in one word.
    using LineOutcome = LinkJournal::LineOutcome;
    struct Tally {
        int Answered = 0, NoAnswer = 0, Sent = 0, NotSent = 0;
        int Lines() const { return Answered + NoAnswer + Sent + NotSent; }
    };
    void NoteLine(const std::string& line, LineOutcome outcome) override;
    const Tally& Lines() const { return tally_; }
    // The outcome of the lines between two tallies: "answered", "no answer" (any line
    // unanswered), "sent" (sent without waiting for an answer) or "not sent: no link".
    static std::string Summary(const Tally& before, const Tally& after);

private:
    ActivityEnvironment* env_ = nullptr;
    ActivitySink* sink_ = nullptr;
    std::string user_;
    std::string actingUser_;
    std::function<std::string()> linkName_;
    Tally tally_;
};

}  // namespace vx
