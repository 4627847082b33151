// The router server's jobs run on the panel core against a switcher that keeps its state:
// a client's routes are one take under the many-hands rule, the door's guards refuse with
// the unchanged state for that client, locks hold the operator back, labels are typed.
#include <gtest/gtest.h>

#include "FakeActivity.h"
#include "TakeHistoryRig.h"
#include "panel/RouterPanelSide.h"

namespace vx {
namespace {

using Job = router::PanelJob;

// Everything the status line said, in one text.
std::string Said(const test::RecordingLinkView& w) {
    std::string all;
    for (const auto& s : w.statusHistory) all += s + "\n";
    return all;
}

struct SideRig {
    test::TakeHistoryRig h;
    std::vector<router::RouterPicture> shown;
    std::vector<std::pair<int, std::vector<int>>> unchanged;
    RouterPanelSide side{h.rig.core,
                         {.Show = [this](const router::RouterPicture& p) { shown.push_back(p); },
                          .RouteAnswered = [this](int c, const std::vector<int>& o) { unchanged.emplace_back(c, o); },
                          .LabelsAnswered = {},
                          .Unlock = {}}};
    SideRig() { h.Sent(); }
    static Job Route(int client, const char* address, std::vector<RouteAsk> routes) {
        return {.What = Job::Kind::Route, .Client = client, .Address = address, .Routes = std::move(routes)};
    }
};

TEST(RouterPanelSide, RoutesThatCameTogetherFromOneClientAreOneTakeAndLeaveTheOperatorsPendingRoute) {
    SideRig s;
    s.h.rig.core.SetFollow({true, 2});
    s.h.Pend(9, 4);  // the operator's own, pending
    s.h.Sent();
    s.side.Run({SideRig::Route(1, "127.0.0.1", {{2, 6}}), SideRig::Route(1, "127.0.0.1", {{3, 7}, {2, 5}})});
    const auto sent = s.h.Sent();
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "TAKE 1"), 1);
    const auto& at = s.h.switcher.State();
    EXPECT_EQ(at.Routes[2].Input, 5);
    EXPECT_EQ(at.Routes[3].Input, 7);
    EXPECT_EQ(at.Routes[8].Input, 3) << "the operator's route is pending still";
    EXPECT_EQ(at.Routes[8].Committed, 0);
    ASSERT_FALSE(s.shown.empty());
    EXPECT_EQ(s.shown.back().Routes[2], 5);
    EXPECT_TRUE(s.unchanged.empty());
    EXPECT_FALSE(s.h.rig.core.CanUndo()) << "a client's routes are not the operator's undo steps";
}

TEST(RouterPanelSide, APresetPreviewIsNotShownToClientsAsInForce) {
    SideRig s;
    s.h.StorePresetCopy(1, {{3, 9}});
    s.side.Flush();
    ASSERT_FALSE(s.shown.empty());
    EXPECT_EQ(s.shown.back().Routes[2], 1);
    s.h.Pend(3, 5);  // pending: input 2 still switches
    s.h.Preview(1);
    ASSERT_EQ(s.h.m.PreviewActive, 1);
    s.side.Flush();
    EXPECT_EQ(s.shown.back().Routes[2], 1) << "the preview and the pending route are the panel's alone";
    s.h.rig.core.PresetRecallConfirmButtonClick();
    s.side.Flush();
    EXPECT_EQ(s.shown.back().Routes[2], 8) << "confirmed, it is in force";
}

TEST(RouterPanelSide, TheDoorsGuardsRefuseAndTheClientGetsItsOutputsUnchanged) {
    struct Case {
        const char* name;
        std::function<void(SideRig&)> set;
        const char* why;
    };
    const Case cases[] = {
        {"protected", [](SideRig& s) { s.h.rig.core.ProtectOutputClick(2); }, "protected"},
        {"locked by another", [](SideRig& s) {
             s.side.Run({{.What = Job::Kind::Locks, .Locks = {{2, "10.0.0.9"}}}});
         }, "locked by router client 10.0.0.9"},
        {"group", [](SideRig& s) {
             s.h.rig.core.GroupOutputButtonClick(2);
             s.h.rig.core.GroupInputButtonClick(0);
         }, "by its group"},
    };
    for (const auto& c : cases) {
        SideRig s;
        c.set(s);
        s.h.Sent();
        s.side.Run({SideRig::Route(7, "127.0.0.1", {{2, 6}})});
        EXPECT_EQ(s.h.switcher.State().Routes[2].Input, 1) << c.name;
        ASSERT_EQ(s.unchanged.size(), 1u) << c.name;
        EXPECT_EQ(s.unchanged[0], (std::pair<int, std::vector<int>>{7, {2}})) << c.name;
        EXPECT_NE(Said(s.h.rig.window).find(c.why), std::string::npos) << c.name << ": " << Said(s.h.rig.window);
    }
}

TEST(RouterPanelSide, ALockHoldsTheOperatorBackUntilTheOperatorUnlocksIt) {
    SideRig s;
    int unlocked = -1;
    RouterPanelSide side{s.h.rig.core, {.Unlock = [&](int o) { unlocked = o; }}};
    side.Run({{.What = Job::Kind::Locks, .Locks = {{4, "10.0.0.9"}}}});
    s.h.Pend(5, 3);
    EXPECT_EQ(s.h.m.Routes[4].Input, 1) << "not even pending";
    EXPECT_NE(Said(s.h.rig.window).find("locked by router client 10.0.0.9"), std::string::npos);
    EXPECT_EQ(side.Holder(4), "10.0.0.9");
    side.Unlock(4);
    EXPECT_EQ(unlocked, 4);
    s.h.Pend(5, 3);
    EXPECT_EQ(s.h.m.Routes[4].Input, 2);
}

TEST(RouterPanelSide, LabelsAreTypedCutToTheNamesLength) {
    SideRig s;
    std::vector<std::pair<int, std::string>> answered;
    RouterPanelSide side{s.h.rig.core,
                         {.LabelsAnswered = [&](int, bool, const std::vector<std::pair<int, std::string>>& a) {
                             answered = a;
                         }}};
    side.Run({{.What = Job::Kind::Labels, .Client = 1, .Address = "127.0.0.1", .OutputLabels = true,
               .Labels = {{1, "Monitor wall"}, {2, "K\xC3\xBC" "che"}}}});
    EXPECT_EQ(s.h.rig.core.Picture().OutputName(1), "Monito");
    EXPECT_EQ(s.h.rig.core.Picture().OutputName(2), "K\xC3\xBC" "che");
    EXPECT_EQ(answered.size(), 2u);
}

}  // namespace
}  // namespace vx
