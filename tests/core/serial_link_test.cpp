#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "TransportRig.h"

namespace vx {
namespace {

using test::TransportRig;

// An answer in the switcher's frame: marker, skipped byte, payload, CR LF and the prompt.
std::string Framed(const std::string& payload) { return std::string("\x01\x00", 2) + payload + "\r\n#"; }

bool AllZero(const LinkState& l) {
    for (auto b : l.ReplyBuffer)
        if (b != 0) return false;
    return true;
}

// ---- Probe -------------------------------------------------------------------------------

struct ProbeCase {
    const char* name;
    std::function<void(TransportRig&)> setup;
    int expected;
    std::vector<std::string> writes;
    std::vector<std::string> messages;
};

void PrintTo(const ProbeCase& c, std::ostream* os) { *os << c.name; }

class ProbeTest : public ::testing::TestWithParam<ProbeCase> {};

TEST_P(ProbeTest, ResultWritesAndMessages) {
    const auto& c = GetParam();
    TransportRig rig;
    rig.serial.availablePorts = {1, 2, 3, 4};
    rig.link.SerialWaitTicks = ProbeWaitTicks;
    c.setup(rig);
    EXPECT_EQ(rig.serialLink.ProbeSerialPort(2), c.expected);
    EXPECT_EQ(rig.serial.writes, c.writes);
    EXPECT_EQ(rig.prompts.messages, c.messages);
    EXPECT_FALSE(rig.timer1.running);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProbeTest,
    ::testing::Values(
        ProbeCase{"Answering",
                  [](TransportRig& r) { r.serial.onWrite = [&r](const std::string&) { r.serial.Answer("#", 5); }; },
                  ProbeAnswered,
                  {"\r"},
                  {}},
        ProbeCase{"AnsweringTheSecondReturn",
                  [](TransportRig& r) {
                      r.serial.onWrite = [&r](const std::string&) {
                          if (r.serial.writes.size() == 2) r.serial.Answer("#", 5);
                      };
                  },
                  ProbeAnswered,
                  {"\r", "\r"},
                  {}},
        ProbeCase{"Silent", [](TransportRig&) {}, ProbeNoPrompt, {"\r", "\r"}, {}},
        ProbeCase{"Absent", [](TransportRig& r) { r.serial.availablePorts = {1}; }, ProbeUnavailable, {}, {}},
        ProbeCase{"OpenFails",
                  [](TransportRig& r) { r.serial.failOpen = true; },
                  ProbeOpenFailed,
                  {},
                  {"Note: COM Port #2 is not responding/being used by another application."}},
        ProbeCase{"PortFailsDuringTheTest",
                  [](TransportRig& r) {
                      r.serial.onWrite = [](const std::string&) { throw LinkError("port gone"); };
                  },
                  ProbePortFailed,
                  {"\r"},
                  {"Note: COM Port #2 is not responding."}},
        // The open is never confirmed: the watchdog speaks, and the unopened port is not
        // taken for an answering one.
        ProbeCase{"OpenNeverConfirmed",
                  [](TransportRig& r) { r.serial.notifyOnOpen = false; },
                  ProbeOpenFailed,
                  {},
                  {SerialTimeoutText}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProbeTest, EachPromptWaitLastsTenTicks) {
    TransportRig rig;
    rig.link.SerialWaitTicks = ProbeWaitTicks;
    std::vector<std::int64_t> at;
    rig.serial.onWrite = [&](const std::string&) { at.push_back(rig.clock.now); };
    const auto start = rig.clock.now;
    EXPECT_EQ(rig.serialLink.ProbeSerialPort(1), ProbeNoPrompt);
    ASSERT_EQ(at.size(), 2u);
    EXPECT_GE(at[1] - at[0], 10 * 55);
    EXPECT_LE(at[1] - at[0], 11 * 55);
    EXPECT_LE(rig.clock.now - start, 2 * 11 * 55 + 100);
}

TEST(ProbeTest, AnOpenPortIsClosedBeforeAnotherIsOpened) {
    TransportRig rig;
    rig.serial.availablePorts = {1, 2};
    rig.serial.selected = 1;
    rig.serial.Open();
    ASSERT_EQ(rig.model.SerialPortOpen, 1);
    std::vector<int> openedOn;
    rig.serial.onWrite = [&](const std::string&) {
        openedOn.push_back(rig.serial.selected);
        rig.serial.Answer("#", 1);
    };
    EXPECT_EQ(rig.serialLink.ProbeSerialPort(2), ProbeAnswered);
    EXPECT_EQ(openedOn, std::vector<int>{2});
    EXPECT_EQ(rig.model.SerialPortOpen, 1);
}

// ---- ConnectSerial -----------------------------------------------------------------------

TEST(ConnectSerialTest, SearchStopsAtTheFirstAnsweringPort) {
    TransportRig rig;
    rig.serial.availablePorts = {2, 3, 4};  // COM1 absent, COM2 silent, COM3 answers
    std::vector<int> writesOn;
    std::vector<int> ticksDuringProbe;
    rig.serial.onWrite = [&](const std::string&) {
        writesOn.push_back(rig.serial.selected);
        ticksDuringProbe.push_back(rig.link.SerialWaitTicks);
        if (rig.serial.selected == 3) rig.serial.Answer("#", 5);
    };

    EXPECT_EQ(rig.serialLink.ConnectSerial(0), 1);

    EXPECT_EQ(writesOn, (std::vector<int>{2, 2, 3}));
    EXPECT_EQ(ticksDuringProbe, (std::vector<int>{10, 10, 10}));
    EXPECT_EQ(rig.view.status, "Established communication with Vextaro on Com 3");
    EXPECT_EQ(rig.serialView.comNumber, "3");
    EXPECT_EQ(rig.link.SerialWaitTicks, NormalWaitTicks);
    EXPECT_TRUE(rig.view.pageControlEnabled);
    EXPECT_FALSE(rig.view.hourglass);
    EXPECT_TRUE(rig.serial.open);
    EXPECT_TRUE(rig.prompts.messages.empty());
}

TEST(ConnectSerialTest, NoAnswerClosesThePortAndShowsNone) {
    TransportRig rig;
    rig.serial.availablePorts = {1, 2, 3, 4};
    rig.view.ShowStatus("before");
    rig.view.statusHistory.clear();

    EXPECT_EQ(rig.serialLink.ConnectSerial(0), -1);

    EXPECT_EQ(rig.serial.writes.size(), 8u) << "two bare returns on each of the four ports";
    EXPECT_FALSE(rig.serial.open);
    EXPECT_EQ(rig.model.SerialPortOpen, 0);
    EXPECT_EQ(rig.serialView.comNumber, "None");
    for (const auto& s : rig.view.statusHistory) EXPECT_EQ(s.find(EstablishedText), std::string::npos);
    EXPECT_EQ(rig.link.SerialWaitTicks, NormalWaitTicks);
    EXPECT_TRUE(rig.view.pageControlEnabled);
}

TEST(ConnectSerialTest, ASinglePortIsTheOnlyOneTried) {
    TransportRig rig;
    rig.serial.availablePorts = {1, 2, 3, 4};
    std::vector<int> writesOn;
    rig.serial.onWrite = [&](const std::string&) { writesOn.push_back(rig.serial.selected); };
    EXPECT_EQ(rig.serialLink.ConnectSerial(4), -1);
    EXPECT_EQ(writesOn, (std::vector<int>{4, 4}));
}

// ---- Reply collector ---------------------------------------------------------------------

class CollectorTest : public ::testing::Test {
protected:
    CollectorTest() {
        rig.serial.open = true;
        rig.link.ReplyPending = true;
        rig.link.ReplyMinLength = 8;
    }
    // Hands the bytes to the collector as one data-available notification.
    void Block(const std::string& bytes) {
        rig.serial.Answer(bytes);
        rig.serialLink.SerialReplyCollector(bytes.size());
    }
    TransportRig rig;
};

TEST(CollectorSplitTest, AnyTwoOrThreeBlockSplitIsAssembledWhenThePromptArrives) {
    const std::string answer = Framed("\x07\x23\x0d\x0a\x23\xfc\x01\x02");  // payload with CR LF # inside
    for (std::size_t a = 1; a < answer.size(); ++a) {
        for (std::size_t b = a; b < answer.size(); ++b) {
            TransportRig fresh;
            fresh.serial.open = true;
            fresh.link.ReplyPending = true;
            fresh.link.ReplyMinLength = 8;
            const std::string parts[] = {answer.substr(0, a), answer.substr(a, b - a), answer.substr(b)};
            for (const auto& part : parts) {
                if (part.empty()) continue;
                ASSERT_TRUE(fresh.link.ReplyPending) << "ended early at split " << a << "," << b;
                fresh.serial.Answer(part);
                fresh.serialLink.SerialReplyCollector(part.size());
            }
            ASSERT_FALSE(fresh.link.ReplyPending) << "split " << a << "," << b;
            EXPECT_EQ(std::string(fresh.link.ReplyBuffer.begin(), fresh.link.ReplyBuffer.begin() + answer.size()),
                      answer);
            EXPECT_EQ(fresh.link.ReplyLength, static_cast<int>(answer.size()));
            EXPECT_EQ(fresh.link.ReplyWritePos, 0);
        }
    }
}

TEST_F(CollectorTest, APromptEndsTheAnswerOnlyAfterCrLfAndTheMinimumLength) {
    rig.link.ReplyMinLength = 20;
    Block(std::string("\x01\x00", 2) + "ab\r\n#cd");  // CR LF # at position 6: too early
    EXPECT_TRUE(rig.link.ReplyPending);
    Block(std::string(12, 'x') + "#");  // at position 21, not after CR LF
    EXPECT_TRUE(rig.link.ReplyPending);
    Block("\r\n#");
    EXPECT_FALSE(rig.link.ReplyPending);
    EXPECT_EQ(rig.link.ReplyLength, 25);
}

TEST_F(CollectorTest, DataWhileNoQueryIsPendingStaysInThePort) {
    rig.link.ReplyPending = false;
    rig.serial.Answer("late\r\n#");
    rig.serialLink.SerialReplyCollector(7);
    EXPECT_EQ(rig.serial.incoming.queue.size(), 7u);
    EXPECT_TRUE(AllZero(rig.link));
}

TEST_F(CollectorTest, AnAnswerFillingTheBufferExactlyIsAccepted) {
    const std::string answer = Framed(std::string(ReplyBufferSize - 5, 'p'));
    ASSERT_EQ(answer.size(), static_cast<std::size_t>(ReplyBufferSize));
    Block(answer);
    EXPECT_FALSE(rig.link.ReplyPending);
    EXPECT_FALSE(rig.link.ReplyFailed);
    EXPECT_EQ(rig.link.ReplyLength, ReplyBufferSize);
}

TEST_F(CollectorTest, AnAnswerRunningPastTheBufferFailsTheQueryAndLeavesNoHalfAnswer) {
    const std::string answer = Framed(std::string(ReplyBufferSize, 'p'));
    Block(answer.substr(0, 3000));
    Block(answer.substr(3000));  // one notification that would run 205 bytes past the end

    EXPECT_TRUE(rig.link.ReplyFailed);
    EXPECT_FALSE(rig.link.ReplyPending);
    EXPECT_EQ(rig.link.ReplyWritePos, 0);
    EXPECT_EQ(rig.link.ReplyLength, 0);
    EXPECT_TRUE(AllZero(rig.link));
    EXPECT_TRUE(rig.serial.incoming.queue.empty()) << "the rest of the answer is read away";
    EXPECT_EQ(rig.view.status, ReplyTooLongText);
}

// ---- SerialQuery -------------------------------------------------------------------------

class SerialQueryTest : public ::testing::Test {
protected:
    SerialQueryTest() {
        rig.serial.open = true;
        rig.model.SerialPortOpen = 1;
        rig.SetQuery("OPINFOVX\r", 8);
    }
    TransportRig rig;
};

TEST_F(SerialQueryTest, TheAnswerArrivingInPiecesIsCollectedFromOffsetZero) {
    const std::string answer = Framed(std::string("\x00\x03\xfc\xfc\x07\xfc\xfc\xfc", 8));
    rig.serial.Answer("stale bytes");  // flushed before the line goes out
    rig.serial.onWrite = [&](const std::string&) {
        rig.serial.Answer(answer.substr(0, 4), 20);
        rig.serial.Answer(answer.substr(4, 7), 40);
        rig.serial.Answer(answer.substr(11), 60);
    };
    rig.serialLink.SerialQuery();

    EXPECT_EQ(rig.serial.writes, std::vector<std::string>{"OPINFOVX\r"});
    EXPECT_FALSE(rig.link.ReplyFailed);
    EXPECT_FALSE(rig.link.ReplyPending);
    EXPECT_EQ(std::string(rig.link.ReplyBuffer.begin(), rig.link.ReplyBuffer.begin() + answer.size()), answer);
    EXPECT_FALSE(rig.timer1.running);
    EXPECT_TRUE(rig.prompts.messages.empty());
}

TEST_F(SerialQueryTest, ClosedPortFailsAtOnceWithoutSending) {
    rig.serial.open = false;
    rig.serialLink.SerialQuery();
    EXPECT_TRUE(rig.link.ReplyFailed);
    EXPECT_TRUE(rig.serial.written.empty());
    EXPECT_EQ(rig.timer1.starts, 0);
    EXPECT_TRUE(rig.prompts.messages.empty());
}

TEST_F(SerialQueryTest, ATimedOutQueryKeepsWaitingAndTheNextStartsAtOffsetZero) {
    rig.serialLink.SerialQuery();  // silent switcher
    EXPECT_TRUE(rig.link.ReplyFailed);
    EXPECT_TRUE(rig.link.ConnectAborted);
    EXPECT_TRUE(rig.link.ReplyPending);
    EXPECT_EQ(rig.prompts.messages, std::vector<std::string>{SerialTimeoutText});

    rig.serial.Answer("half an answer");  // arrives late, collected while idle
    rig.DeliverEvents();
    ASSERT_GT(rig.link.ReplyWritePos, 0);

    const std::string answer = Framed("ABCDEFGH");
    rig.serial.onWrite = [&](const std::string&) { rig.serial.Answer(answer, 30); };
    rig.serialLink.SerialQuery();
    EXPECT_FALSE(rig.link.ReplyFailed);
    EXPECT_EQ(std::string(rig.link.ReplyBuffer.begin(), rig.link.ReplyBuffer.begin() + answer.size()), answer);
}

// ---- Timer1, baud, link activity, dispatch -----------------------------------------------

TEST(Timer1Test, TheMessageNamesTheLinkBeingWaitedFor) {
    struct Case {
        bool connecting, connected;
        const char* text;
    };
    for (const Case c : {Case{false, false, SerialTimeoutText}, Case{true, false, EthernetTimeoutText},
                         Case{false, true, EthernetTimeoutText}}) {
        TransportRig rig;
        rig.link.EthernetConnecting = c.connecting;
        rig.model.EthernetConnected = c.connected;
        rig.timer1.Start();
        rig.timer1.Fire();
        EXPECT_EQ(rig.prompts.messages, std::vector<std::string>{c.text});
        EXPECT_FALSE(rig.timer1.running);
        EXPECT_TRUE(rig.link.ConnectAborted);
        EXPECT_TRUE(rig.link.ReplyFailed);
    }
}

TEST(SerialMenuTest, BaudItemsAndLinkActivity) {
    TransportRig rig;
    rig.serialLink.N192001Click();
    EXPECT_EQ(rig.serial.baud, 19200);
    rig.serialLink.N384001Click();
    EXPECT_EQ(rig.serial.baud, 38400);
    rig.serialLink.N576001Click();
    EXPECT_EQ(rig.serial.baud, 57600);

    rig.serialLink.SetSerialLinkActive(true);
    EXPECT_TRUE(rig.link.SerialLinkActive);
    EXPECT_TRUE(rig.serial.monitoring);
    rig.serialLink.SetSerialLinkActive(false);
    EXPECT_FALSE(rig.link.SerialLinkActive);
    EXPECT_FALSE(rig.serial.monitoring);
}

TEST(StatusQueryTest, QueriesGoOverTcpWhenConnectedEvenWithTheSerialLinkActive) {
    TransportRig rig;
    rig.ConnectAnsweringSerial();
    rig.ConnectAnsweringTcp();
    rig.SetQuery("MINFOVX\r", 20);
    rig.statusQuery.RunStatusQuery();
    EXPECT_EQ(rig.tcp.sends, std::vector<std::string>{"MINFOVX\r"});
    EXPECT_TRUE(rig.serial.written.empty());

    rig.model.EthernetConnected = 0;
    rig.statusQuery.RunStatusQuery();
    EXPECT_EQ(rig.serial.writes, std::vector<std::string>{"MINFOVX\r"});
}

}  // namespace
}  // namespace vx
