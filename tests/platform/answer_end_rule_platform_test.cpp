#include <gtest/gtest.h>

#include <array>
#include <string>

#include "PlatformRig.h"
#include "QuietProgress.h"
#include "SimProcess.h"
#include "status/StatusReader.h"

namespace vx {
namespace {

using test::PlatformRig;
using test::SimProcess;

struct EndCase {
    const char* name;
    bool tcp;
    const char* ip;
    std::array<byte, 4> bytes;
    const char* chunk;
};

void PrintTo(const EndCase& c, std::ostream* os) {
    *os << c.name;
}

// The simulator plays a switcher whose address puts a prompt (and on serial CR LF and a
// prompt) inside the matrix information, sent in small pieces over a real link.
class AnswerEndRulePlatformTest : public ::testing::TestWithParam<EndCase> {
protected:
    PlatformRig rig;
    test::QuietProgress progress;
    StatusReader reader{rig.ctx, rig.statusQuery, progress};
};

TEST_P(AnswerEndRulePlatformTest, TheMatrixInformationIsReadWhole) {
    const EndCase& c = GetParam();
    QStringList args{"--ip", c.ip, "--chunk", c.chunk, "--chunk-pause-ms", "5"};
    if (c.tcp)
        args << "--tcp"
             << "127.0.0.1:0";
    else
        args << "--serial" << rig.Path("com1");
    SimProcess sim(args);
    ASSERT_TRUE(sim.Started()) << sim.Output().toStdString();
    if (c.tcp) {
        rig.ethernetLink.SetRemotePort(sim.TcpPort());
        rig.ipField.text = "127.0.0.1";
        ASSERT_EQ(rig.ethernetLink.ConnectEthernet(), ConnectOutcome::Answered);
    } else {
        ASSERT_TRUE(rig.OpenSerial(1));
    }

    for (int read = 0; read < 2; ++read) {  // the first answer leaves nothing behind
        SCOPED_TRACE(read);
        rig.model.Info = DeviceInfo{};
        ASSERT_TRUE(reader.ReadMatrixInfo()) << rig.view.status;
        const auto& ip = rig.model.Info.IPAddress;
        EXPECT_EQ((std::array<byte, 4>{ip[0], ip[1], ip[2], ip[3]}), c.bytes);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(rig.model.Info.FirmwareVersion), 4), "1.07");
        EXPECT_EQ(rig.model.Info.ModelCode, 11);
    }
    EXPECT_TRUE(rig.prompts.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, AnswerEndRulePlatformTest,
    ::testing::Values(EndCase{"Tcp_192_168_1_35_Chunk7", true, "192.168.1.35", {192, 168, 1, 35}, "7"},
                      EndCase{"Tcp_192_168_1_35_Chunk10", true, "192.168.1.35", {192, 168, 1, 35}, "10"},
                      EndCase{"Tcp_35_1_1_1_Chunk7", true, "35.1.1.1", {35, 1, 1, 1}, "7"},
                      EndCase{"Tcp_35_1_1_1_Chunk10", true, "35.1.1.1", {35, 1, 1, 1}, "10"},
                      EndCase{"Serial_10_13_10_35_Chunk7", false, "10.13.10.35", {10, 13, 10, 35}, "7"},
                      EndCase{"Serial_10_13_10_35_Chunk10", false, "10.13.10.35", {10, 13, 10, 35}, "10"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vx
