#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <tuple>

#include "QuietProgress.h"
#include "ScriptedStatusQuery.h"
#include "TransportRig.h"
#include "status/StatusReader.h"

namespace vx {
namespace {

enum class Link { Serial, Tcp };

// A switcher's answers over one link, each cut into pieces of a given size (0: one piece);
// on the serial link the pieces arrive apart, on TCP every read returns one piece at most.
class PiecedSwitcher {
public:
    PiecedSwitcher(test::TransportRig& rig, Link link, std::size_t piece) : rig_(rig) {
        if (link == Link::Tcp) {
            rig.tcp.active = true;
            rig.model.EthernetConnected = 1;
            if (piece > 0) rig.tcp.maxReadChunk = piece;
            rig.tcp.onSend = [this](const std::string&) { rig_.tcp.Answer(answer, 5); };
        } else {
            rig.serial.open = true;
            rig.model.SerialPortOpen = 1;
            rig.serial.onWrite = [this, piece](const std::string&) {
                const std::size_t step = piece > 0 ? piece : answer.size();
                for (std::size_t at = 0, k = 1; at < answer.size(); at += step, ++k)
                    rig_.serial.Answer(answer.substr(at, step), static_cast<int>(20 * k));
            };
        }
    }
    std::string answer;

private:
    test::TransportRig& rig_;
};

// The matrix information of a switcher at an address with the bytes 13, 10, 35 or a
// segment of 35 ('#'), as the switcher sends it: the echo of the query line first.
std::string MatrixInfoAnswer(const DeviceInfo& info) {
    return test::FramedAnswer(test::BytesOf(info), "MINFOVX\r\n");
}

DeviceInfo InfoAt(std::array<byte, 4> ip) {
    DeviceInfo info{};
    info.ModelCode = 10;
    std::memcpy(info.FirmwareVersion, "1.07", 4);
    std::copy(ip.begin(), ip.end(), info.IPAddress);
    return info;
}

using EndCase = std::tuple<Link, std::array<byte, 4>, std::size_t>;

class AnswerEndRuleTest : public ::testing::TestWithParam<EndCase> {
protected:
    test::TransportRig rig;
    test::QuietProgress progress;
    StatusReader reader{rig.ctx, rig.statusQuery, progress};
};

TEST_P(AnswerEndRuleTest, MatrixInformationWithAPromptInTheAddressIsReadWhole) {
    const auto [link, ip, piece] = GetParam();
    PiecedSwitcher sw(rig, link, piece);
    const DeviceInfo info = InfoAt(ip);
    sw.answer = MatrixInfoAnswer(info);

    ASSERT_TRUE(reader.ReadMatrixInfo()) << rig.view.status;
    EXPECT_EQ(test::BytesOf(rig.model.Info), test::BytesOf(info));
    EXPECT_EQ(rig.model.OutputCount, 8);
    EXPECT_TRUE(rig.prompts.messages.empty());

    // Nothing of the first answer is left to spoil the next one.
    ASSERT_TRUE(reader.ReadMatrixInfo()) << rig.view.status;
    EXPECT_EQ(test::BytesOf(rig.model.Info), test::BytesOf(info));
}

std::string CaseName(const ::testing::TestParamInfo<EndCase>& p) {
    const auto& [link, ip, piece] = p.param;
    std::string name = link == Link::Serial ? "Serial" : "Tcp";
    for (byte b : ip) name += "_" + std::to_string(b);
    return name + (piece ? "_Pieces" + std::to_string(piece) : "_Whole");
}

INSTANTIATE_TEST_SUITE_P(Addresses, AnswerEndRuleTest,
                         ::testing::Combine(::testing::Values(Link::Serial, Link::Tcp),
                                            ::testing::Values(std::array<byte, 4>{10, 13, 10, 35},
                                                              std::array<byte, 4>{192, 168, 1, 35},
                                                              std::array<byte, 4>{35, 1, 1, 1}),
                                            ::testing::Values(std::size_t{1}, std::size_t{7}, std::size_t{10},
                                                              std::size_t{0})),
                         CaseName);

class AnswerEndRuleLinkTest : public ::testing::TestWithParam<Link> {
protected:
    test::TransportRig rig;
    test::QuietProgress progress;
    StatusReader reader{rig.ctx, rig.statusQuery, progress};
};

// Group tables with a prompt in every byte (and a CR LF before many of them): none of
// them is the end, however few other bytes have come before.
TEST_P(AnswerEndRuleLinkTest, APayloadOfPromptsIsReadWhole) {
    PiecedSwitcher sw(rig, GetParam(), 10);
    std::string payload(sizeof(GroupTables), '#');
    for (std::size_t i = 0; i + 2 < payload.size(); i += 9) payload.replace(i, 2, "\r\n");
    sw.answer = test::FramedAnswer(payload, "GINFOVX\r\n", '#');

    ASSERT_TRUE(reader.ReadGroupingStatus()) << rig.view.status;
    EXPECT_EQ(test::BytesOf(rig.model.Groups), payload);
}

// Without a marker the answer still ends by the minimum length alone, and the read
// reports the missing marker instead of waiting for a payload that never comes.
TEST_P(AnswerEndRuleLinkTest, AnAnswerWithoutAMarkerEndsByTheMinimumLength) {
    PiecedSwitcher sw(rig, GetParam(), 7);
    sw.answer = std::string("MINFOVX\r\n") + std::string(22, '\0') + "\r\n#";
    const auto start = rig.clock.now;

    EXPECT_FALSE(reader.ReadMatrixInfo());
    EXPECT_FALSE(rig.link.ReplyFailed);
    EXPECT_EQ(rig.view.status, "Error parsing MINFOVX message....");
    EXPECT_TRUE(rig.prompts.messages.empty()) << "no time-out";
    EXPECT_LT(rig.clock.now - start, 1000);
}

INSTANTIATE_TEST_SUITE_P(Links, AnswerEndRuleLinkTest, ::testing::Values(Link::Serial, Link::Tcp),
                         [](const auto& p) {
                             return std::string(p.param == Link::Serial ? "Serial" : "Tcp");
                         });

}  // namespace
}  // namespace vx
