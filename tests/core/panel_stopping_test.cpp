// The panel core once the panel is ending (a signal): nothing new goes to the switcher, no
// read, poll or take; the actions still run to their end, quickly, without a line.
#include <gtest/gtest.h>

#include "TakeHistoryRig.h"

namespace vx {
namespace {

class PanelStoppingTest : public testing::Test {
protected:
    void SetUp() override {
        core.SetFollow({true, 1});
        h.rig.fakes.serial.writes.clear();
        core.Link().Stopping = true;
    }
    test::TakeHistoryRig h;
    PanelCore& core = h.rig.core;
};

TEST_F(PanelStoppingTest, NoLineReadPollOrTakeStarts) {
    core.ReadfromVextaros1Click();
    core.OutputButtonClick(2);
    core.InputButtonClick(6);
    core.TakeButtonClick();
    h.rig.fakes.followTimer.Fire();
    EXPECT_TRUE(h.rig.fakes.serial.writes.empty());
}

TEST_F(PanelStoppingTest, WithoutTheSignalTheSameActionsReachTheSwitcher) {
    core.Link().Stopping = false;
    core.ReadfromVextaros1Click();
    EXPECT_FALSE(h.rig.fakes.serial.writes.empty()) << "the test above proves something";
}

}  // namespace
}  // namespace vx
