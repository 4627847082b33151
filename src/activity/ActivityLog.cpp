#include "activity/ActivityLog.h"

namespace vx {
namespace {

const char* LineOutcomeWords(ActivityLog::LineOutcome o) {
    switch (o) {
        case ActivityLog::LineOutcome::Answered:
            return "answered";
        case ActivityLog::LineOutcome::NoAnswer:
            return "no answer";
        case ActivityLog::LineOutcome::Sent:
            return "sent";
        case ActivityLog::LineOutcome::NotSent:
            break;
    }
    return "not sent: no link";
}

}  // namespace

void ActivityLog::Attach(ActivityEnvironment* env, ActivitySink* sink) {
    env_ = env;
    sink_ = env ? sink : nullptr;
    // The user does not change during a session; asking once keeps each record cheap.
    user_ = env ? env->User() : std::string();
}

void ActivityLog::Note(const std::string& kind, const std::string& text, const std::string& outcome,
                       ActivityFields fields) {
    if (!sink_) return;
    ActivityRecord r;
    r.When = env_->Now();
    r.User = actingUser_.empty() ? user_ : actingUser_;
    r.Link = linkName_ ? linkName_() : std::string("none");
    r.Kind = kind;
    r.Text = text;
    r.Outcome = outcome;
    r.Fields = std::move(fields);
    sink_->Add(r);
}

void ActivityLog::NoteLine(const std::string& line, LineOutcome outcome) {
    switch (outcome) {
        case LineOutcome::Answered:
            ++tally_.Answered;
            break;
        case LineOutcome::NoAnswer:
            ++tally_.NoAnswer;
            break;
        case LineOutcome::Sent:
            ++tally_.Sent;
            break;
        case LineOutcome::NotSent:
            ++tally_.NotSent;
            break;
    }
    if (!sink_) return;
    // The line without its carriage return; a bare return (coaxing a lost prompt) shows as such.
    std::string shown = line;
    while (!shown.empty() && (shown.back() == '\r' || shown.back() == '\n')) shown.pop_back();
    if (shown.empty()) shown = "(return)";
    const std::string words = LineOutcomeWords(outcome);
    Note("Line", shown, words, {{"line", shown}, {"outcome", words}});
}

std::string ActivityLog::Summary(const Tally& before, const Tally& after) {
    if (after.NoAnswer > before.NoAnswer) return "no answer";
    if (after.NotSent > before.NotSent) return "not sent: no link";
    if (after.Answered > before.Answered) return "answered";
    if (after.Sent > before.Sent) return "sent";
    return {};
}

}  // namespace vx
