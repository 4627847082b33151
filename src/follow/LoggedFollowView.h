#pragma once
// Follow mode's view with what it reports written to the activity log: each route found
// changed at the switcher, each take the switcher did not carry out, and each it did not
// answer, with what a later read found of it.
#include "activity/ActivityLog.h"
#include "follow/FollowView.h"

namespace vx {

class LoggedFollowView final : public FollowView {
public:
    LoggedFollowView(FollowView& view, ActivityLog& log) : view_(view), log_(log) {}

    void SetOutputRemark(int output, OutputRemark kind, const std::string& words) override {
        if (kind == OutputRemark::TakeFailed)
            log_.Note("Take failed", "Output " + std::to_string(output + 1) + ": " + words, "",
                      {{"output", std::to_string(output + 1)}});
        if (kind == OutputRemark::NotConfirmed)
            log_.Note("Take not confirmed",
                      "Output " + std::to_string(output + 1) + ": the switcher did not answer the check", "",
                      {{"output", std::to_string(output + 1)}});
        view_.SetOutputRemark(output, kind, words);
    }
    void ShowFollowSettings(const FollowSettings& settings) override { view_.ShowFollowSettings(settings); }
    void RouteChanged(const RouteChange& change) override {
        log_.Note(
            "Changed at switcher", ChangeText(change), "",
            {{"output", std::to_string(change.Output + 1)},
             {"input", change.After.Input == NO_INPUT ? "none" : std::to_string(change.After.Input + 1)},
             {"pending", change.After.Committed ? "no" : "yes"}});
        view_.RouteChanged(change);
    }

    void TakeConfirmed(int output) override {
        log_.Note("Take confirmed", "Output " + std::to_string(output + 1) + ": a read found it done", "",
                  {{"output", std::to_string(output + 1)}});
        view_.TakeConfirmed(output);
    }

private:
    FollowView& view_;
    ActivityLog& log_;
};

}  // namespace vx
