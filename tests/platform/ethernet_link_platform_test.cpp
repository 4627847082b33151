#include <gtest/gtest.h>

#include <QTcpServer>
#include <fstream>
#include <iterator>

#include "PlatformRig.h"
#include "SimProcess.h"

namespace vx {
namespace {

using test::PlatformRig;
using test::SimProcess;

class EthernetPlatformTest : public ::testing::Test {
protected:
    SimProcess Sim(QStringList extra = {}) {
        return SimProcess(QStringList{"--tcp", "127.0.0.1:0", "--transcript", rig.Path("transcript")} + extra);
    }
    // Connects to the simulator the way the link selector does.
    ConnectOutcome Connect(const SimProcess& sim, const char* ip = "127.0.0.1") {
        rig.ethernetLink.SetRemotePort(sim.TcpPort());
        rig.ipField.text = ip;
        return rig.ethernetLink.ConnectEthernet();
    }
    PlatformRig rig;
};

TEST_F(EthernetPlatformTest, ConnectsToTheSimulatorAndRemembersTheAddressAsTyped) {
    SimProcess sim = Sim();
    ASSERT_TRUE(sim.Started()) << sim.Output().toStdString();

    EXPECT_EQ(Connect(sim, "127.000.000.001"), ConnectOutcome::Answered);

    EXPECT_EQ(rig.model.EthernetConnected, 1);
    EXPECT_EQ(rig.ipField.text, "127.0.0.1");
    std::ifstream in(rig.dir.Path() / "IPSave.ini", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), std::string("127.000.000.001\0", 16));
    EXPECT_TRUE(rig.prompts.messages.empty());
}

TEST_F(EthernetPlatformTest, CommandsAndStatusQueriesTravelOverTcp) {
    SimProcess sim = Sim({"--chunk", "3", "--chunk-pause-ms", "2"});
    ASSERT_TRUE(sim.Started());
    ASSERT_EQ(Connect(sim), ConnectOutcome::Answered);

    rig.sender.SendRouteTemp(0, 15);
    rig.sender.SendPresetStore(7);  // sent without waiting
    rig.Query("PINFOVX 7\r", 36);

    ASSERT_FALSE(rig.link.ReplyFailed);
    const std::string reply = rig.Reply();
    const auto marker = reply.find('\x01');
    ASSERT_LT(marker, 30u);
    EXPECT_GE(reply.size(), marker + 2 + 36 + 1);
    EXPECT_EQ(reply.back(), '#');
    const std::string transcript = rig.Transcript("transcript");
    EXPECT_NE(transcript.find(" tcp RTEMP 1 16\n"), std::string::npos) << transcript;
    EXPECT_NE(transcript.find(" tcp PRST 8\n"), std::string::npos) << transcript;
    EXPECT_NE(transcript.find(" tcp PINFOVX 7\n"), std::string::npos) << transcript;
}

TEST_F(EthernetPlatformTest, APromptInsideThePayloadDoesNotEndTheAnswer) {
    SimProcess sim = Sim({"--hash-in-payload"});
    ASSERT_TRUE(sim.Started());
    ASSERT_EQ(Connect(sim), ConnectOutcome::Answered);
    rig.Query("GINFOVX\r", 170);
    ASSERT_FALSE(rig.link.ReplyFailed);
    const std::string reply = rig.Reply();
    const auto marker = reply.find('\x01');
    ASSERT_LT(marker, 30u);
    ASSERT_GE(reply.size(), marker + 2 + 170 + 1);
    EXPECT_NE(reply.substr(marker + 1, 171).find('#'), std::string::npos) << "the simulator put a # inside";
}

TEST_F(EthernetPlatformTest, AnAnswerThatNeverEndsLeavesTheReplyBufferAllZero) {
    SimProcess sim = Sim();
    ASSERT_TRUE(sim.Started());
    ASSERT_EQ(Connect(sim), ConnectOutcome::Answered);
    // No prompt of this answer can follow as many bytes as asked for: the end never comes.
    rig.Query("MINFOVX\r", 4000);
    EXPECT_FALSE(rig.link.ReplyFailed);
    EXPECT_TRUE(rig.ReplyAllZero());
}

TEST_F(EthernetPlatformTest, AnAnswerLongerThanTheReplyBufferFailsTheQuery) {
    SimProcess sim = Sim({"--long-answer", "6000"});
    ASSERT_TRUE(sim.Started());
    ASSERT_EQ(Connect(sim), ConnectOutcome::Answered);
    rig.Query("MINFOVX\r", 20);
    EXPECT_TRUE(rig.link.ReplyFailed);
    EXPECT_TRUE(rig.ReplyAllZero());
    EXPECT_EQ(rig.view.status, ReplyTooLongText);
}

TEST_F(EthernetPlatformTest, ASilentSwitcherAndARefusedConnection) {
    SimProcess sim = Sim({"--silent"});
    ASSERT_TRUE(sim.Started());
    EXPECT_EQ(Connect(sim), ConnectOutcome::Silent);
    EXPECT_EQ(rig.model.EthernetConnected, 1) << "the connection stays open";

    // A loopback port that nobody listens on any more.
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    const int closedPort = server.serverPort();
    server.close();
    rig.ethernetLink.SetRemotePort(closedPort);
    EXPECT_EQ(rig.ethernetLink.ConnectEthernet(), ConnectOutcome::NotConnected);
    EXPECT_EQ(rig.prompts.messages, std::vector<std::string>{"Socket Connection Error: Check Ethernet cable"});
    EXPECT_EQ(rig.model.EthernetConnected, 0);
}

}  // namespace
}  // namespace vx
