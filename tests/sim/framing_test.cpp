// Answer framing and line cutting without any link.
#include <gtest/gtest.h>

#include "AnswerFrame.h"
#include "LineSplitter.h"

namespace vxsim {
namespace {

Outcome StatusOutcome(const std::string& keyword, std::size_t length, byte fill = 0xFC) {
    Outcome o;
    o.Kind = AnswerKind::Status;
    o.Keyword = keyword;
    o.Payload.assign(length, fill);
    return o;
}

TEST(AnswerFrameTest, EveryCommandAnswerFitsTheTwentyBytesThePanelReads) {
    for (const char* text : {answer::Ok, answer::UnknownKeyword, answer::ArgumentCount, answer::OutOfRange,
                             answer::TooLong, answer::NotStored, answer::NotMember}) {
        Outcome o;
        o.Kind = AnswerKind::Error;
        o.Text = text;
        const std::string bytes = FrameAnswer(o, "X", {});
        EXPECT_LT(bytes.size(), 20u) << text;
        EXPECT_EQ(bytes.substr(bytes.size() - 3), "\r\n#") << text;
    }
    EXPECT_EQ(FrameAnswer(Outcome{}, "", {}), "#");
}

TEST(AnswerFrameTest, StatusAnswerEchoesTheQueryBeforeTheMarker) {
    const std::string bytes = FrameAnswer(StatusOutcome("PINFOVX", 36), "PINFOVX 3", {});
    EXPECT_EQ(bytes.substr(0, 11), "PINFOVX 3\r\n");
    EXPECT_EQ(bytes[11], '\x01');
    EXPECT_EQ(bytes.size(), 11u + 2 + 36 + 3);
    EXPECT_EQ(bytes.substr(bytes.size() - 3), "\r\n#");
}

TEST(AnswerFrameTest, AnEchoNeverPushesTheMarkerPastWhereThePanelLooks) {
    const std::string line = "PGINFOVX" + std::string(60, ' ') + "1";
    const std::string bytes = FrameAnswer(StatusOutcome("PGINFOVX", 170), line, {});
    EXPECT_EQ(bytes.find('\x01'), MaxEchoLeadIn);
}

TEST(AnswerFrameTest, LeadInSetsTheMarkerPosition) {
    for (int leadIn : {0, 29, 40}) {
        FrameOptions options;
        options.LeadIn = leadIn;
        const std::string bytes = FrameAnswer(StatusOutcome("MINFOVX", 20, 0), "MINFOVX", options);
        EXPECT_EQ(bytes.find('\x01'), static_cast<std::size_t>(leadIn));
        EXPECT_EQ(bytes.size(), static_cast<std::size_t>(leadIn) + 2 + 20 + 3);
    }
}

TEST(AnswerFrameTest, NoMarkerKeepsTheLengthButLeavesNoByteThePanelCouldTakeForAMarker) {
    FrameOptions options;
    options.NoMarker = {"OINFOVX"};
    // Route entries in force hold 0x01 bytes of their own.
    const std::string bytes = FrameAnswer(StatusOutcome("OINFOVX", 32, 0x01), "OINFOVX", options);
    EXPECT_EQ(bytes.find('\x01'), std::string::npos);
    EXPECT_EQ(bytes.size(), 9u + 2 + 32 + 3);
    EXPECT_EQ(FrameAnswer(StatusOutcome("GINFOVX", 170), "GINFOVX", options).find('\x01'), 9u);
}

TEST(AnswerFrameTest, HashInPayloadTouchesOnlyBytesNobodyInterprets) {
    FrameOptions options;
    options.HashInPayload = true;
    options.LeadIn = 0;
    Outcome info = StatusOutcome("MINFOVX", 20, 0x55);
    const std::string bytes = FrameAnswer(info, "MINFOVX", options);
    const std::string payload = bytes.substr(2, 20);
    EXPECT_EQ(bytes[1], '#');
    EXPECT_EQ(payload.substr(1, 3), "\r\n#");
    EXPECT_EQ(payload[6], '#');
    EXPECT_EQ(payload[19], '#');
    for (int i : {0, 4, 5, 7, 8, 13, 14, 15, 18}) EXPECT_EQ(static_cast<byte>(payload[i]), 0x55) << i;

    const std::string groups = FrameAnswer(StatusOutcome("GINFOVX", 170, 0x55), "GINFOVX", options);
    EXPECT_EQ(groups.substr(2 + 168, 2), "\n#");
    EXPECT_EQ(groups.substr(2, 168), std::string(168, '\x55'));
}

TEST(AnswerFrameTest, LongAnswerPadsBeforeTheEnd) {
    FrameOptions options;
    options.LongAnswer = 100;
    Outcome ok;
    ok.Kind = AnswerKind::Ack;
    ok.Text = answer::Ok;
    EXPECT_EQ(FrameAnswer(ok, "TAKE 1", options), "OK" + std::string(100, '.') + "\r\n#");
    EXPECT_EQ(FrameAnswer(StatusOutcome("GINFOVX", 170), "GINFOVX", options).size(), 9u + 2 + 170 + 100 + 3);
}

std::vector<std::string> Texts(const std::vector<ReceivedLine>& lines) {
    std::vector<std::string> out;
    for (const auto& l : lines) out.push_back(l.TooLong ? "<too long>" : l.Text);
    return out;
}

TEST(LineSplitterTest, CrCrLfAndLfEachEndOneLineEvenWhenSplitAcrossReads) {
    LineSplitter s;
    std::vector<std::string> all;
    for (std::string_view piece : {"TAKE 1\r", "\nCLEAR\r\r", "MINF", "OVX\n", "\r\n", "GINFOVX\r"}) {
        auto texts = Texts(s.Feed(piece));
        all.insert(all.end(), texts.begin(), texts.end());
    }
    EXPECT_EQ(all, (std::vector<std::string>{"TAKE 1", "CLEAR", "", "MINFOVX", "", "GINFOVX"}));
}

TEST(LineSplitterTest, AnOverLongLineIsFlaggedAndTheNextLineIsWhole) {
    LineSplitter s;
    EXPECT_TRUE(s.Feed(std::string(3 * MaxLineLength, 'A')).empty());
    const auto lines = s.Feed("B\rTAKE 1\r");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[0].TooLong);
    EXPECT_EQ(lines[0].Text.size(), MaxLineLength);
    EXPECT_FALSE(lines[1].TooLong);
    EXPECT_EQ(lines[1].Text, "TAKE 1");
}

}  // namespace
}  // namespace vxsim
