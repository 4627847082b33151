#pragma once
// Records what follow mode draws: each output's remark and the follow controls.
#include <array>
#include <string>
#include <vector>

#include "follow/FollowView.h"

namespace vx::test {

class RecordingFollowView : public FollowView {
public:
    void SetOutputRemark(int output, OutputRemark kind, const std::string& words) override {
        remarks.at(static_cast<std::size_t>(output)) = kind;
        words_.at(static_cast<std::size_t>(output)) = words;
    }
    void ShowFollowSettings(const FollowSettings& s) override { shown.push_back(s); }
    void RouteChanged(const RouteChange& c) override { changes.push_back(c); }

    OutputRemark RemarkOf(int o) const { return remarks.at(static_cast<std::size_t>(o)); }
    const std::string& WordsOf(int o) const { return words_.at(static_cast<std::size_t>(o)); }

    std::array<OutputRemark, MaxOutputs> remarks{};
    std::vector<FollowSettings> shown;
    std::vector<RouteChange> changes;

private:
    std::array<std::string, MaxOutputs> words_{};
};

}  // namespace vx::test
