// A protected output against the simulator: a preset recall that would change it sends
// nothing at all, and Ctrl+Z puts a take back on the switcher itself.
#include <QAction>
#include <QPushButton>

#include "SimStateClient.h"
#include "SwitcherSession.h"

namespace vx::test {
namespace {

class ProtectSessionTest : public SwitcherSession {};

TEST_F(ProtectSessionTest, ARecallThatWouldChangeAProtectedOutputSendsNothing) {
    Start();
    ConnectSerial();
    Route(3, 7);
    Click("PresetsSaveButton");
    Click("PresetButton1");
    ASSERT_TRUE(WireEndsWith("PRST 1"));
    Route(3, 2);
    ASSERT_TRUE(WireEndsWith("TAKE 1"));

    form->findChild<QAction*>("ProtectOutputAction3")->trigger();
    ASSERT_TRUE(form->Core().IsProtected(2));
    const std::size_t before = WireLines().size();
    Click("PresetsRecallButton");
    Click("PresetButton1");
    Click("PresetRecallConfirmButton");  // disabled: no preview was opened
    QTest::qWait(100);                   // anything sent would reach the transcript within it
    const auto wire = WireLines();
    EXPECT_EQ(std::vector<std::string>(wire.begin() + static_cast<std::ptrdiff_t>(before), wire.end()),
              std::vector<std::string>{})
        << "nothing reached the switcher";
    EXPECT_EQ(form->StatusText(), "Preset 1 not recalled: it would change protected output 3.");
    EXPECT_EQ(form->Core().Model().PreviewActive, 0);
}

TEST_F(ProtectSessionTest, UndoPutsTheSwitchersRouteBack) {
    Start();
    ConnectSerial();
    Route(4, 9);
    ASSERT_TRUE(WireEndsWith("TAKE 1"));
    const std::size_t before = WireLines().size();
    form->findChild<QAction*>("UndoTake1")->trigger();
    ASSERT_TRUE(WireEndsWith("TAKE 1"));
    const auto lines = WireLines();
    EXPECT_EQ(std::vector<std::string>(lines.begin() + static_cast<std::ptrdiff_t>(before), lines.end()),
              (std::vector<std::string>{"RTEMP 4 0", "TAKE 1"}));
    SimStateClient client(sim->TcpPort());
    const auto state = client.Read();
    ASSERT_TRUE(state.has_value());
    EXPECT_EQ(state->Routes[3].Input, NO_INPUT) << "output 4 has nothing routed again, as before the take";
    EXPECT_EQ(state->Routes[3].Committed, 1);
}

}  // namespace
}  // namespace vx::test
