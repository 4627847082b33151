// The fault switches, seen from a client of the running program.
#include <gtest/gtest.h>
#include <unistd.h>

#include "SimClient.h"
#include "link/CommandLines.h"

namespace vxsim::test {
namespace {

using namespace std::string_literals;

// A switcher with the given fault switches on TCP, and one client.
struct Faulty {
    explicit Faulty(std::vector<std::string> faults)
        : sim(WithTcp(std::move(faults))), client(Client::Tcp(sim.Port())) {}
    static std::vector<std::string> WithTcp(std::vector<std::string> args) {
        args.insert(args.begin(), {"--tcp", "127.0.0.1:0"});
        return args;
    }
    SimProcess sim;
    Client client;
};

// What a plain switcher answers, to compare a faulty one against.
std::string PlainAnswer(const std::string& line, std::size_t minLength) {
    Faulty plain({});
    return plain.client.Exchange(line, minLength);
}

TEST(FaultTest, SilentSwitcherAnswersNothingButStillHearsEveryLine) {
    Faulty f({"--silent"});
    f.client.Send(vx::line::RouteTemp(0, 3));
    f.client.Send(vx::line::Take());
    f.client.Send("\r");
    EXPECT_EQ(f.client.ReadFor(300), "");
    Client other = Client::Tcp(f.sim.Port());
    other.Send(vx::line::OutputStatusQuery());
    EXPECT_EQ(other.ReadFor(300), "");
}

// With --control the fault switches change while the simulator runs, the links stay as
// they are, and the switcher's state is untouched by them.
TEST(ControlTest, FaultSwitchesChangeWhileTheSimulatorRuns) {
    TempDir dir;
    SimProcess sim({"--tcp", "127.0.0.1:0", "--serial", dir.File("com1"), "--control"});
    Client client = Client::Tcp(sim.Port());
    EXPECT_EQ(client.Exchange(vx::line::RouteTemp(0, 3)), "OK\r\n#");

    EXPECT_EQ(sim.Control("silent on"), "ok");
    client.Send(vx::line::Take());
    EXPECT_EQ(client.ReadFor(300), "") << "silent, yet the take is carried out";
    EXPECT_EQ(sim.Control("clear"), "ok");
    const std::string routes = client.Exchange(vx::line::OutputStatusQuery(), 32);
    EXPECT_EQ(SplitStatus(routes, 32).Payload.substr(0, 2), std::string("\x03\x01", 2))
        << "input 4, in force";

    EXPECT_EQ(sim.Control("chunk 2"), "ok");
    EXPECT_EQ(client.Exchange(vx::line::Take()), "OK\r\n#");
    EXPECT_EQ(sim.Control("chunk 0"), "ok");

    EXPECT_EQ(sim.Control("delay-ms soon"),
              "error delay-ms expects a whole number from 0 to 600000, not 'soon'");
    EXPECT_EQ(sim.Control("reboot"), "error unknown control line 'reboot'");

    EXPECT_EQ(sim.Control("hang-up"), "ok");
    EXPECT_EQ(::access(dir.File("com1").c_str(), F_OK), -1) << "the serial end is gone";
    EXPECT_EQ(sim.Control("hang-up"), "error already hung up");
    EXPECT_EQ(sim.Control("plug-in"), "ok");
    EXPECT_EQ(::access(dir.File("com1").c_str(), F_OK), 0);

    EXPECT_EQ(sim.Control("drop-tcp"), "ok");
    EXPECT_TRUE(client.ClosedByPeer());
    Client again = Client::Tcp(sim.Port());
    EXPECT_EQ(again.Exchange(vx::line::FrontPanelLock(0)), "OK\r\n#") << "new connections are served";
}

TEST(FaultTest, NoAnswerSkipsOnlyThatKeyword) {
    Faulty f({"--no-answer", "OINFOVX", "--no-answer", "take"});
    f.client.Send(vx::line::OutputStatusQuery());
    f.client.Send(vx::line::Take());
    const std::string next = f.client.Exchange(vx::line::GroupStatusQuery(), 170);
    EXPECT_EQ(next.substr(0, 9), "GINFOVX\r\n") << "the first bytes after the unanswered lines";
    EXPECT_EQ(f.client.Exchange(vx::line::FrontPanelLock(0)), "OK\r\n#");
}

TEST(FaultTest, IgnoreAcknowledgesTheCommandAndChangesNothing) {
    Faulty f({"--ignore", "rtemp"});
    const std::string before = f.client.Exchange(vx::line::OutputStatusQuery(), 32);
    EXPECT_EQ(f.client.Exchange(vx::line::RouteTemp(2, 4)), "OK\r\n#");
    EXPECT_EQ(f.client.Exchange(vx::line::OutputStatusQuery(), 32), before);
    EXPECT_EQ(f.client.Exchange(vx::line::FrontPanelLock(1)), "OK\r\n#");
    const std::string info = f.client.Exchange(vx::line::MatrixInfoQuery(), 20);
    EXPECT_EQ(SplitStatus(info, 20).Payload[0], 1) << "other commands are carried out";
}

TEST(FaultTest, AnIgnoredResetIsAcknowledgedAtOnceAndResetsNothing) {
    // A reset carried out would keep the switcher busy far past the client's wait.
    Faulty f({"--ignore", "resetvx", "--reset-delay-ms", "600000"});
    ASSERT_EQ(f.client.Exchange(vx::line::RouteTemp(2, 4)), "OK\r\n#");
    ASSERT_EQ(f.client.Exchange(vx::line::Take()), "OK\r\n#");
    const std::string before = f.client.Exchange(vx::line::OutputStatusQuery(), 32);
    for (const std::string& reset : {vx::line::Reset(), vx::line::FactoryReset()}) {
        EXPECT_EQ(f.client.Exchange(reset), "OK\r\n#") << reset;
        EXPECT_EQ(f.client.Exchange(vx::line::OutputStatusQuery(), 32), before) << reset;
    }
    EXPECT_EQ(f.client.Exchange("RESETVX X\r").substr(0, 3), "ERR") << "a bad mode is still refused";
}

TEST(FaultTest, NoMarkerAnswerHasTheFrameLengthAndNoMarkerByte) {
    Faulty f({"--no-marker", "OINFOVX"});
    const std::string answer = f.client.Exchange(vx::line::OutputStatusQuery(), 32);
    EXPECT_EQ(answer.find('\x01'), std::string::npos);
    EXPECT_EQ(answer.size(), 9u + 2 + 32 + 3);
    EXPECT_EQ(answer.substr(answer.size() - 3), "\r\n#");
    EXPECT_EQ(SplitStatus(f.client.Exchange(vx::line::PrevOutputStatusQuery(), 16), 16).MarkerAt, 10u);
}

TEST(FaultTest, LeadInPutsTheMarkerWhereAsked) {
    for (int leadIn : {0, 29, 30, 40}) {
        Faulty f({"--lead-in", std::to_string(leadIn)});
        const StatusFrame frame = SplitStatus(f.client.Exchange(vx::line::MatrixInfoQuery(), 20), 20);
        EXPECT_EQ(frame.MarkerAt, static_cast<std::size_t>(leadIn));
        EXPECT_EQ(frame.After, "\r\n#") << leadIn;
    }
}

TEST(FaultTest, HashInPayloadHidesPromptsInsideTheAnswerButKeepsTheState) {
    Faulty f({"--hash-in-payload", "--lead-in", "0"});
    ASSERT_EQ(f.client.Exchange(vx::line::FrontPanelLock(1)), "OK\r\n#");
    const std::string info = f.client.Exchange(vx::line::MatrixInfoQuery(), 20);
    ASSERT_EQ(info.size(), 2u + 20 + 3) << "read as the panel does, the early prompts do not end it";
    EXPECT_NE(info.find("\r\n#"), info.size() - 3) << "a CR LF '#' sits inside the payload";
    const std::string payload = SplitStatus(info, 20).Payload;
    EXPECT_EQ(payload[0], '\x01');
    EXPECT_EQ(payload[14], '\x0B') << "model code";
    EXPECT_EQ(payload.substr(15, 4), "\x7F\x00\x00\x01"s);
    const std::string groups = f.client.Exchange(vx::line::GroupStatusQuery(), 170);
    EXPECT_NE(groups.substr(0, groups.size() - 1).find('#'), std::string::npos);
    EXPECT_EQ(groups.size(), 2u + 170 + 3);
}

TEST(FaultTest, DropAfterClosesTheConnectionOnceTheNthLineIsAnswered) {
    Faulty f({"--drop-after", "2"});
    EXPECT_EQ(f.client.Exchange(vx::line::Take()), "OK\r\n#");
    EXPECT_EQ(f.client.Exchange(vx::line::Take()), "OK\r\n#");
    EXPECT_TRUE(f.client.ClosedByPeer());
    Client next = Client::Tcp(f.sim.Port());
    EXPECT_EQ(next.Exchange(vx::line::Take()), "OK\r\n#") << "a new connection is served again";
}

TEST(FaultTest, LongAnswerPadsCommandAndStatusAnswers) {
    Faulty f({"--long-answer", "300"});
    EXPECT_EQ(f.client.Exchange(vx::line::Take()), "OK" + std::string(300, '.') + "\r\n#");
    const StatusFrame frame = SplitStatus(f.client.Exchange(vx::line::GroupStatusQuery(), 170), 170);
    EXPECT_EQ(frame.After, std::string(300, '.') + "\r\n#");
}

TEST(FaultTest, ChunkedAnswerArrivesInSmallPieces) {
    // A long pause between the pieces, so that even a slow machine reads them apart.
    Faulty f({"--chunk", "3", "--chunk-pause-ms", "1000"});
    f.client.Send(vx::line::Take());
    EXPECT_EQ(f.client.ReadOnce(), "OK\r");
    EXPECT_EQ(f.client.ReadOnce(), "\n#");
}

// Switches that change timing only: the bytes must be exactly those of a plain switcher.
class TimingFaultTest : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(TimingFaultTest, AnswerBytesAreUnchanged) {
    const std::string expected = PlainAnswer(vx::line::PresetGroupStatusQuery(2), 170);
    TempDir dir;
    std::vector<std::string> args = GetParam();
    args.insert(args.end(), {"--serial", dir.File("com1")});
    SimProcess sim(args);
    Client client = Client::Serial(sim.SerialPath());
    EXPECT_EQ(client.Exchange(vx::line::PresetGroupStatusQuery(2), 170), expected);
}

INSTANTIATE_TEST_SUITE_P(Switches, TimingFaultTest,
                         ::testing::Values(std::vector<std::string>{"--delay-ms", "50"},
                                           std::vector<std::string>{"--chunk", "7", "--chunk-pause-ms", "1"},
                                           std::vector<std::string>{"--baud", "9600"}));

TEST(FaultTest, LinesSentDuringAResetWaitForItAndSeeItsResult) {
    Faulty f({"--reset-delay-ms", "200"});
    ASSERT_EQ(f.client.Exchange(vx::line::FrontPanelLock(1)), "OK\r\n#");
    Client other = Client::Tcp(f.sim.Port());
    f.client.Send(vx::line::FactoryReset());
    other.Send(vx::line::FrontPanelLock(1));
    EXPECT_EQ(f.client.ReadAnswer(), "OK\r\n#");
    EXPECT_EQ(other.ReadAnswer(), "OK\r\n#");
    const std::string info = SplitStatus(f.client.Exchange(vx::line::MatrixInfoQuery(), 20), 20).Payload;
    EXPECT_EQ(info[0], '\x01') << "the lockout sent during the reset came after it";
}

}  // namespace
}  // namespace vxsim::test
