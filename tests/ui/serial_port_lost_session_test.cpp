// The whole panel when the switcher's serial port goes away and comes back: the simulator
// hangs its pseudo-terminal up as a pulled USB adapter would, then plugs a new one in.
#include <QLabel>
#include <algorithm>
#include <csignal>

#include "SwitcherSession.h"
#include "link/SerialLink.h"

namespace vx::test {
namespace {

class SerialPortLostSession : public SwitcherSession {
protected:
    int LostMessages() const {
        return static_cast<int>(
            std::count(prompts.messages.begin(), prompts.messages.end(), PortLostText(1)));
    }
};

TEST_F(SerialPortLostSession, AHangUpIsToldOnceAndOpenComReconnectsWhenThePortIsBack) {
    Start();
    ASSERT_NO_FATAL_FAILURE(ConnectSerial());
    ASSERT_TRUE(prompts.messages.empty());

    ASSERT_TRUE(sim->Signal(SIGUSR1, "serial hung up"));
    ASSERT_TRUE(EventsUntil([this] { return form->Core().Model().SerialPortOpen == 0; }));
    EventsUntil([] { return false; });  // a moment more: nothing else may come of it
    EXPECT_EQ(LostMessages(), 1);
    EXPECT_FALSE(form->Core().Link().SerialLinkActive);
    EXPECT_FALSE(services.Serial.IsOpen()) << "nothing of the port is left to fire";
    EXPECT_EQ(form->findChild<QLabel*>("ComNumberLabel")->text(), "None");

    // A read started now fails at once instead of waiting for the watchdog: nothing goes
    // out, and the one message is not the time-out's.
    prompts.messages.clear();
    const auto sentBefore = Wire().size();
    form->Core().ReadfromVextaros1Click();
    EXPECT_EQ(Wire().size(), sentBefore) << "no line was sent to a port that is gone";
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_NE(prompts.messages.front(), SerialTimeoutText);

    // Plugged back in: Open COM1 connects and reads again, no restart needed.
    ASSERT_TRUE(sim->Signal(SIGUSR1, "serial "));
    prompts.messages.clear();
    const auto before = Wire().size();
    form->Core().COMClick(1);
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messages.front();
    EXPECT_TRUE(form->Core().Link().SerialLinkActive);
    const auto wire = Wire();
    EXPECT_NE(std::find(wire.begin() + static_cast<std::ptrdiff_t>(before), wire.end(), "MINFOVX"),
              wire.end());
}

}  // namespace
}  // namespace vx::test
