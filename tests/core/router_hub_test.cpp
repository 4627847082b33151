// The router server's sessions over a recording outside: what each block gets back, the
// locks between two addresses, and the changes pushed to every client.
#include <gtest/gtest.h>

#include "RecordingHubPorts.h"
#include "routerserver/RouterHub.h"

namespace vx::router {
namespace {

using Kind = PanelJob::Kind;

struct Hub {
    test::RecordingHubPorts ports;
    RouterHub hub{ports};
    explicit Hub(int size = 16, RouterOptions options = {}) {
        hub.SetOptions(std::move(options));
        hub.Show(test::SamplePicture(size));
    }
    // Client c from address, its dump already read.
    void Connect(int c, const char* address = "127.0.0.1") {
        ASSERT_TRUE(hub.Open(c, address));
        ports.Take(c);
        ports.jobs.clear();
    }
    std::string Ask(int c, const std::string& bytes) {
        hub.Receive(c, bytes);
        return ports.Take(c);
    }
};

TEST(RouterAnswers, AckOrNakForEachKindOfBlock) {
    struct Case {
        const char* name;
        std::string block;
        std::string answer;  // what the client gets back at once
        std::size_t jobs;    // routes or labels handed to the panel
    };
    const Case cases[] = {
        {"ping", "PING:\n\n", "ACK\n\n", 0},
        {"one route", "VIDEO OUTPUT ROUTING:\n7 2\n\n", "ACK\n\n", 1},
        {"a route file", "VIDEO OUTPUT ROUTING:\n0 1\n1 2\n15 15\n\n", "ACK\n\n", 1},
        {"routes with CR LF", "VIDEO OUTPUT ROUTING:\r\n7 2\r\n\r\n", "ACK\n\n", 1},
        {"bare routing", "VIDEO OUTPUT ROUTING:\n\n", "ACK\n\nVIDEO OUTPUT ROUTING:\n", 0},
        {"bare input labels", "INPUT LABELS:\n\n", "ACK\n\nINPUT LABELS:\n0 In 1\n", 0},
        {"bare locks", "VIDEO OUTPUT LOCKS:\n\n", "ACK\n\nVIDEO OUTPUT LOCKS:\n0 U\n", 0},
        {"bare device", "VIDEOHUB DEVICE:\n\n", "ACK\n\nVIDEOHUB DEVICE:\nDevice present: true\n", 0},
        {"bare preamble", "PROTOCOL PREAMBLE:\n\n", "ACK\n\nPROTOCOL PREAMBLE:\nVersion: 2.8\n\n", 0},
        {"bare configuration", "CONFIGURATION:\n\n", "ACK\n\nCONFIGURATION:\nTake Mode: false\n\n", 0},
        {"take mode on stays off", "CONFIGURATION:\nTake Mode: true\n\n", "ACK\n\nCONFIGURATION:\nTake Mode: false\n\n", 0},
        {"a part not had, bare", "SERIAL PORT ROUTING:\n\n", "ACK\n\nSERIAL PORT ROUTING:\n\n", 0},
        {"monitoring labels, bare", "VIDEO MONITORING OUTPUT LABELS:\n\n", "ACK\n\nVIDEO MONITORING OUTPUT LABELS:\n\n", 0},
        {"a port of a part not had", "VIDEO MONITORING OUTPUT ROUTING:\n0 1\n\n", "NAK\n\n", 0},
        {"unknown block", "FANCY THINGS:\n1 2\n\n", "NAK\n\n", 0},
        {"unknown bare header", "FANCY THINGS:\n\n", "NAK\n\n", 0},
        {"a header without its colon", "VIDEO OUTPUT ROUTING\n1 2\n\n", "NAK\n\n", 0},
        {"output out of range", "VIDEO OUTPUT ROUTING:\n16 2\n\n", "NAK\n\n", 0},
        {"input out of range", "VIDEO OUTPUT ROUTING:\n1 16\n\n", "NAK\n\n", 0},
        {"negative port", "VIDEO OUTPUT ROUTING:\n-1 2\n\n", "NAK\n\n", 0},
        {"a word for a port", "VIDEO OUTPUT ROUTING:\none 2\n\n", "NAK\n\n", 0},
        {"a route without its input", "VIDEO OUTPUT ROUTING:\n1\n\n", "NAK\n\n", 0},
        {"one bad line spoils the block", "VIDEO OUTPUT ROUTING:\n1 2\n3 x\n\n", "NAK\n\n", 0},
        {"a huge number", "VIDEO OUTPUT ROUTING:\n99999999999999999999 1\n\n", "NAK\n\n", 0},
        {"a lock word not known", "VIDEO OUTPUT LOCKS:\n1 X\n\n", "NAK\n\n", 0},
        {"a label out of range", "OUTPUT LABELS:\n16 Far\n\n", "NAK\n\n", 0},
        {"a label without its space", "OUTPUT LABELS:\n3\n\n", "NAK\n\n", 0},
        {"a configuration line without a value", "CONFIGURATION:\nTake Mode\n\n", "NAK\n\n", 0},
    };
    for (const auto& c : cases) {
        Hub h;
        h.Connect(1);
        const std::string answer = h.Ask(1, c.block);
        EXPECT_EQ(answer.substr(0, c.answer.size()), c.answer) << c.name << ": " << answer;
        EXPECT_EQ(h.ports.Jobs(Kind::Route).size() + h.ports.Jobs(Kind::Labels).size(), c.jobs) << c.name;
        EXPECT_TRUE(h.ports.closed.empty()) << c.name;
    }
}

TEST(RouterAnswers, ARouteBlockBecomesOneJobWithTheClientsAddressAndTheLaterLineStands) {
    Hub h;
    h.Connect(4, "::1");
    EXPECT_EQ(h.Ask(4, "VIDEO OUTPUT ROUTING:\n7 2\n3 1\n7 5\n\n"), "ACK\n\n");
    const auto jobs = h.ports.Jobs(Kind::Route);
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].Client, 4);
    EXPECT_EQ(jobs[0].Address, "127.0.0.1");
    EXPECT_EQ(jobs[0].Routes, (std::vector<RouteAsk>{{3, 1}, {7, 5}}));
}

TEST(RouterAnswers, ManyBlocksAtOnceAreAnsweredEachInOrder) {
    Hub h;
    h.Connect(1);
    std::string burst;
    for (int o = 0; o < 16; ++o) burst += "VIDEO OUTPUT ROUTING:\n" + std::to_string(o) + " 3\n\nPING:\n\n";
    std::string acks;
    for (int i = 0; i < 32; ++i) acks += "ACK\n\n";
    EXPECT_EQ(h.Ask(1, burst), acks);
    const auto jobs = h.ports.Jobs(Kind::Route);
    ASSERT_EQ(jobs.size(), 16u);
    for (int o = 0; o < 16; ++o) EXPECT_EQ(jobs[static_cast<std::size_t>(o)].Routes[0].Output, o);
}

// Refused requests get ACK and the unchanged state, and a record saying why.
TEST(RouterAnswers, ReadOnlyAndLabelsOffRefuseWithTheUnchangedState) {
    struct Case {
        const char* name;
        RouterOptions options;
        std::string block;
        std::string answer;
        const char* why;
    };
    const Case cases[] = {
        {"route, read only", {.ReadOnly = true}, "VIDEO OUTPUT ROUTING:\n7 2\n\n",
         "ACK\n\nVIDEO OUTPUT ROUTING:\n7 7\n\n", "read only"},
        {"lock, read only", {.ReadOnly = true}, "VIDEO OUTPUT LOCKS:\n7 O\n\n", "ACK\n\nVIDEO OUTPUT LOCKS:\n7 U\n\n",
         "read only"},
        {"labels, read only", {.ReadOnly = true, .LabelsAllowed = true}, "INPUT LABELS:\n0 Cam\n\n",
         "ACK\n\nINPUT LABELS:\n0 In 1\n\n", "read only"},
        {"labels not allowed", {}, "OUTPUT LABELS:\n2 Mon\n\n", "ACK\n\nOUTPUT LABELS:\n2 Out 3\n\n",
         "may not change labels"},
    };
    for (const auto& c : cases) {
        Hub h(16, c.options);
        h.Connect(1);
        EXPECT_EQ(h.Ask(1, c.block), c.answer) << c.name;
        EXPECT_TRUE(h.ports.Jobs(Kind::Route).empty() && h.ports.Jobs(Kind::Labels).empty()) << c.name;
        const auto records = h.ports.Jobs(Kind::Record);
        ASSERT_EQ(records.size(), 1u) << c.name;
        EXPECT_EQ(records[0].Record, "Refused");
        EXPECT_NE(records[0].Words.find(c.why), std::string::npos) << records[0].Words;
    }
}

TEST(RouterAnswers, LabelsAllowedGoToThePanelWithBytesNotUtf8Replaced) {
    Hub h(16, {.LabelsAllowed = true});
    h.Connect(1);
    EXPECT_EQ(h.Ask(1, "INPUT LABELS:\n3 Cam\xFF 4\n5 \n\n"), "ACK\n\n");
    const auto jobs = h.ports.Jobs(Kind::Labels);
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_FALSE(jobs[0].OutputLabels);
    EXPECT_EQ(jobs[0].Labels, (std::vector<std::pair<int, std::string>>{{3, "Cam\xEF\xBF\xBD 4"}, {5, ""}}));
}

// Locks between two addresses: what each asks, what each then reads, and what is refused.
TEST(RouterLocks, BetweenTwoAddresses) {
    struct Step {
        int client;      // 1: 10.0.0.1, 2: 10.0.0.2, 3: 10.0.0.1 again (another program)
        std::string ask; // the lock word for output 4
        std::string first, second;  // output 4 as clients 1 and 2 then read it
        bool refused;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"lock and read", {{1, "O", "O", "L", false}}},
        {"lock twice", {{1, "O", "O", "L", false}, {1, "O", "O", "L", false}}},
        {"another may not lock", {{1, "O", "O", "L", false}, {2, "O", "O", "L", true}}},
        {"another may not unlock", {{1, "O", "O", "L", false}, {2, "U", "O", "L", true}}},
        {"unlock one's own", {{1, "O", "O", "L", false}, {1, "U", "U", "U", false}}},
        {"force open another's", {{1, "O", "O", "L", false}, {2, "F", "U", "U", false}}},
        {"unlock what is free", {{2, "U", "U", "U", false}}},
        {"same address, another program", {{1, "O", "O", "L", false}, {3, "U", "U", "U", false}}},
    };
    for (const auto& c : cases) {
        Hub h(16, {.Allowed = {"10.0.0.0/8"}});
        h.Connect(1, "10.0.0.1");
        h.Connect(2, "10.0.0.2");
        h.Connect(3, "::ffff:10.0.0.1");
        for (const auto& s : c.steps) {
            h.ports.jobs.clear();
            h.Ask(s.client, "VIDEO OUTPUT LOCKS:\n4 " + s.ask + "\n\n");
            h.ports.Take(1);
            h.ports.Take(2);
            EXPECT_EQ(h.Ask(1, "VIDEO OUTPUT LOCKS:\n\n").substr(5 + 20 + 16, 3), "4 " + s.first) << c.name;
            EXPECT_EQ(h.Ask(2, "VIDEO OUTPUT LOCKS:\n\n").substr(5 + 20 + 16, 3), "4 " + s.second) << c.name;
            bool refused = false;
            for (const auto& j : h.ports.Jobs(Kind::Record)) refused = refused || j.Record == "Refused";
            EXPECT_EQ(refused, s.refused) << c.name << " " << s.ask;
        }
    }
}

TEST(RouterLocks, ALockIsPushedToEveryClientAsEachSeesItAndMirroredToThePanel) {
    Hub h;
    h.Connect(1, "127.0.0.1");
    h.Connect(2, "127.0.0.2");
    EXPECT_EQ(h.Ask(1, "VIDEO OUTPUT LOCKS:\n2 O\n\n"), "ACK\n\nVIDEO OUTPUT LOCKS:\n2 O\n\n");
    EXPECT_EQ(h.ports.Take(2), "VIDEO OUTPUT LOCKS:\n2 L\n\n");
    const auto mirrors = h.ports.Jobs(Kind::Locks);
    ASSERT_EQ(mirrors.size(), 1u);
    EXPECT_EQ(mirrors[0].Locks, (std::map<int, std::string>{{2, "127.0.0.1"}}));
    // The operator's Unlock.
    h.hub.Unlock(2);
    EXPECT_EQ(h.ports.Take(1), "VIDEO OUTPUT LOCKS:\n2 U\n\n");
    EXPECT_EQ(h.ports.Take(2), "VIDEO OUTPUT LOCKS:\n2 U\n\n");
}

TEST(RouterLocks, AProtectedOutputReadsLockedToEveryoneAndCannotBeForced) {
    Hub h;
    h.Connect(1);
    auto p = test::SamplePicture(16);
    p.Protected[5] = true;
    h.hub.Show(p);
    EXPECT_EQ(h.ports.Take(1), "VIDEO OUTPUT LOCKS:\n5 L\n\n");
    for (const char* ask : {"O", "F"}) {
        EXPECT_EQ(h.Ask(1, std::string("VIDEO OUTPUT LOCKS:\n5 ") + ask + "\n\n"), "ACK\n\nVIDEO OUTPUT LOCKS:\n5 L\n\n");
        EXPECT_TRUE(h.ports.Jobs(Kind::Locks).empty());
    }
}

TEST(RouterPushes, EveryChangeGoesToEveryClientAsTheItemsThatChanged) {
    Hub h;
    h.Connect(1);
    h.Connect(2);
    auto p = test::SamplePicture(16);
    p.Routes[7] = 2;
    p.OutputLabels[1] = "Mon A";
    h.hub.Show(p);
    for (int c : {1, 2})
        EXPECT_EQ(h.ports.Take(c), "OUTPUT LABELS:\n1 Mon A\n\nVIDEO OUTPUT ROUTING:\n7 2\n\n") << c;
    h.hub.Show(p);
    EXPECT_TRUE(h.ports.Take(1).empty()) << "nothing changed, nothing sent";
}

TEST(RouterPushes, ASwitcherGoneSaysSoAndOneBackBringsTheWholeDumpAgain) {
    Hub h;
    h.Connect(1);
    auto p = test::SamplePicture(16);
    p.Present = false;
    h.hub.Show(p);
    EXPECT_EQ(h.ports.Take(1), "VIDEOHUB DEVICE:\nDevice present: false\n\n");
    // Asked meanwhile: nothing about ports that are not there.
    EXPECT_EQ(h.Ask(1, "VIDEO OUTPUT ROUTING:\n\n"), "ACK\n\nVIDEO OUTPUT ROUTING:\n\n");
    EXPECT_EQ(h.Ask(1, "VIDEO OUTPUT ROUTING:\n1 2\n\n"), "ACK\n\n");
    EXPECT_TRUE(h.ports.Jobs(Kind::Route).empty());
    auto back = test::SamplePicture(8);
    h.hub.Show(back);
    const auto blocks = h.ports.Blocks(1);
    ASSERT_EQ(blocks.size(), 7u) << "every block but the preamble";
    EXPECT_EQ(blocks[0].Lines[0], "Device present: true");
    EXPECT_EQ(blocks[0].Lines[6], "Video outputs: 8");
    EXPECT_EQ(blocks[6].Header, "END PRELUDE:");
}

TEST(RouterPushes, ARefusedRouteGivesItsClientTheUnchangedRoutes) {
    Hub h;
    h.Connect(1);
    h.Connect(2);
    h.hub.RouteAnswered(1, {3, 9});
    EXPECT_EQ(h.ports.Take(1), "VIDEO OUTPUT ROUTING:\n3 3\n9 9\n\n");
    EXPECT_TRUE(h.ports.Take(2).empty());
    h.hub.LabelsAnswered(2, false, {{0, "In 1"}, {1, "Camera two"}});
    EXPECT_EQ(h.ports.Take(2), "INPUT LABELS:\n1 In 2\n\n") << "only what does not stand as sent";
}

// What a client on the network may send or be, and what the server does with it.
TEST(RouterHostileInput, IsBoundedAndEndsOnlyThatClient) {
    struct Case {
        const char* name;
        const char* address;
        std::string bytes;
        std::string answer;
        bool closed;
    };
    std::string manyLines = "INPUT LABELS:\n";
    for (int i = 0; i < 1000; ++i) manyLines += "0 x\n";
    const Case cases[] = {
        {"a line too long", "127.0.0.1", "PING:\n" + std::string(2000, 'a'), "NAK\n\n", true},
        {"a block too long", "127.0.0.1", manyLines, "NAK\n\n", true},
        {"answered blocks before it stand", "127.0.0.1", "PING:\n\n" + std::string(1025, 'a'), "ACK\n\nNAK\n\n", true},
        {"zero bytes in a line", "127.0.0.1", std::string("PI\0NG:\n\n", 8), "NAK\n\n", false},
        {"binary noise", "127.0.0.1", "\x01\x02\xff\n\n", "NAK\n\n", false},
        {"only empty lines", "127.0.0.1", "\n\n\r\n\n", "", false},
    };
    for (const auto& c : cases) {
        Hub h;
        h.Connect(1, c.address);
        h.Connect(2);
        EXPECT_EQ(h.Ask(1, c.bytes), c.answer) << c.name;
        EXPECT_EQ(!h.ports.closed.empty(), c.closed) << c.name;
        EXPECT_EQ(h.hub.ClientCount(), c.closed ? 1u : 2u) << c.name;
        h.Ask(1, "PING:\n\n");  // nothing more is read from a client closed
        EXPECT_EQ(h.Ask(2, "PING:\n\n"), "ACK\n\n") << c.name << ": the other client goes on";
    }
}

TEST(RouterHostileInput, AnAddressNotAllowedAndTheClientOverTheLimitAreClosedWithOneRecord) {
    Hub h(16, {.MaxClients = 2});
    EXPECT_FALSE(h.hub.Open(1, "192.0.2.7"));
    EXPECT_TRUE(h.ports.Take(1).empty());
    ASSERT_TRUE(h.hub.Open(2, "127.0.0.1"));
    ASSERT_TRUE(h.hub.Open(3, "::1"));
    EXPECT_FALSE(h.hub.Open(4, "127.0.0.1"));
    EXPECT_EQ(h.ports.closed, (std::vector<int>{1, 4}));
    std::vector<std::string> refusals;
    for (const auto& j : h.ports.Jobs(Kind::Record))
        if (j.Record == "Connection refused") refusals.push_back(j.Words);
    ASSERT_EQ(refusals.size(), 2u);
    EXPECT_NE(refusals[0].find("not in the allowed list"), std::string::npos);
    EXPECT_NE(refusals[1].find("2 clients"), std::string::npos);
    // A client gone makes room.
    h.hub.End(2);
    EXPECT_TRUE(h.hub.Open(5, "127.0.0.1"));
}

}  // namespace
}  // namespace vx::router
