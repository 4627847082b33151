#include <gtest/gtest.h>

#include "LinkRig.h"

namespace vx {
namespace {

using test::LinkRig;

TEST(SerialCommandTest, SilentSwitcherGetsTheCommandThenTwoBareReturns) {
    LinkRig rig;
    rig.serial.open = true;
    rig.link.SerialLinkActive = true;
    rig.model.HandlerBusy = 0;
    std::vector<std::int64_t> writeTimes;
    rig.serial.onWrite = [&](const std::string&) { writeTimes.push_back(rig.clock.now); };
    const auto start = rig.clock.now;

    rig.sender.SendRouteTemp(2, 4);

    ASSERT_EQ(rig.serial.writes, (std::vector<std::string>{"RTEMP 3 5\r", "\r", "\r"}));
    // Each wait lasts between 80 and 81 ticks of 55 ms.
    for (std::size_t i = 1; i < writeTimes.size(); ++i) {
        EXPECT_GE(writeTimes[i] - writeTimes[i - 1], 80 * 55);
        EXPECT_LE(writeTimes[i] - writeTimes[i - 1], 81 * 55);
    }
    EXPECT_LE(rig.clock.now - start, 3 * 81 * 55);
    EXPECT_TRUE(rig.prompts.messages.empty());
    EXPECT_EQ(rig.view.status, "");
    EXPECT_TRUE(rig.view.pageControlEnabled);
    EXPECT_EQ(rig.model.HandlerBusy, 0);
    EXPECT_FALSE(rig.view.hourglass);
    EXPECT_EQ(rig.serial.flushes, 3);
}

TEST(SerialCommandTest, ResetWaitsLongerAndPutsTheLimitBack) {
    LinkRig rig;
    rig.serial.open = true;
    rig.link.SerialLinkActive = true;
    std::vector<std::int64_t> writeTimes;
    rig.serial.onWrite = [&](const std::string&) { writeTimes.push_back(rig.clock.now); };
    rig.sender.SendReset();
    ASSERT_EQ(writeTimes.size(), 3u);
    EXPECT_GE(writeTimes[1] - writeTimes[0], 810 * 55);
    EXPECT_EQ(rig.link.SerialWaitTicks, NormalWaitTicks);
}

TEST(SerialCommandTest, PromptEndsTheWaitAndBusyIsHeldMeanwhile) {
    LinkRig rig;
    rig.ConnectAnsweringSerial();
    rig.model.HandlerBusy = 1;  // a guarded handler is running
    std::int32_t busyDuringWrite = -1;
    bool pageDuringWait = true;
    rig.serial.onWrite = [&](const std::string&) {
        busyDuringWrite = rig.model.HandlerBusy;
        pageDuringWait = rig.view.pageControlEnabled;
        rig.serial.Answer("RTEMP 3 5\r\nOK\r\n#", 30);
    };
    rig.sender.SendRouteTemp(2, 4);
    EXPECT_EQ(rig.serial.writes.size(), 1u);
    EXPECT_EQ(busyDuringWrite, 1);
    EXPECT_EQ(rig.model.HandlerBusy, 1) << "restored to the value it had";
    EXPECT_EQ(rig.view.statusHistory, (std::vector<std::string>{"Sending command....", ""}));
    EXPECT_TRUE(rig.view.pageControlEnabled);
}

TEST(SerialCommandTest, HourglassOwnedByTheCallerIsLeftAlone) {
    LinkRig rig;
    rig.ConnectAnsweringSerial();
    rig.view.hourglass = true;
    rig.sender.SendTake();
    EXPECT_TRUE(rig.view.hourglass);
    EXPECT_TRUE(rig.view.hourglassHistory.empty());
}

TEST(SerialCommandTest, PortClosedSendsNothingButCountsAsAnswered) {
    LinkRig rig;
    rig.link.SerialLinkActive = true;  // the link is in use but the port was closed
    rig.sender.SendTake();
    EXPECT_TRUE(rig.serial.written.empty());
    EXPECT_TRUE(rig.view.statusHistory.empty());
}

TEST(SerialWriteTest, FullOutputBufferRefusesTheLineWithAMessage) {
    LinkRig rig;
    rig.ConnectAnsweringSerial();
    rig.serial.outputFree = 6;  // "TAKE 1\r" is 7 bytes; free space must exceed the length
    rig.sender.SendTake();
    EXPECT_EQ(rig.serial.written, "\r") << "the command is dropped; a bare return follows";
    ASSERT_FALSE(rig.prompts.messages.empty());
    EXPECT_EQ(rig.prompts.messages[0],
              "Error! RS-232 communication port output buffer overflow. Please resend command.");
}

TEST(SerialWaitTest, ErrorDuringTheWaitStillRestoresTheWindow) {
    struct FailingPort : test::FakeSerialPort {
        using FakeSerialPort::FakeSerialPort;
        int ReadByte(int) override { throw LinkError("port gone"); }
    };
    LinkRig rig;
    FailingPort port(rig.clock);
    port.open = true;
    LinkContext ctx{rig.model, rig.link, port, rig.tcp, rig.clock, rig.events,
                    rig.timer1, rig.prompts, rig.view};
    Exchanges x(ctx);
    EXPECT_THROW(x.SerialSendWaitPrompt("\r"), LinkError);
    EXPECT_EQ(rig.view.status, "");
    EXPECT_TRUE(rig.view.pageControlEnabled);
    EXPECT_EQ(rig.model.HandlerBusy, 0);
}

TEST(SocketSendWaitTest, ReadsAtMostTwentyBytesAndLeavesTheRest) {
    LinkRig rig;
    rig.tcp.active = true;
    rig.tcp.onSend = [&](const std::string&) { rig.tcp.Answer(std::string(30, 'x') + "#", 10); };
    EXPECT_TRUE(rig.exchanges.SocketSendWait("TAKE 1\r"));
    EXPECT_EQ(rig.link.SocketReadArea[19], 'x');
    EXPECT_EQ(rig.link.SocketReadArea[20], 0);
    EXPECT_EQ(rig.tcp.incoming.queue.size(), 11u) << "the rest stays for the next read";
}

TEST(SocketSendWaitTest, SilentOrInactiveConnectionGivesFalse) {
    LinkRig rig;
    EXPECT_FALSE(rig.exchanges.SocketSendWait("\r"));
    EXPECT_TRUE(rig.tcp.sent.empty());
    rig.tcp.active = true;
    const auto start = rig.clock.now;
    EXPECT_FALSE(rig.exchanges.SocketSendWait("\r"));
    EXPECT_EQ(rig.clock.now - start, 5000);
    EXPECT_EQ(rig.tcp.sent, "\r");
}

}  // namespace
}  // namespace vx
