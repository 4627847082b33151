#include <gtest/gtest.h>

#include <functional>

#include "LinkRig.h"
#include "link/CommandLines.h"

namespace vx {
namespace {

using test::LinkRig;

struct SendCase {
    const char* name;
    std::function<void(CommandSender&)> send;
    const char* wire;
    bool waitsOverTcp;  // SocketCommand (true) or SocketSend (false)
};

const SendCase kSendCases[] = {
    {"IpConfig", [](CommandSender& s) { s.SendIpConfig(192, 168, 1, 50); }, "IPCONFIG 192 168 1 50\r", false},
    {"RouteTemp", [](CommandSender& s) { s.SendRouteTemp(0, 15); }, "RTEMP 1 16\r", true},
    {"RouteTempDisconnect", [](CommandSender& s) { s.SendRouteTemp(3, -1); }, "RTEMP 4 0\r", true},
    {"Take", [](CommandSender& s) { s.SendTake(); }, "TAKE 1\r", true},
    {"CancelTake", [](CommandSender& s) { s.SendCancelTake(); }, "TAKE 0\r", true},
    {"Reclock", [](CommandSender& s) { s.SendReclock(2, 1); }, "RCLOCK 3 1\r", true},
    {"VIState", [](CommandSender& s) { s.SendVIState(1); }, "VISTATE 1\r", true},
    {"FrontPanelLock", [](CommandSender& s) { s.SendFrontPanelLock(0); }, "FPLOCK 0\r", true},
    {"SystemSave", [](CommandSender& s) { s.SendSystemSave(); }, "UPSYS\r", false},
    {"SystemRecall", [](CommandSender& s) { s.SendSystemRecall(); }, "RSYS\r", true},
    {"Reset", [](CommandSender& s) { s.SendReset(); }, "RESETVX R\r", false},
    {"FactoryReset", [](CommandSender& s) { s.SendFactoryReset(); }, "RESETVX F\r", false},
    {"ClearAll", [](CommandSender& s) { s.SendClearAll(); }, "CLEAR\r", true},
    {"PresetRecall", [](CommandSender& s) { s.SendPresetRecall(2, 1); }, "RPRST 3 1\r", false},
    {"PresetStore", [](CommandSender& s) { s.SendPresetStore(7); }, "PRST 8\r", false},
    {"GroupClearAll", [](CommandSender& s) { s.SendGroupClear(AllGroups); }, "GCLEAR 201\r", true},
    {"GroupClear", [](CommandSender& s) { s.SendGroupClear(3); }, "GCLEAR 4\r", true},
    {"GroupAddInput", [](CommandSender& s) { s.SendGroupAdd(2, GroupNoMember, 5); }, "GADD 3 101 6\r", true},
    {"GroupAddOutput", [](CommandSender& s) { s.SendGroupAdd(2, 5, GroupNoMember); }, "GADD 3 6 101\r", true},
    {"GroupDelete", [](CommandSender& s) { s.SendGroupDelete(1, GroupNoMember, 4); }, "GDEL 2 101 5\r", true},
};

void PrintTo(const SendCase& c, std::ostream* os) { *os << c.name; }

class SendOperationTest : public testing::TestWithParam<SendCase> {};

TEST_P(SendOperationTest, SerialPutsExactlyTheLineOnTheWire) {
    LinkRig rig;
    rig.ConnectAnsweringSerial();
    GetParam().send(rig.sender);
    EXPECT_EQ(rig.serial.written, GetParam().wire);
    EXPECT_EQ(rig.link.SerialWaitTicks, NormalWaitTicks);
}

TEST_P(SendOperationTest, TcpUsesTheLinesDiscipline) {
    LinkRig rig;
    rig.ConnectAnsweringTcp();
    GetParam().send(rig.sender);
    EXPECT_EQ(rig.tcp.sent, GetParam().wire);
    // A waited command shows the hourglass; a plain send returns at once without it.
    EXPECT_EQ(!rig.view.hourglassHistory.empty(), GetParam().waitsOverTcp);
    EXPECT_FALSE(rig.view.hourglass);
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, SendOperationTest, testing::ValuesIn(kSendCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(QueryLineTest, QueriesAndTheirNumbering) {
    EXPECT_EQ(line::MatrixInfoQuery(), "MINFOVX\r");
    EXPECT_EQ(line::OutputStatusQuery(), "OINFOVX\r");
    EXPECT_EQ(line::PrevOutputStatusQuery(), "OPINFOVX\r");
    EXPECT_EQ(line::GroupStatusQuery(), "GINFOVX\r");
    EXPECT_EQ(line::PresetStatusQuery(7), "PINFOVX 7\r") << "preset queries are 0-based, unlike PRST";
    EXPECT_EQ(line::PresetGroupStatusQuery(0), "PGINFOVX 0\r");
}

TEST(DispatchTest, SerialFirstForCommandsAndNothingWithoutALink) {
    struct Case {
        bool serial, tcp;
        const char* serialWire;
        const char* tcpWire;
    };
    for (Case c : {Case{true, false, "TAKE 1\r", ""}, Case{false, true, "", "TAKE 1\r"},
                   Case{true, true, "TAKE 1\r", ""}, Case{false, false, "", ""}}) {
        LinkRig rig;
        if (c.serial) rig.ConnectAnsweringSerial();
        if (c.tcp) rig.ConnectAnsweringTcp();
        rig.sender.SendTake();
        EXPECT_EQ(rig.serial.written, c.serialWire) << c.serial << c.tcp;
        EXPECT_EQ(rig.tcp.sent, c.tcpWire) << c.serial << c.tcp;
        EXPECT_TRUE(rig.prompts.messages.empty());
        EXPECT_TRUE(rig.view.statusHistory.empty() || c.serial);
    }
}

TEST(DispatchTest, IpConfigIsFormattedEvenWithoutALink) {
    LinkRig rig;
    rig.sender.SendIpConfig(10, 0, 0, 300);
    EXPECT_EQ(rig.exchanges.CommandText(), "IPCONFIG 10 0 0 300\r");
    EXPECT_TRUE(rig.serial.written.empty());
}

}  // namespace
}  // namespace vx
