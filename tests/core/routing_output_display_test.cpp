// The output rows, the reclockers and the refresh by size.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "RoutingRig.h"

namespace vx {
namespace {

using test::RoutingRig;
using Lines = std::vector<std::string>;
constexpr byte N = NO_INPUT;

struct LabelCase {
    const char* name;
    RouteEntry route;
    const char* text;
    Colour colour;
};

void PrintTo(const LabelCase& c, std::ostream* os) { *os << c.name; }

class LabelStates : public ::testing::TestWithParam<LabelCase> {};

TEST_P(LabelStates, VideoLabelShowsTheRouteState) {
    const LabelCase& c = GetParam();
    RoutingRig rig;
    rig.model.Routes[5] = c.route;
    rig.display.ShowOutputRoute(5);
    rig.display.ColourOutputLabel(5);
    EXPECT_EQ(rig.routingView.labelText[5], c.text);
    EXPECT_EQ(rig.routingView.labelColour[5], c.colour);
    EXPECT_TRUE(rig.Lines().empty());
}

INSTANTIATE_TEST_SUITE_P(VideoLabels, LabelStates,
                         ::testing::Values(LabelCase{"NothingRouted", {N, 1}, "--", Colour::ButtonFace},
                                           LabelCase{"PendingDisconnect", {N, 0}, "--", Colour::Red},
                                           LabelCase{"PendingRoute", {15, 0}, "16", Colour::Red},
                                           LabelCase{"RouteInForce", {15, 1}, "16", Colour::Lime},
                                           LabelCase{"InForceOnInput1", {0, 1}, "1", Colour::Lime},
                                           LabelCase{"StrayInputCommitted", {200, 1}, "--", Colour::ButtonFace},
                                           LabelCase{"StrayInputPending", {16, 0}, "--", Colour::Red}),
                         [](const ::testing::TestParamInfo<LabelCase>& i) { return std::string(i.param.name); });

TEST(ReclockerTest, CheckingABoxSetsTheModelAndSendsRclock) {
    RoutingRig rig;
    rig.routingView.reclocker[2] = false;
    rig.routingView.ClickReclocker(2);
    rig.display.ReclockerCheckBoxClick(2);
    EXPECT_EQ(rig.model.Reclockers[2], 1);
    rig.routingView.ClickReclocker(2);
    rig.display.ReclockerCheckBoxClick(2);
    EXPECT_EQ(rig.model.Reclockers[2], 0);
    EXPECT_EQ(rig.Lines(), (Lines{"RCLOCK 3 1", "RCLOCK 3 0"}));
    EXPECT_EQ(rig.model.HandlerBusy, 0);
}

TEST(ReclockerTest, HandlerHoldsBusyWhileItSends) {
    RoutingRig rig;
    int busy = -1;
    rig.tcp.onSend = [&](const std::string&) { busy = rig.model.HandlerBusy; };
    rig.display.ReclockerCheckBoxClick(15);
    EXPECT_EQ(busy, 1);
    EXPECT_EQ(rig.Lines(), (Lines{"RCLOCK 16 1"}));
    EXPECT_EQ(rig.model.HandlerBusy, 0);
}

TEST(ReclockerTest, ClickIsIgnoredWhileBusy) {
    RoutingRig rig;
    rig.model.HandlerBusy = 1;
    rig.routingView.reclocker[0] = true;
    rig.display.ReclockerCheckBoxClick(0);
    EXPECT_EQ(rig.model.Reclockers[0], 0);
    EXPECT_TRUE(rig.Lines().empty());
    EXPECT_EQ(rig.model.HandlerBusy, 1);
    EXPECT_TRUE(rig.routingView.reclocker[0]) << "the box keeps the clicked state until the next refresh";
}

TEST(ReclockerTest, ClickIsIgnoredWhileEventsAreSuppressed) {
    RoutingRig rig;
    rig.model.EventsSuppressed = 1;
    rig.routingView.reclocker[0] = true;
    rig.display.ReclockerCheckBoxClick(0);
    EXPECT_EQ(rig.model.Reclockers[0], 0);
    EXPECT_TRUE(rig.Lines().empty());
    EXPECT_EQ(rig.model.HandlerBusy, 0);
}

TEST(ReclockerTest, WithoutALinkTheModelChangesAllTheSame) {
    RoutingRig rig;
    rig.tcp.active = false;
    rig.model.EthernetConnected = 0;
    rig.display.ReclockerCheckBoxClick(4);
    EXPECT_EQ(rig.model.Reclockers[4], 1);
    EXPECT_TRUE(rig.tcp.sends.empty());
}

TEST(RefreshRoutingTest, EightByEightDisablesRows9To16AndSendsNothing) {
    RoutingRig rig;
    rig.model.Info.ModelCode = 10;
    rig.model.SetSizeFromModelCode();
    rig.model.Routes[1] = {3, 1};
    rig.model.Routes[2] = {4, 0};
    rig.model.Reclockers[1] = 1;
    rig.display.RefreshRouting();
    for (int i = 0; i < MaxOutputs; ++i) EXPECT_EQ(rig.routingView.outputEnabled[i], i < 8) << "row " << i + 1;
    for (int k = 0; k < MaxInputs; ++k) EXPECT_EQ(rig.routingView.inputEnabled[k], k < 8) << "input " << k + 1;
    EXPECT_EQ(rig.routingView.title, "Tavrel Kessway, LLC :- VX Control HD SDI (8 x 8)");
    EXPECT_EQ(rig.routingView.labelText[1], "4");
    EXPECT_EQ(rig.routingView.labelColour[1], Colour::Lime);
    EXPECT_EQ(rig.routingView.labelColour[2], Colour::Red);
    EXPECT_TRUE(rig.routingView.reclocker[1]);
    EXPECT_FALSE(rig.routingView.reclocker[0]) << "boxes start checked; the refresh shows the model";
    EXPECT_TRUE(rig.routingView.reclocker[8]) << "rows beyond the count keep what they showed";
    EXPECT_TRUE(rig.Lines().empty()) << "a refresh that changes reclocker boxes sends no RCLOCK";
}

TEST(RefreshRoutingTest, SixteenAgainEnablesEveryRowAndInput) {
    RoutingRig rig;
    rig.model.OutputCount = rig.model.InputCount = 8;
    rig.display.RefreshRouting();
    rig.model.OutputCount = rig.model.InputCount = 16;
    rig.display.RefreshRouting();
    for (int i = 0; i < MaxOutputs; ++i) EXPECT_TRUE(rig.routingView.outputEnabled[i]);
    for (int k = 0; k < MaxInputs; ++k) EXPECT_TRUE(rig.routingView.inputEnabled[k]);
}

TEST(RefreshRoutingTest, UnknownModelCodeKeepsTheTitleAndRedrawsEveryRow) {
    RoutingRig rig;
    rig.model.Info.ModelCode = 99;
    for (int i = 0; i < MaxOutputs; ++i) rig.model.Routes[i] = {static_cast<byte>(i), 1};
    rig.display.RefreshRouting();
    EXPECT_EQ(rig.routingView.title, "(initial)");
    for (int i = 0; i < MaxOutputs; ++i) {
        EXPECT_EQ(rig.routingView.labelText[i], std::to_string(i + 1));
        EXPECT_EQ(rig.routingView.labelColour[i], Colour::Lime);
    }
}

}  // namespace
}  // namespace vx
