// vxsim as a running program, talked to over loopback TCP and its pseudo-terminal.
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "PtyEnd.h"
#include "SimClient.h"
#include "link/CommandLines.h"

namespace vxsim::test {
namespace {

using vx::line::MatrixInfoQuery;
using namespace std::string_literals;

struct Query {
    std::string Line;
    std::size_t PayloadLength;
};

// The six status queries of a 16 x 16 switcher with the payload length of each.
const std::vector<Query> SixQueries{
    {vx::line::MatrixInfoQuery(), 20},       {vx::line::OutputStatusQuery(), 32},
    {vx::line::PrevOutputStatusQuery(), 16}, {vx::line::GroupStatusQuery(), 170},
    {vx::line::PresetStatusQuery(7), 36},    {vx::line::PresetGroupStatusQuery(0), 170},
};

enum class Via { Tcp, Serial };
void PrintTo(Via v, std::ostream* os) {
    *os << (v == Via::Tcp ? "tcp" : "serial");
}

// A switcher serving both links, and a client on the link under test.
class LinkTest : public ::testing::TestWithParam<Via> {
protected:
    TempDir dir;
    SimProcess sim{{"--tcp", "127.0.0.1:0", "--serial", dir.File("com1"), "--reset-delay-ms", "50"}};
    Client client = Open(GetParam());

    Client Open(Via via) {
        return via == Via::Tcp ? Client::Tcp(sim.Port()) : Client::Serial(sim.SerialPath());
    }
    std::string Payload(const std::string& query, std::size_t length) {
        return SplitStatus(client.Exchange(query, length), length).Payload;
    }
};

TEST_P(LinkTest, EveryStatusQueryIsAnsweredInTheDocumentedFrame) {
    for (const Query& q : SixQueries) {
        const std::string answer = client.Exchange(q.Line, q.PayloadLength);
        const std::string echo = q.Line.substr(0, q.Line.size() - 1) + "\r\n";
        EXPECT_EQ(answer.substr(0, echo.size()), echo) << q.Line;
        const StatusFrame f = SplitStatus(answer, q.PayloadLength);
        EXPECT_EQ(f.MarkerAt, echo.size()) << q.Line;
        EXPECT_EQ(f.Payload.size(), q.PayloadLength) << q.Line;
        EXPECT_EQ(f.After, "\r\n#") << q.Line;
    }
    EXPECT_EQ(client.ReadFor(100), "") << "nothing after the prompt";
}

TEST_P(LinkTest, CommandsAreAcknowledgedAndTheirEffectShowsInTheNextAnswer) {
    EXPECT_EQ(client.Exchange(vx::line::RouteTemp(2, 4)), "OK\r\n#");
    EXPECT_EQ(Payload(vx::line::OutputStatusQuery(), 32).substr(4, 2), "\x04\x00"s) << "pending";
    EXPECT_EQ(client.Exchange(vx::line::Take()), "OK\r\n#");
    EXPECT_EQ(Payload(vx::line::OutputStatusQuery(), 32).substr(4, 2), "\x04\x01"s);
    EXPECT_EQ(Payload(vx::line::PrevOutputStatusQuery(), 16)[2], '\x04');

    EXPECT_EQ(client.Exchange(vx::line::FrontPanelLock(1)), "OK\r\n#");
    EXPECT_EQ(client.Exchange(vx::line::IpConfig(10, 20, 30, 40)), "OK\r\n#");
    const std::string info = Payload(MatrixInfoQuery(), 20);
    EXPECT_EQ(info[0], '\x01');
    EXPECT_EQ(info.substr(15, 4), "\x0A\x14\x1E\x28");

    EXPECT_EQ(client.Exchange(vx::line::GroupAdd(1, 6, vx::GroupNoMember)), "OK\r\n#");
    EXPECT_EQ(Payload(vx::line::GroupStatusQuery(), 170)[152 + 6], '\x01');
    EXPECT_EQ(client.Exchange(vx::line::PresetStore(4)), "OK\r\n#");
    EXPECT_EQ(Payload(vx::line::PresetStatusQuery(4), 36).substr(0, 2), "\x01\x01");
    EXPECT_EQ(Payload(vx::line::PresetGroupStatusQuery(4), 170)[152 + 6], '\x01');

    EXPECT_EQ(client.Exchange(vx::line::FactoryReset()), "OK\r\n#") << "answered once the reset is over";
    EXPECT_EQ(Payload(MatrixInfoQuery(), 20)[0], '\x00');
}

TEST_P(LinkTest, BareReturnGetsThePromptAloneAndTerminalLineEndsWork) {
    client.Send("\r");
    EXPECT_EQ(client.ReadExactly(1), "#");
    EXPECT_EQ(client.Exchange("fplock 1\r\n"), "OK\r\n#");
    EXPECT_EQ(client.Exchange("VISTATE 1\n"), "OK\r\n#");
    EXPECT_EQ(client.ReadFor(100), "") << "a CR LF is one line end, not a line and a bare return";
    EXPECT_EQ(Payload(MatrixInfoQuery(), 20)[7], '\x01');
}

TEST_P(LinkTest, GarbageIsAnsweredWithErrorsAndChangesNothing) {
    const std::string before = Payload(MatrixInfoQuery(), 20) + Payload(vx::line::OutputStatusQuery(), 32) +
                               Payload(vx::line::GroupStatusQuery(), 170);
    std::mt19937 random(1234);
    for (int round = 0; round < 20; ++round) {
        std::string junk(1 + random() % 60, '\0');
        for (char& c : junk) {
            c = static_cast<char>(random() % 256);
            if (c == '\r' || c == '\n') c = '\x01';
        }
        EXPECT_EQ(client.Exchange("X" + junk + "\r").substr(0, 4), "ERR ") << round;
    }
    EXPECT_EQ(client.Exchange(std::string(10000, 'A') + "\r"), "ERR TOO LONG\r\n#");
    EXPECT_EQ(client.Exchange("RTEMP 1\r"), "ERR ARGS\r\n#");
    EXPECT_EQ(client.Exchange("RTEMP 1 99\r"), "ERR RANGE\r\n#");
    const std::string after = Payload(MatrixInfoQuery(), 20) + Payload(vx::line::OutputStatusQuery(), 32) +
                              Payload(vx::line::GroupStatusQuery(), 170);
    EXPECT_EQ(after, before);
    EXPECT_TRUE(sim.Running());
}

INSTANTIATE_TEST_SUITE_P(Links, LinkTest, ::testing::Values(Via::Tcp, Via::Serial),
                         [](const auto& info) { return info.param == Via::Tcp ? "Tcp" : "Serial"; });

TEST(SharedStateTest, EveryLinkAndEveryClientSeesTheOneSwitcher) {
    TempDir dir;
    SimProcess sim({"--tcp", "127.0.0.1:0", "--serial", dir.File("com1")});
    Client first = Client::Tcp(sim.Port());
    Client second = Client::Tcp(sim.Port());
    Client serial = Client::Serial(sim.SerialPath());
    EXPECT_EQ(serial.Exchange(vx::line::RouteTemp(0, 9)), "OK\r\n#");
    EXPECT_EQ(first.Exchange(vx::line::Take()), "OK\r\n#");
    const std::string routes = SplitStatus(second.Exchange(vx::line::OutputStatusQuery(), 32), 32).Payload;
    EXPECT_EQ(routes.substr(0, 2), "\x09\x01");
}

TEST(TranscriptTest, RecordsEveryLineWithItsLinkInTheOrderReceived) {
    TempDir dir;
    const std::string path = dir.File("transcript.txt");
    SimProcess sim({"--tcp", "127.0.0.1:0", "--serial", dir.File("com1"), "--transcript", path});
    Client tcp = Client::Tcp(sim.Port());
    Client serial = Client::Serial(sim.SerialPath());
    tcp.Exchange(vx::line::RouteTemp(0, 1));
    serial.Send("\r");
    serial.ReadExactly(1);
    serial.Exchange("A\\B\x02\r");
    tcp.Exchange(MatrixInfoQuery(), 20);

    // Each line is on disk as soon as it has arrived: no need to stop the switcher.
    std::ifstream file(path);
    std::vector<std::string> links, lines;
    long previousMs = -1;
    for (std::string entry; std::getline(file, entry);) {
        const auto a = entry.find(' '), b = entry.find(' ', a + 1);
        ASSERT_NE(b, std::string::npos) << entry;
        const long ms = std::stol(entry.substr(0, a));
        EXPECT_GE(ms, previousMs);
        previousMs = ms;
        links.push_back(entry.substr(a + 1, b - a - 1));
        lines.push_back(entry.substr(b + 1));
    }
    EXPECT_EQ(links, (std::vector<std::string>{"tcp", "serial", "serial", "tcp"}));
    EXPECT_EQ(lines, (std::vector<std::string>{"RTEMP 1 2", "", "A\\\\B\\x02", "MINFOVX"}));
}

TEST(StopTest, SigtermRemovesTheSerialSymlinkAndExitsCleanly) {
    TempDir dir;
    SimProcess sim({"--serial", dir.File("com1")});
    struct stat st {};
    ASSERT_EQ(::lstat(dir.File("com1").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(sim.Stop(), 0);
    EXPECT_NE(::lstat(dir.File("com1").c_str(), &st), 0);
}

TEST(StopTest, APathThatIsNotASymlinkIsLeftAloneAndRefused) {
    TempDir dir;
    std::ofstream(dir.File("com1")) << "keep me";
    std::string output;
    EXPECT_EQ(RunToExit({"--serial", dir.File("com1")}, output), 1);
    std::ifstream kept(dir.File("com1"));
    std::string text;
    std::getline(kept, text);
    EXPECT_EQ(text, "keep me");
}

TEST(SerialEndTest, KeepsAnsweringAfterAClientClosesAndAnotherOpens) {
    TempDir dir;
    SimProcess sim({"--serial", dir.File("com1")});
    {
        Client once = Client::Serial(sim.SerialPath());
        EXPECT_EQ(once.Exchange(vx::line::Take()), "OK\r\n#");
    }
    Client again = Client::Serial(sim.SerialPath());
    EXPECT_EQ(again.Exchange(vx::line::CancelTake()), "OK\r\n#");
    EXPECT_TRUE(sim.Running());
}

// Plugging the serial end back in can fail (here: a file took the path meanwhile). The
// end must then be down with nothing left open, so the next attempt plugs it in afresh.
TEST(SerialEndTest, AFailedOpenLeavesNothingOpenAndTheNextOneWorks) {
    TempDir dir;
    const std::string path = dir.File("com1");
    const auto openFds = [] {
        const std::filesystem::directory_iterator fds("/proc/self/fd");
        return std::distance(begin(fds), end(fds));
    };
    PtyEnd pty;
    std::ofstream(path) << "not a symlink";
    const auto before = openFds();
    std::string error;
    EXPECT_FALSE(pty.Open(path, error));
    EXPECT_NE(error.find("not a symlink"), std::string::npos) << error;
    EXPECT_FALSE(pty.IsOpen());
    EXPECT_EQ(openFds(), before) << "descriptors of the failed open are left open";

    std::filesystem::remove(path);
    ASSERT_TRUE(pty.Open(path, error)) << error;
    EXPECT_TRUE(pty.IsOpen());
    Client client = Client::Serial(path);
    client.Send("X");
    pollfd ready{pty.Fd(), POLLIN, 0};
    char byte = 0;
    ASSERT_EQ(::poll(&ready, 1, WaitMs), 1);
    EXPECT_EQ(::read(pty.Fd(), &byte, 1), 1);
    EXPECT_EQ(byte, 'X') << "the new end carries the client's bytes";
}

}  // namespace
}  // namespace vxsim::test
