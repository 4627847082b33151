#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "TransportRig.h"
#include "TempWorkingDir.h"
#include "link/IpText.h"

namespace vx {
namespace {

using test::TransportRig;

bool AllZero(const LinkState& l) {
    for (auto b : l.ReplyBuffer)
        if (b != 0) return false;
    return true;
}

std::string Head(const LinkState& l, std::size_t n) {
    return std::string(l.ReplyBuffer.begin(), l.ReplyBuffer.begin() + static_cast<std::ptrdiff_t>(n));
}

// ---- Notifications -----------------------------------------------------------------------

TEST(SocketNotificationTest, ErrorMessagesByKind) {
    const std::pair<SocketErrorKind, const char*> cases[] = {
        {SocketErrorKind::General, "Socket General Error"},
        {SocketErrorKind::Send, "Socket Send Error"},
        {SocketErrorKind::Receive, "Socket Receive Error"},
        {SocketErrorKind::Connect, "Socket Connection Error: Check Ethernet cable"},
        {SocketErrorKind::Disconnect, "Socket Disconnect Error"},
        {SocketErrorKind::Other, ""},
    };
    for (const auto& [kind, text] : cases) {
        TransportRig rig;
        rig.link.EthernetConnecting = true;
        rig.tcp.listener->Error(kind);
        EXPECT_EQ(rig.prompts.messages, std::vector<std::string>{text});
        EXPECT_FALSE(rig.link.EthernetConnecting);
    }
}

TEST(SocketNotificationTest, ConnectedAndDisconnectedSetTheFlag) {
    TransportRig rig;
    rig.tcp.Open();
    EXPECT_EQ(rig.model.EthernetConnected, 1);
    rig.tcp.Close();
    EXPECT_EQ(rig.model.EthernetConnected, 0);
}

// ---- ConnectEthernet ---------------------------------------------------------------------

class ConnectEthernetTest : public ::testing::Test {
protected:
    test::TempWorkingDir dir;
    TransportRig rig;
};

TEST_F(ConnectEthernetTest, AnsweringSwitcherOnTheNormalisedAddressAndPort23) {
    rig.ipField.text = "192.168.001.010";
    rig.tcp.onSend = [&](const std::string&) { rig.tcp.Answer("\r\n#", 5); };

    EXPECT_EQ(rig.ethernetLink.ConnectEthernet(), ConnectOutcome::Answered);

    EXPECT_EQ(rig.tcp.address, "192.168.1.10");
    EXPECT_EQ(rig.tcp.port, 23);
    EXPECT_EQ(rig.tcp.sends, std::vector<std::string>{"\r"});
    EXPECT_EQ(rig.model.EthernetConnected, 1);
    EXPECT_FALSE(rig.link.EthernetConnecting);
    EXPECT_FALSE(rig.timer1.running);
    EXPECT_FALSE(rig.view.hourglass);
    EXPECT_EQ(rig.view.hourglassHistory, (std::vector<bool>{true, false}));
}

TEST_F(ConnectEthernetTest, AnotherPortForTheSimulator) {
    rig.ethernetLink.SetRemotePort(2323);
    rig.ipField.text = "127.0.0.1";
    rig.ethernetLink.ConnectEthernet();
    EXPECT_EQ(rig.tcp.port, 2323);
}

TEST_F(ConnectEthernetTest, OutcomesOtherThanAnswered) {
    struct Case {
        const char* name;
        std::string ip;
        std::function<void(TransportRig&)> setup;
        ConnectOutcome outcome;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"empty field", "", [](TransportRig&) {}, ConnectOutcome::NoAddress, {}},
        {"silent", "10.0.0.5", [](TransportRig&) {}, ConnectOutcome::Silent, {}},
        {"never connects", "10.0.0.5", [](TransportRig& r) { r.tcp.connectOnOpen = false; },
         ConnectOutcome::NotConnected, {EthernetTimeoutText}},
        {"refused", "10.0.0.5",
         [](TransportRig& r) {
             r.tcp.connectOnOpen = false;
             r.events.onEvents = [&r] { r.tcp.listener->Error(SocketErrorKind::Connect); };
         },
         ConnectOutcome::NotConnected, {"Socket Connection Error: Check Ethernet cable"}},
        {"error raised while testing", "10.0.0.5",
         [](TransportRig& r) { r.tcp.onSend = [](const std::string&) { throw LinkError("Connection reset"); }; },
         ConnectOutcome::SocketFailed, {"Connection reset"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TransportRig r;
        r.ipField.text = c.ip;
        c.setup(r);
        EXPECT_EQ(r.ethernetLink.ConnectEthernet(), c.outcome);
        EXPECT_EQ(r.prompts.messages, c.messages);
        EXPECT_FALSE(r.link.EthernetConnecting);
        EXPECT_FALSE(r.timer1.running);
        EXPECT_FALSE(r.view.hourglass);
        if (c.outcome == ConnectOutcome::NotConnected) {
            EXPECT_FALSE(r.tcp.active);
            EXPECT_EQ(r.model.EthernetConnected, 0);
        }
    }
}

TEST_F(ConnectEthernetTest, AnOpenConnectionIsClosedFirst) {
    rig.ConnectAnsweringTcp();
    int disconnects = 0;
    struct Counter : TcpClientListener {
        TcpClientListener* inner;
        int* n;
        void Connected() override { inner->Connected(); }
        void Disconnected() override { ++*n, inner->Disconnected(); }
        void Error(SocketErrorKind k) override { inner->Error(k); }
    } counter;
    counter.inner = &rig.ethernetLink;
    counter.n = &disconnects;
    rig.tcp.SetListener(&counter);
    rig.ipField.text = "10.1.1.1";
    EXPECT_EQ(rig.ethernetLink.ConnectEthernet(), ConnectOutcome::Answered);
    EXPECT_EQ(disconnects, 1);
    EXPECT_EQ(rig.tcp.address, "10.1.1.1");
}

TEST_F(ConnectEthernetTest, ATextThatIsNoAddressIsSavedRefusedInABoxAndSendsNothing) {
    for (const std::string bad : {"192.168..10", "192.168.1", "192.168.1.10.5", "abc", "192.168.1.x",
                                  "192 168 1 10", "-1.2.3.4", ".1.2.3", "1.2.3."}) {
        SCOPED_TRACE(bad);
        TransportRig r;
        r.ipField.text = bad;
        EXPECT_EQ(r.ethernetLink.ConnectEthernet(), ConnectOutcome::NotConnected);
        EXPECT_EQ(r.prompts.messages, (std::vector<std::string>{NotAnIpAddressText(bad)}));
        EXPECT_EQ(r.ipField.text, bad);
        EXPECT_TRUE(r.tcp.address.empty());
        EXPECT_FALSE(r.tcp.active);
        EXPECT_TRUE(r.tcp.sent.empty());
        EXPECT_EQ(ReadIpSaveFile(IpSaveFileName), bad.substr(0, bad.find(' '))) << "saved as typed";
    }
}

TEST_F(ConnectEthernetTest, ASegmentOfMoreThanThreeDigitsIsNormalised) {
    rig.ipField.text = "10.0.0.0010";
    rig.tcp.onSend = [&](const std::string&) { rig.tcp.Answer("\r\n#", 5); };
    EXPECT_EQ(rig.ethernetLink.ConnectEthernet(), ConnectOutcome::Answered);
    EXPECT_EQ(rig.tcp.address, "10.0.0.10");
    EXPECT_EQ(ReadIpSaveFile(IpSaveFileName), "10.0.0.0010");
}

// ---- SocketQuery -------------------------------------------------------------------------

class SocketQueryTest : public ::testing::Test {
protected:
    SocketQueryTest() {
        rig.tcp.active = true;
        rig.model.EthernetConnected = 1;
    }
    void AnswerWith(const std::string& bytes) {
        rig.tcp.onSend = [this, bytes](const std::string&) { rig.tcp.Answer(bytes, 5); };
    }
    TransportRig rig;
};

// The connect test reads at most 20 bytes: a switcher whose answer to it is longer leaves
// the rest on the connection, and it must not pass for the first query's answer.
TEST_F(SocketQueryTest, BytesLeftByAnEarlierAnswerDoNotPassForThisOne) {
    rig.tcp.Answer(std::string(40, 'x') + "\r\n#", 0);
    rig.SetQuery("MINFOVX\r", 20);
    const std::string answer = std::string("MINFOVX\r\n\x01\x00", 11) + std::string(20, '\x05') + "\r\n#";
    AnswerWith(answer);

    rig.ethernetLink.SocketQuery();

    EXPECT_FALSE(rig.link.ReplyFailed);
    EXPECT_EQ(Head(rig.link, answer.size()), answer);
}

TEST_F(SocketQueryTest, AnAnswerInManySmallReadsIsAssembledInOrder) {
    rig.SetQuery("GINFOVX\r", 170);
    std::string payload(170, '\0');
    for (std::size_t i = 0; i < payload.size(); ++i) payload[i] = static_cast<char>(i * 7);
    payload[3] = '#';  // a prompt inside the payload is data
    const std::string answer = std::string("GINFOVX\r\n\x01\x00", 11) + payload + "\r\n#";
    AnswerWith(answer);
    rig.tcp.maxReadChunk = 7;

    rig.ethernetLink.SocketQuery();

    EXPECT_EQ(rig.tcp.sends, std::vector<std::string>{"GINFOVX\r"});
    EXPECT_FALSE(rig.link.ReplyFailed);
    EXPECT_EQ(Head(rig.link, answer.size()), answer);
    EXPECT_EQ(rig.link.ReplyLength, static_cast<int>(answer.size()));
}

TEST_F(SocketQueryTest, APromptEndsTheAnswerAfterTheMinimumWithoutCrLfAndWhatFollowsInTheReadIsKept) {
    rig.SetQuery("MINFOVX\r", 20);
    const std::string answer = "#" + std::string(19, 'a') + "#" + std::string(5, 'b') + "#tail";
    AnswerWith(answer + std::string(300, 'z'));  // more after the end, in later reads
    rig.tcp.maxReadChunk = 100;
    rig.ethernetLink.SocketQuery();
    EXPECT_FALSE(rig.link.ReplyFailed);
    EXPECT_EQ(Head(rig.link, 100), (answer + std::string(300, 'z')).substr(0, 100));
    EXPECT_EQ(rig.link.ReplyBuffer[100], 0) << "nothing read after the ending chunk";
}

TEST_F(SocketQueryTest, AnAnswerThatNeverEndsLeavesTheBufferAllZero) {
    rig.link.ReplyBuffer.fill(0x55);  // an earlier answer
    rig.SetQuery("OINFOVX\r", 32);
    AnswerWith(std::string("\x01\x00", 2) + std::string(40, 'r'));
    const auto start = rig.clock.now;
    rig.ethernetLink.SocketQuery();
    EXPECT_FALSE(rig.link.ReplyFailed);
    EXPECT_TRUE(AllZero(rig.link));
    EXPECT_EQ(rig.link.ReplyLength, 0);
    EXPECT_GE(rig.clock.now - start, 100 + 5000) << "the pause, then a read that waited out its time-out";
}

TEST_F(SocketQueryTest, NoConnectionFailsWithoutSending) {
    rig.tcp.active = false;
    rig.ethernetLink.SocketQuery();
    EXPECT_TRUE(rig.link.ReplyFailed);
    EXPECT_TRUE(rig.tcp.sent.empty());
}

TEST_F(SocketQueryTest, AFailedSerialQueryDoesNotSpoilTheNextTcpQuery) {
    rig.link.ReplyFailed = true;
    rig.SetQuery("MINFOVX\r", 20);
    AnswerWith(std::string("\x01\x00", 2) + std::string(20, 'i') + "\r\n#");
    rig.ethernetLink.SocketQuery();
    EXPECT_FALSE(rig.link.ReplyFailed);
    EXPECT_EQ(rig.link.ReplyBuffer[0], 1);
}

TEST_F(SocketQueryTest, AnswersRunningPastTheLimitsFailTheQuery) {
    struct Case {
        const char* name;
        std::string answer;
        std::size_t readChunk;
    };
    const Case cases[] = {
        {"no end within the reply buffer", std::string(ReplyBufferSize + 300, 'p') + "#", 100},
        {"end just past the reply buffer", std::string(ReplyBufferSize, 'p') + "#", 100},
        {"no end within a hundred reads", std::string(150, 'p') + "#", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TransportRig r;
        r.tcp.active = true;
        r.model.EthernetConnected = 1;
        r.SetQuery("GINFOVX\r", 20);
        r.tcp.onSend = [&r, &c](const std::string&) { r.tcp.Answer(c.answer, 5); };
        r.tcp.maxReadChunk = c.readChunk;
        r.ethernetLink.SocketQuery();
        EXPECT_TRUE(r.link.ReplyFailed);
        EXPECT_TRUE(AllZero(r.link));
        EXPECT_EQ(r.view.status, ReplyTooLongText);
        EXPECT_TRUE(r.tcp.incoming.queue.empty()) << "the rest of the answer is read away";
    }
}

TEST_F(SocketQueryTest, AnAnswerEndingAtTheLastByteOfTheBufferIsKept) {
    rig.SetQuery("GINFOVX\r", 20);
    const std::string answer = std::string(ReplyBufferSize - 1, 'p') + "#";
    AnswerWith(answer);
    rig.ethernetLink.SocketQuery();
    EXPECT_FALSE(rig.link.ReplyFailed);
    EXPECT_EQ(rig.link.ReplyLength, ReplyBufferSize);
    EXPECT_EQ(rig.link.ReplyBuffer[ReplyBufferSize - 1], '#');
}

}  // namespace
}  // namespace vx
