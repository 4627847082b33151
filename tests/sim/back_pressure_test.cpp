// vxsim when its peers do not keep up: a link that was full goes on once it can be
// written again, a stop request ends the program whatever its links do, and a client
// beyond the number served at once is told so.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <deque>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "SimClient.h"
#include "TcpServer.h"
#include "link/CommandLines.h"

namespace vxsim::test {
namespace {

std::string LongAck(std::size_t filler) {
    return "OK" + std::string(filler, '.') + "\r\n#";
}

// The repro: answers longer than a pseudo-terminal holds, read as they come.
TEST(BackPressureTest, ASerialLinkGoesOnAfterAFullWrite) {
    TempDir dir;
    SimProcess sim({"--serial", dir.File("com1"), "--long-answer", "100000"});
    Client client = Client::Serial(sim.SerialPath());
    for (int take = 0; take < 3; ++take) {
        SCOPED_TRACE(take);
        ASSERT_EQ(client.Exchange(vx::line::Take()), LongAck(100000));
    }
}

// Megabytes of answers left unread over TCP, then read: every answer arrives whole.
TEST(BackPressureTest, ATcpClientThatReadsLateGetsEveryAnswer) {
    SimProcess sim({"--tcp", "127.0.0.1:0", "--long-answer", "100000"});
    Client client = Client::Tcp(sim.Port());
    constexpr int Lines = 50;  // about 5 MB of answers, more than loopback buffers hold
    std::string lines;
    for (int i = 0; i < Lines; ++i) lines += vx::line::Take();
    client.Send(lines);
    ::usleep(300'000);  // the simulator meets a full socket meanwhile
    for (int i = 0; i < Lines; ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(client.ReadAnswer(), LongAck(100000));
    }
    EXPECT_EQ(client.Exchange(vx::line::Take()), LongAck(100000)) << "and goes on answering";
}

struct StalledCase {
    const char* name;
    bool serial;
    std::vector<std::string> options;
    int lines;
    std::size_t readAfterFull;  // bytes the client reads once the link is full
};

void PrintTo(const StalledCase& c, std::ostream* os) {
    *os << c.name;
}

class StopWhileStalledTest : public ::testing::TestWithParam<StalledCase> {};

// A link that has been full and is read a little again must not keep the simulator
// from hearing SIGTERM.
TEST_P(StopWhileStalledTest, SigtermEndsTheSimulatorCleanly) {
    const StalledCase& c = GetParam();
    TempDir dir;
    std::vector<std::string> args = c.options;
    if (c.serial) {
        args.insert(args.end(), {"--serial", dir.File("com1")});
    } else {
        args.insert(args.end(), {"--tcp", "127.0.0.1:0"});
    }
    SimProcess sim(args);
    Client client = c.serial ? Client::Serial(sim.SerialPath()) : Client::Tcp(sim.Port());
    std::string lines;
    for (int i = 0; i < c.lines; ++i) lines += vx::line::Take();
    client.Send(lines);
    ::usleep(200'000);
    EXPECT_EQ(client.ReadExactly(c.readAfterFull).size(), c.readAfterFull);
    ::usleep(100'000);
    EXPECT_EQ(sim.Stop(), 0) << "0 after SIGTERM; -1 when it had to be killed";
}

INSTANTIATE_TEST_SUITE_P(
    Links, StopWhileStalledTest,
    ::testing::Values(StalledCase{"Serial", true, {"--long-answer", "100000"}, 1, 10'000},
                      StalledCase{"Tcp", false, {"--long-answer", "100000"}, 50, 3'000'000}),
    [](const auto& info) { return std::string(info.param.name); });

// A client that sends and reads as fast as it can keeps every descriptor ready; the stop
// request is still heard.
TEST(StopTest, SigtermIsHeardWhileAClientKeepsTheSimulatorBusy) {
    SimProcess sim({"--tcp", "127.0.0.1:0"});
    Client probe = Client::Tcp(sim.Port());  // connected before the flood begins
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    ASSERT_GE(fd, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<std::uint16_t>(sim.Port()));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);

    std::atomic<bool> done{false};
    std::thread flood([&] {
        const std::string returns(65536, '\r');
        char sink[65536];
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!done && std::chrono::steady_clock::now() < end) {
            pollfd p{fd, POLLIN | POLLOUT, 0};
            if (::poll(&p, 1, 100) <= 0) continue;
            if (p.revents & POLLIN) {
                if (::read(fd, sink, sizeof sink) == 0) break;  // the simulator has gone
            }
            if (p.revents & POLLOUT) (void)::send(fd, returns.data(), returns.size(), MSG_NOSIGNAL);
            if (p.revents & (POLLERR | POLLHUP)) break;
        }
    });
    ::usleep(300'000);
    const int code = sim.Stop();
    done = true;
    flood.join();
    ::close(fd);
    EXPECT_EQ(code, 0);
}

TEST(ClientLimitTest, AClientBeyondTheLimitIsToldSoAndClosed) {
    SimProcess sim({"--tcp", "127.0.0.1:0"});
    std::deque<Client> clients;
    for (std::size_t i = 0; i < MaxTcpClients; ++i) clients.push_back(Client::Tcp(sim.Port()));
    EXPECT_EQ(clients.back().Exchange(vx::line::Take()), "OK\r\n#") << "the last one within the limit";

    Client extra = Client::Tcp(sim.Port());
    EXPECT_EQ(extra.ReadFor(500), TooManyClientsLine());
    EXPECT_TRUE(extra.ClosedByPeer());

    // The simulator frees the place once it sees the close; until then a newcomer is
    // still refused, so try again a bounded number of times.
    clients.pop_front();
    std::optional<Client> next;
    std::string answer;
    for (int attempt = 0; attempt < 50; ++attempt) {
        next.emplace(Client::Tcp(sim.Port()));
        answer = next->Exchange(vx::line::Take());
        if (answer != TooManyClientsLine()) break;
        next.reset();
        ::usleep(20'000);
    }
    EXPECT_EQ(answer, "OK\r\n#") << "a place came free";
}

TEST(ClientLimitTest, HelpSaysHowManyClientsAreServedAtOnce) {
    std::string output;
    ASSERT_EQ(RunToExit({"--help"}, output), 0);
    EXPECT_NE(output.find("up to " + std::to_string(MaxTcpClients) + " at once"), std::string::npos)
        << output;
}

}  // namespace
}  // namespace vxsim::test
