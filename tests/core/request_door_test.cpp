// The panel's one door: the same intent, whoever asks, gives the same lines and the same
// verdict; requests of sources other than the window that arrive while the panel waits for
// the switcher run in order once the wait is over.
#include <gtest/gtest.h>

#include <functional>

#include "FakeActivity.h"
#include "TakeHistoryRig.h"
#include "panel/PanelCore.h"

namespace vx {
namespace {

using Lines = std::vector<std::string>;

// One way of asking for output 3 from input 5, taken: its verdict is the take's. An
// operator whose route did not become pending does not take.
struct Asker {
    const char* Name;
    std::function<Verdict(PanelCore&)> Ask;
};

Verdict TakeWhenPending(PanelCore& core, Requester who) {
    if (core.Model().Routes[2].Committed != 0) return {Outcome::Refused, "nothing became pending", {}};
    return core.Submit(vx::Ask(Intent::Take, who));
}

Verdict FromPage(PanelCore& core) {
    core.OutputButtonClick(2);
    core.InputButtonClick(4);
    return TakeWhenPending(core, {});
}

Verdict FromMatrix(PanelCore& core) {
    const Requester matrix{Source::Matrix, {}};
    if (!core.Submit(AskOutput(Intent::SelectOutput, 2, matrix)).Done())
        return {Outcome::Refused, "the output was not selected", {}};
    const Verdict picked = core.Submit(AskInput(Intent::PickInput, 4, matrix));
    if (!picked.Done()) return picked;
    return TakeWhenPending(core, matrix);
}

Verdict FromKeyboard(PanelCore& core) {
    for (KeyStroke k : {KeyStroke{RoutingKey::Output}, KeyStroke{RoutingKey::Digit, 3}, KeyStroke{RoutingKey::Enter},
                        KeyStroke{RoutingKey::Input}, KeyStroke{RoutingKey::Digit, 5}, KeyStroke{RoutingKey::Enter}})
        core.VideoPageKey(k);
    // What the keyboard's Ctrl+Enter hands to the door.
    return TakeWhenPending(core, {Source::Keyboard, {}});
}

Verdict FromVxctl(PanelCore& core) {
    Request r = AskRoutes({{2, 4}}, true, {Source::Vxctl, {}});
    r.StopAtFailedLine = true;
    return core.Submit(r);
}

const Asker Askers[] = {{"page", FromPage}, {"matrix", FromMatrix}, {"keyboard", FromKeyboard}, {"vxctl", FromVxctl}};

// What stands in the way of the route, set up before each asker asks.
struct Obstacle {
    const char* Name;
    std::function<void(test::TakeHistoryRig&)> Set;
    Lines Sent;
    Outcome Result;
};

class SameRouteFromEverySource : public testing::TestWithParam<Obstacle> {};

TEST_P(SameRouteFromEverySource, GivesTheSameLinesAndVerdict) {
    const Obstacle& obstacle = GetParam();
    for (const Asker& asker : Askers) {
        SCOPED_TRACE(asker.Name);
        test::TakeHistoryRig h;
        obstacle.Set(h);
        h.Sent();
        const Verdict v = asker.Ask(h.rig.core);
        EXPECT_EQ(h.Sent(), obstacle.Sent);
        EXPECT_EQ(v.Result, obstacle.Result) << v.Why;
        if (obstacle.Result == Outcome::Done) {
            ASSERT_EQ(v.Outputs.size(), 1u);
            EXPECT_EQ(v.Outputs[0].Output, 2);
            EXPECT_EQ(v.Outputs[0].Result, Outcome::Done);
            EXPECT_EQ(v.Outputs[0].Holds.Input, 4);
            EXPECT_EQ(v.Outputs[0].Holds.Committed, 1);
            EXPECT_EQ(h.switcher.State().Routes[2].Input, 4);
        } else {
            EXPECT_FALSE(v.Why.empty());
            EXPECT_EQ(h.m.Routes[2].Input, 1) << "the model keeps input 2 in force";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Door, SameRouteFromEverySource,
    testing::Values(Obstacle{"Nothing", [](test::TakeHistoryRig&) {}, {"RTEMP 3 5", "TAKE 1"}, Outcome::Done},
                    Obstacle{"OutputProtected", [](test::TakeHistoryRig& h) { h.rig.core.ProtectOutputClick(2); },
                             {}, Outcome::Refused},
                    Obstacle{"GroupForbidsTheInput",
                             [](test::TakeHistoryRig& h) {
                                 h.rig.grouping.selected = 0;  // group 1: output 3 and input 1 only
                                 h.rig.core.GroupingRadioGroupClick();
                                 h.rig.core.GroupOutputButtonClick(2);
                                 h.rig.core.GroupInputButtonClick(0);
                             },
                             {},
                             Outcome::Refused}),
    [](const testing::TestParamInfo<Obstacle>& info) { return std::string(info.param.Name); });

TEST(RequestDoor, AMatrixCellOnAProtectedRowRoutesNothingAndSaysWhy) {
    test::TakeHistoryRig h;
    h.rig.core.OutputButtonClick(5);  // output 6 selected before
    h.rig.core.ProtectOutputClick(2);
    h.Sent();
    const Requester matrix{Source::Matrix, {}};
    const Verdict v = h.rig.core.Submit(AskOutput(Intent::SelectOutput, 2, matrix));
    EXPECT_EQ(v.Result, Outcome::Refused);
    EXPECT_EQ(h.Status(), "Output 3 is protected: unprotect it to change it.");
    EXPECT_TRUE(h.Sent().empty());
}

// Requests that arrive while a read waits for the switcher with events processed.
class QueuedDuringARead : public testing::Test {
protected:
    void SetUp() override {
        // Status answers take their time, so a query is seen waiting.
        h.rig.fakes.serial.onWrite = [this](const std::string& line) {
            const bool query = line.find("INFOVX") != std::string::npos;
            h.rig.fakes.serial.Answer(h.switcher.Answer(line), query ? 50 : 5);
        };
        h.rig.duringEvents = [this] {
            if (asked || !h.rig.core.Link().ReplyPending) return;
            asked = true;
            during();
        };
    }
    test::TakeHistoryRig h;
    bool asked = false;
    std::function<void()> during;
};

TEST_F(QueuedDuringARead, ClientRequestsRunInOrderAfterItAndAClickIsIgnored) {
    std::vector<Verdict> told;
    during = [this, &told] {
        const Requester client{Source::RouterClient, "127.0.0.1"};
        told.push_back(h.rig.core.Submit(AskRoutes({{0, 6}}, true, client)));
        told.push_back(h.rig.core.Submit(AskRoutes({{1, 7}}, true, client)));
        told.push_back(h.rig.core.Submit(AskOutput(Intent::SelectOutput, 4)));  // the window's
        EXPECT_EQ(h.rig.core.QueuedRequests(), 2u);
    };
    h.rig.core.ReadfromVextaros1Click();
    ASSERT_TRUE(asked);
    ASSERT_EQ(told.size(), 3u);
    EXPECT_EQ(told[0].Result, Outcome::Queued);
    EXPECT_EQ(told[1].Result, Outcome::Queued);
    EXPECT_EQ(told[2].Result, Outcome::Ignored);
    EXPECT_EQ(h.rig.core.QueuedRequests(), 0u);

    Lines sent = h.Sent();
    // The read's queries first, then the two routes, each with its take, in the order asked.
    ASSERT_GE(sent.size(), 4u);
    EXPECT_EQ(Lines(sent.end() - 4, sent.end()), (Lines{"RTEMP 1 7", "TAKE 1", "RTEMP 2 8", "TAKE 1"}));
    for (auto it = sent.begin(); it != sent.end() - 4; ++it) EXPECT_NE(it->find("INFOVX"), std::string::npos) << *it;
    EXPECT_EQ(h.switcher.State().Routes[0].Input, 6);
    EXPECT_EQ(h.switcher.State().Routes[1].Input, 7);
    EXPECT_NE(h.m.SelectedOutput, 4) << "the click during the wait was ignored";
}

TEST(RequestDoor, AClientsRecordsNameTheClientAsTheirUser) {
    test::TakeHistoryRig h;
    test::FakeActivityEnvironment env;
    test::RecordingActivitySink sink;
    h.rig.core.AttachActivity(&env, &sink);
    h.rig.core.Submit(AskRoutes({{2, 4}}, true, {Source::RouterClient, "10.1.2.3"}));
    const std::size_t clients = sink.Records.size();
    h.rig.core.TakeButtonClick();  // nothing pending: sends "TAKE 1" as the operator
    ASSERT_GT(sink.Records.size(), clients);
    bool clientRoute = false;
    for (std::size_t k = 0; k < sink.Records.size(); ++k) {
        const ActivityRecord& r = sink.Records[k];
        clientRoute = clientRoute || r.Kind == "Route";
        // The client's lines and its route are the client's; the operator's take is the
        // operator's.
        EXPECT_EQ(r.User, k < clients ? "router client 10.1.2.3" : env.UserName) << r.Kind << " " << r.Text;
    }
    EXPECT_TRUE(clientRoute);
}

// The stream of changes: one change per output that changed, as the core publishes it.
TEST(ChangeStream, ATakeAndASelectionArePublishedOnceEach) {
    test::TakeHistoryRig h;
    std::vector<PanelChange> seen;
    h.rig.core.Changes().Subscribe([&](const PanelChange& c) { seen.push_back(c); });
    h.Pend(3, 5);
    h.rig.core.TakeButtonClick();
    int routes = 0, selections = 0;
    for (const PanelChange& c : seen) {
        if (c.Kind == ChangeKind::Route) {
            ++routes;
            EXPECT_EQ(c.Index, 2);
        }
        if (c.Kind == ChangeKind::Selection) {
            ++selections;
            EXPECT_EQ(c.Index, 2);
        }
    }
    EXPECT_EQ(routes, 2) << "pending, then in force";
    EXPECT_EQ(selections, 1);
    ASSERT_FALSE(seen.empty());
    const PanelChange& last = seen.back();
    EXPECT_EQ(last.Kind, ChangeKind::Route);
    EXPECT_EQ(last.Now.Input, 4);
    EXPECT_EQ(last.Now.Committed, 1);
}

}  // namespace
}  // namespace vx
