// The simulator when the system runs short: out of descriptors it keeps serving the links
// it has, says so once, and takes the waiting client as soon as a link closes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "SimClient.h"
#include "link/CommandLines.h"

namespace vxsim::test {
namespace {

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

TEST(ResourceTest, OutOfDescriptorsTheWaitingClientIsServedOnceALinkCloses) {
    SimProcess sim({"--tcp", "127.0.0.1:0"}, 10);
    // Clients until one is left waiting in the listen queue: the simulator has no
    // descriptor for it.
    std::vector<Client> served;
    std::vector<Client> waiting;
    for (int k = 0; k < 10 && waiting.empty(); ++k) {
        Client c = Client::Tcp(sim.Port());
        c.Send(vx::line::CancelTake());
        if (c.ReadAnswer() == "OK\r\n#")
            served.push_back(std::move(c));
        else
            waiting.push_back(std::move(c));
    }
    ASSERT_EQ(waiting.size(), 1u) << "the descriptor limit was never reached";
    ASSERT_FALSE(served.empty());
    const std::string said = "cannot accept a TCP client (Too many open files)";
    EXPECT_EQ(Count(sim.OutputFor(300), said), 1u) << sim.OutputFor(0);
    EXPECT_EQ(served.back().Exchange(vx::line::Take()), "OK\r\n#") << "the links it has are served";

    served.pop_back();
    EXPECT_EQ(waiting.front().ReadAnswer(), "OK\r\n#") << "the waiting client's line is answered";
    EXPECT_EQ(waiting.front().Exchange(vx::line::Take()), "OK\r\n#");
    EXPECT_EQ(Count(sim.OutputFor(100), said), 1u) << "said once, not once per failed accept";
    EXPECT_TRUE(sim.Running());
}

// A transcript on a disk that fills up: lines are written whole or not at all, the failure
// is said once, and the switcher goes on answering.
TEST(ResourceTest, ATranscriptThatCannotBeWrittenKeepsWholeLinesAndServingGoesOn) {
    TempDir dir;
    const std::string path = dir.File("transcript.txt");
    constexpr long Limit = 200;
    SimProcess sim({"--tcp", "127.0.0.1:0", "--transcript", path}, 0, Limit);
    Client client = Client::Tcp(sim.Port());
    for (int k = 0; k < 30; ++k) ASSERT_EQ(client.Exchange(vx::line::Take()), "OK\r\n#") << "line " << k;

    std::ifstream file(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_LE(text.size(), static_cast<std::size_t>(Limit));
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n') << "a torn line is left: " << text;
    for (std::size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1)
        EXPECT_NE(text.substr(at, end - at).find(" tcp TAKE 1"), std::string::npos)
            << text.substr(at, end - at);
    EXPECT_EQ(Count(sim.OutputFor(200), "cannot write the transcript"), 1u) << sim.OutputFor(0);
    EXPECT_TRUE(sim.Running());
}

}  // namespace
}  // namespace vxsim::test
