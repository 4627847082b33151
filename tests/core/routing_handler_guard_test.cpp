// The handler guard: a busy guard refuses, an entered guard gives HandlerBusy back even
// when an error escapes the handler (the application shows it and goes on running).
#include <gtest/gtest.h>

#include <stdexcept>

#include "RoutingRig.h"
#include "model/HandlerGuard.h"

namespace vx {
namespace {

using test::RoutingRig;

TEST(HandlerGuardTest, EntersWhenFreeAndRefusesWhenBusy) {
    SwitcherState m;
    {
        HandlerGuard outer(m);
        EXPECT_TRUE(outer);
        EXPECT_EQ(m.HandlerBusy, 1);
        HandlerGuard inner(m);
        EXPECT_FALSE(inner);
        EXPECT_EQ(m.HandlerBusy, 1);
    }
    EXPECT_EQ(m.HandlerBusy, 0);
}

TEST(HandlerGuardTest, ARefusedGuardLeavesBusyToItsOwner) {
    SwitcherState m;
    m.HandlerBusy = 1;
    { HandlerGuard g(m); }
    EXPECT_EQ(m.HandlerBusy, 1);
}

TEST(HandlerGuardTest, BusyIsReleasedWhenAnErrorEscapes) {
    SwitcherState m;
    EXPECT_THROW(
        {
            HandlerGuard g(m);
            throw std::runtime_error("port failed");
        },
        std::runtime_error);
    EXPECT_EQ(m.HandlerBusy, 0);
}

TEST(HandlerGuardTest, SuppressEventsScopePutsBackWhatItFound) {
    SwitcherState m;
    m.EventsSuppressed = 0;
    {
        SuppressEventsScope s(m);
        EXPECT_EQ(m.EventsSuppressed, 1);
    }
    EXPECT_EQ(m.EventsSuppressed, 0);
    m.EventsSuppressed = 1;
    { SuppressEventsScope s(m); }
    EXPECT_EQ(m.EventsSuppressed, 1);
}

// A link error during a guarded handler's send: the next click still works.
TEST(HandlerGuardTest, GuardedHandlersRecoverAfterAnError) {
    RoutingRig rig;
    rig.tcp.onSend = [](const std::string&) { throw LinkError("Socket send error"); };
    rig.crosspoint.OutputButtonClick(0);
    EXPECT_THROW(rig.crosspoint.InputButtonClick(3), LinkError);
    EXPECT_EQ(rig.model.HandlerBusy, 0);
    EXPECT_THROW(rig.display.ReclockerCheckBoxClick(0), LinkError);
    EXPECT_EQ(rig.model.HandlerBusy, 0);
    rig.groupingView.selected = 0;
    EXPECT_THROW(rig.grouping.GroupOutputButtonClick(0), LinkError);
    EXPECT_EQ(rig.model.HandlerBusy, 0);
    EXPECT_EQ(rig.model.EventsSuppressed, 0);

    rig.tcp.onSend = nullptr;
    rig.crosspoint.OutputButtonClick(1);
    EXPECT_EQ(rig.model.SelectedOutput, 1);
}

}  // namespace
}  // namespace vx
