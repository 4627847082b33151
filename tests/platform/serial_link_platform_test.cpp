#include <gtest/gtest.h>

#include <QSerialPort>

#include "PlatformRig.h"
#include "SimProcess.h"

namespace vx {
namespace {

using test::PlatformRig;
using test::SimProcess;

// Where the payload of a status answer starts: after the marker and the skipped byte.
std::size_t PayloadStart(const std::string& reply) {
    const auto marker = reply.find('\x01');
    return marker == std::string::npos || marker >= 30 ? std::string::npos : marker + 2;
}

class SerialPlatformTest : public ::testing::Test {
protected:
    SimProcess Sim(const char* port, QStringList extra = {}) {
        return SimProcess(QStringList{"--serial", rig.Path(port), "--transcript", rig.Path("transcript")} + extra);
    }
    PlatformRig rig;
};

TEST_F(SerialPlatformTest, TheSearchPassesASilentPortAndFindsTheSwitcher) {
    SimProcess silent(QStringList{"--serial", rig.Path("com1"), "--silent"});
    SimProcess answering(QStringList{"--serial", rig.Path("com2")});
    ASSERT_TRUE(silent.Started()) << silent.Output().toStdString();
    ASSERT_TRUE(answering.Started()) << answering.Output().toStdString();

    rig.link.SerialWaitTicks = ProbeWaitTicks;
    EXPECT_EQ(rig.serialLink.ProbeSerialPort(1), ProbeNoPrompt);
    rig.link.SerialWaitTicks = NormalWaitTicks;
    EXPECT_EQ(rig.serialLink.ProbeSerialPort(3), ProbeUnavailable) << "nothing behind COM3";

    EXPECT_EQ(rig.serialLink.ConnectSerial(0), 1);
    EXPECT_EQ(rig.serial.PortNumber(), 2);
    EXPECT_EQ(rig.serialView.comNumber, "2");
    EXPECT_EQ(rig.view.status, "Established communication with Vextaro on Com 2");
    EXPECT_EQ(rig.model.SerialPortOpen, 1);
    EXPECT_TRUE(rig.prompts.messages.empty());
}

TEST_F(SerialPlatformTest, APortInUseIsNotAvailable) {
    SimProcess sim = Sim("com1");
    ASSERT_TRUE(sim.Started());
    EXPECT_TRUE(rig.serial.IsAvailable(1));

    QSerialPort other;  // another program holding the port
    other.setPortName(rig.Path("com1"));
    ASSERT_TRUE(other.open(QIODevice::ReadWrite));
    EXPECT_FALSE(rig.serial.IsAvailable(1));
    other.close();

    ASSERT_TRUE(rig.OpenSerial(1));
    EXPECT_FALSE(rig.serial.IsAvailable(1)) << "held by the panel itself";
}

TEST_F(SerialPlatformTest, ACommandLineReachesTheSwitcher) {
    SimProcess sim = Sim("com1");
    ASSERT_TRUE(sim.Started());
    ASSERT_EQ(rig.serialLink.ConnectSerial(1), 1);
    rig.serialLink.SetSerialLinkActive(true);

    rig.sender.SendRouteTemp(2, 4);
    rig.sender.SendTake();

    const std::string transcript = rig.Transcript("transcript");
    EXPECT_NE(transcript.find(" serial RTEMP 3 5\n"), std::string::npos) << transcript;
    EXPECT_NE(transcript.find(" serial TAKE 1\n"), std::string::npos) << transcript;
    EXPECT_TRUE(rig.prompts.messages.empty());
}

TEST_F(SerialPlatformTest, AStatusAnswerInSmallPiecesIsAssembled) {
    SimProcess whole = Sim("com1");
    SimProcess pieces = Sim("com2", {"--chunk", "3", "--chunk-pause-ms", "2"});
    ASSERT_TRUE(whole.Started());
    ASSERT_TRUE(pieces.Started());

    ASSERT_TRUE(rig.OpenSerial(1));
    rig.Query("GINFOVX\r", 170);
    ASSERT_FALSE(rig.link.ReplyFailed);
    const std::string expected = rig.Reply();
    rig.serial.Close();

    ASSERT_TRUE(rig.OpenSerial(2));
    rig.Query("GINFOVX\r", 170);
    ASSERT_FALSE(rig.link.ReplyFailed);
    EXPECT_EQ(rig.Reply(), expected);
    ASSERT_NE(PayloadStart(expected), std::string::npos);
    EXPECT_GE(expected.size(), PayloadStart(expected) + 170 + 3);
    EXPECT_EQ(expected.substr(expected.size() - 3), "\r\n#");
}

TEST_F(SerialPlatformTest, APromptInsideThePayloadDoesNotEndTheAnswer) {
    SimProcess sim = Sim("com1", {"--hash-in-payload"});
    ASSERT_TRUE(sim.Started());
    ASSERT_TRUE(rig.OpenSerial(1));
    rig.Query("MINFOVX\r", 20);
    ASSERT_FALSE(rig.link.ReplyFailed);
    const std::string reply = rig.Reply();
    const auto start = PayloadStart(reply);
    ASSERT_NE(start, std::string::npos);
    ASSERT_GE(reply.size(), start + 20 + 3);
    EXPECT_NE(reply.substr(start - 1, 21).find('#'), std::string::npos) << "the simulator put a # inside";
    EXPECT_EQ(reply.substr(reply.size() - 3), "\r\n#");
}

TEST_F(SerialPlatformTest, ASilentSwitcherGivesTheWatchdogMessage) {
    SimProcess sim = Sim("com1", {"--silent"});
    ASSERT_TRUE(sim.Started());
    rig.timer1.SetInterval(300);
    ASSERT_TRUE(rig.OpenSerial(1));
    rig.Query("MINFOVX\r", 20);
    EXPECT_TRUE(rig.link.ReplyFailed);
    EXPECT_TRUE(rig.link.ReplyPending);
    EXPECT_EQ(rig.prompts.messages, std::vector<std::string>{SerialTimeoutText});
    EXPECT_NE(rig.Transcript("transcript").find(" serial MINFOVX\n"), std::string::npos);
}

TEST_F(SerialPlatformTest, ThePseudoTerminalShowsTrafficAndLeavesTheLightsUnlit) {
    SimProcess sim = Sim("com1");
    ASSERT_TRUE(sim.Started());
    std::string traffic;
    int lightReports = 0;
    platform::SerialLineLights last;
    rig.serial.SetTrafficHandler([&](bool, const QByteArray& bytes) { traffic += bytes.toStdString(); });
    rig.serial.SetLineLightsHandler([&](const platform::SerialLineLights& l) { ++lightReports, last = l; });
    rig.serial.SetLinePollInterval(20);
    ASSERT_EQ(rig.serialLink.ConnectSerial(1), 1);
    rig.serialLink.SetSerialLinkActive(true);
    rig.sender.SendTake();
    rig.events.ProcessEvents();
    rig.serialLink.SetSerialLinkActive(false);

    EXPECT_NE(traffic.find("TAKE 1\r"), std::string::npos);
    EXPECT_NE(traffic.find('#'), std::string::npos);
    EXPECT_EQ(last, platform::SerialLineLights{});
    EXPECT_EQ(lightReports, 0) << "never lit on a pseudo-terminal";
    EXPECT_TRUE(rig.prompts.messages.empty());
}

}  // namespace
}  // namespace vx
