// The simulator when the system runs short: out of descriptors it keeps serving the links
// it has, says so once, and takes the waiting client as soon as a link closes.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace vxsim::test
