// The exchange that returns the switcher's answer: where an answer ends, which link
// carries the line, the time limits, and what is left over from an earlier line.
#include <gtest/gtest.h>

#include <new>

#include "LinkRig.h"
#include "link/AnsweredExchange.h"

namespace vx::test {
namespace {

enum class Over { Serial, Tcp };

struct AnsweredRig : LinkRig {
    AnsweredExchange exchange{ctx};

    void Connect(Over over) {
        if (over == Over::Serial) {
            serial.open = true;
            model.SerialPortOpen = 1;
            link.SerialLinkActive = true;
        } else {
            tcp.active = true;
            model.EthernetConnected = 1;
        }
    }
    // The switcher answers the next line with these bytes after delayMs.
    void AnswerNext(Over over, std::string bytes, int delayMs = 5) {
        if (over == Over::Serial)
            serial.onWrite = [this, bytes, delayMs](const std::string&) { serial.Answer(bytes, delayMs); };
        else
            tcp.onSend = [this, bytes, delayMs](const std::string&) { tcp.Answer(bytes, delayMs); };
    }
};

class AnsweredExchangeOver : public ::testing::TestWithParam<Over> {};

TEST_P(AnsweredExchangeOver, TheAnswerEndsAtAPromptThatStartsALine) {
    struct Case {
        const char* answer;
        LineAnswer::Outcome outcome;
        const char* bytes;
        bool error;
    };
    const Case cases[] = {
        {"OK\r\n#", LineAnswer::Outcome::Answered, "OK\r\n", false},
        {"ERR RANGE\r\n#", LineAnswer::Outcome::Answered, "ERR RANGE\r\n", true},
        {"#", LineAnswer::Outcome::Answered, "", false},
        {"A#B\r\n#", LineAnswer::Outcome::Answered, "A#B\r\n", false},  // a '#' inside the text
        {"OK\r\n", LineAnswer::Outcome::NoAnswer, "OK\r\n", false},     // no prompt
    };
    for (const Case& c : cases) {
        AnsweredRig rig;
        rig.Connect(GetParam());
        rig.AnswerNext(GetParam(), c.answer);
        const LineAnswer a = rig.exchange.Exchange("TAKE 1\r");
        EXPECT_EQ(a.Result, c.outcome) << c.answer;
        EXPECT_EQ(a.Bytes, c.bytes) << c.answer;
        EXPECT_EQ(a.IsError(), c.error) << c.answer;
        EXPECT_EQ(a.Serial, GetParam() == Over::Serial);
    }
}

TEST_P(AnsweredExchangeOver, NoAnswerEndsAtThePanelsLimitWithoutRetries) {
    AnsweredRig rig;
    rig.Connect(GetParam());
    const std::int64_t start = rig.clock.now;
    const LineAnswer a = rig.exchange.Exchange("TAKE 1\r");
    EXPECT_EQ(a.Result, LineAnswer::Outcome::NoAnswer);
    const int limit = GetParam() == Over::Serial ? NormalWaitTicks * 55 : 5000;
    EXPECT_EQ(a.WaitedLimitMs, limit);
    EXPECT_GE(rig.clock.now - start, limit);
    EXPECT_LT(rig.clock.now - start, limit + 200);
    const auto& lines = GetParam() == Over::Serial ? rig.serial.writes : rig.tcp.sends;
    EXPECT_EQ(lines, std::vector<std::string>{"TAKE 1\r"})
        << "the line goes once, with no bare returns after it";
    EXPECT_EQ(rig.exchange.WaitLimitMs(true), ResetWaitTicks * 55);
}

TEST_P(AnsweredExchangeOver, AnAnswerLeftOverFromAnEarlierLineIsNotTakenForThisOne) {
    AnsweredRig rig;
    rig.Connect(GetParam());
    if (GetParam() == Over::Serial)
        rig.serial.Answer("OK\r\n#");
    else
        rig.tcp.Answer("OK\r\n#");
    rig.AnswerNext(GetParam(), "ERR NOT STORED\r\n#", 20);
    const LineAnswer a = rig.exchange.Exchange("RPRST 4 0\r");
    EXPECT_TRUE(a.Answered());
    EXPECT_TRUE(a.IsError()) << a.Bytes;
}

INSTANTIATE_TEST_SUITE_P(Links, AnsweredExchangeOver, ::testing::Values(Over::Serial, Over::Tcp),
                         [](const auto& info) { return info.param == Over::Serial ? "Serial" : "Tcp"; });

TEST(AnsweredExchange, SerialGoesFirstAsForEveryCommand) {
    AnsweredRig rig;
    rig.Connect(Over::Serial);
    rig.Connect(Over::Tcp);
    rig.AnswerNext(Over::Serial, "OK\r\n#");
    EXPECT_TRUE(rig.exchange.Exchange("CLEAR\r").Serial);
    EXPECT_TRUE(rig.tcp.sends.empty());
}

TEST(AnsweredExchange, WithoutALinkNothingIsSentAndTheOutcomeSaysSo) {
    AnsweredRig rig;
    const LineAnswer a = rig.exchange.Exchange("CLEAR\r");
    EXPECT_EQ(a.Result, LineAnswer::Outcome::NoLink);
    EXPECT_TRUE(rig.serial.writes.empty());
    EXPECT_TRUE(rig.tcp.sends.empty());
}

TEST(AnsweredExchange, AFailingPortIsAnOutcomeNotAMessageBox) {
    AnsweredRig rig;
    rig.Connect(Over::Serial);
    rig.serial.failReads = true;
    const LineAnswer a = rig.exchange.Exchange("CLEAR\r");
    EXPECT_EQ(a.Result, LineAnswer::Outcome::LinkFailed);
    EXPECT_EQ(a.Failure, "the port failed");
    EXPECT_TRUE(rig.prompts.messages.empty());
}

// A link that fails is told with its cause: what the port or the connection says, or
// memory that ran out, never a silence.
TEST(AnsweredExchange, ALinkThatFailsIsToldWithItsCause) {
    {
        AnsweredRig rig;
        rig.Connect(Over::Serial);
        rig.serial.onWrite = [](const std::string&) { throw std::bad_alloc(); };
        const LineAnswer a = rig.exchange.Exchange("CLEAR\r");
        EXPECT_EQ(a.Result, LineAnswer::Outcome::LinkFailed);
        EXPECT_EQ(a.Failure, "out of memory");
    }
    for (const std::string& cause : {std::string("hang-up on the serial line"), std::string()}) {
        AnsweredRig rig;
        rig.Connect(Over::Serial);
        rig.serial.onWrite = [&](const std::string&) {
            rig.serial.failure = cause;
            rig.serial.Lose();
        };
        const LineAnswer a = rig.exchange.Exchange("CLEAR\r");
        EXPECT_EQ(a.Result, LineAnswer::Outcome::LinkFailed);
        EXPECT_EQ(a.Failure, cause.empty() ? "the serial port was closed" : cause);
    }
    const struct {
        std::string Cause;  // empty: the switcher closed the connection
        LineAnswer::Outcome Outcome;
    } tcp[] = {{"local write error: No buffer space available", LineAnswer::Outcome::LinkFailed},
               {"", LineAnswer::Outcome::NoAnswer}};
    for (const auto& c : tcp) {
        AnsweredRig rig;
        rig.Connect(Over::Tcp);
        rig.tcp.onSend = [&](const std::string&) {
            rig.tcp.active = false;
            rig.tcp.failure = c.Cause;
        };
        const std::int64_t start = rig.clock.now;
        const LineAnswer a = rig.exchange.Exchange("CLEAR\r");
        EXPECT_EQ(a.Result, c.Outcome) << c.Cause;
        EXPECT_EQ(a.Failure, c.Cause);
        EXPECT_LT(rig.clock.now - start, 5000) << "no wait on a connection that has ended";
    }
}

TEST(AnsweredExchange, AsTheSendersCarrierItTakesEveryCommandInPlaceOfThePanelsExchanges) {
    AnsweredRig rig;
    rig.Connect(Over::Tcp);
    rig.AnswerNext(Over::Tcp, "OK\r\n#");
    rig.sender.SetCarrier(&rig.exchange);
    rig.sender.SendPresetStore(1);  // over TCP the panel would send it without a wait
    rig.sender.SendReset();
    ASSERT_EQ(rig.exchange.Carried().size(), 2u);
    EXPECT_EQ(rig.exchange.Carried()[0].Line, "PRST 2\r");
    EXPECT_TRUE(rig.exchange.Carried()[0].Answer.Answered());
    EXPECT_EQ(rig.exchange.Carried()[1].Line, "RESETVX R\r");
    EXPECT_EQ(rig.exchange.Carried()[1].Answer.WaitedLimitMs, ResetWaitTicks * 55);
    EXPECT_EQ(rig.tcp.sends, (std::vector<std::string>{"PRST 2\r", "RESETVX R\r"}));

    // Without the carrier the panel's own discipline is back.
    rig.sender.SetCarrier(nullptr);
    rig.sender.SendPresetStore(1);
    EXPECT_EQ(rig.exchange.Carried().size(), 2u);
    EXPECT_EQ(rig.tcp.sends.size(), 3u);
}

TEST(AnsweredExchange, TheRestOfALongConnectAnswerIsReadAwayUpToItsPrompt) {
    for (const std::string& answer : {std::string(300, '.') + "#", std::string("#")}) {
        AnsweredRig rig;
        rig.Connect(Over::Tcp);
        rig.AnswerNext(Over::Tcp, answer);
        const std::int64_t start = rig.clock.now;
        ASSERT_TRUE(rig.exchanges.SocketSendWait("\r"));  // the connect test: 20 bytes at most
        rig.tcp.Answer("OK\r\n#", 10000);                 // the answer to a later line
        rig.exchange.ReadRestOfConnectAnswer();
        EXPECT_EQ(rig.tcp.incoming.queue.size(), 5u) << "answer of " << answer.size() << " bytes";
        EXPECT_LT(rig.clock.now - start, 10000) << "no wait when the prompt has come";
    }
}

TEST(AnsweredExchange, EscapedBytesShowEveryByteOfTheAnswer) {
    EXPECT_EQ(EscapeAnswerBytes(std::string("OK\r\n\x01\x00\xfc\\#\t", 10)),
              "OK\\r\\n\\x01\\x00\\xFC\\\\#\\t");
}

}  // namespace
}  // namespace vx::test
