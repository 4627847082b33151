#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "QuietProgress.h"
#include "TransportRig.h"
#include "status/StatusReader.h"

namespace vx {
namespace {

// The reads over the real query dispatch and reply collectors of both links.
class StatusOverLinksTest : public ::testing::TestWithParam<bool> {
protected:
    StatusOverLinksTest() {
        rig.model.Info.ModelCode = 10;
        rig.model.SetSizeFromModelCode();
        if (GetParam()) {
            rig.tcp.active = true;
            rig.model.EthernetConnected = 1;
            rig.tcp.onSend = [this](const std::string&) { rig.tcp.Answer(Next(), 5); };
        } else {
            rig.serial.open = true;
            rig.model.SerialPortOpen = 1;
            rig.serial.onWrite = [this](const std::string&) { rig.serial.Answer(Next(), 5); };
        }
    }
    std::string Next() {
        std::string a = answers.front();
        answers.pop_front();
        return a;
    }

    test::TransportRig rig;
    test::QuietProgress progress;
    StatusReader reader{rig.ctx, rig.statusQuery, progress};
    std::deque<std::string> answers;
};

TEST_P(StatusOverLinksTest, WorkedAnswerIsStoredAndALaterShortAnswerTakesNothingFromIt) {
    answers = {std::string("\x01\x00\x00\x03\xFC\xFC\x07\xFC\xFC\xFC\x0D\x0A\x23", 13),
               // Ends properly, but the marker leaves room for only one payload byte.
               std::string("LLLLLLLLLL\x01\x00\x05\r\n#", 16)};
    const std::vector<byte> worked = {0, 3, NO_INPUT, NO_INPUT, 7, NO_INPUT, NO_INPUT, NO_INPUT};

    ASSERT_TRUE(reader.ReadPrevOutputStatus());
    EXPECT_EQ(std::vector<byte>(rig.model.PrevInputs, rig.model.PrevInputs + 8), worked);

    // Its prompt lies where the marker's payload must be, so it does not end the answer:
    // the serial read runs into the watchdog, the TCP read finds no end and no frame.
    EXPECT_FALSE(reader.ReadPrevOutputStatus());
    if (GetParam()) {
        EXPECT_FALSE(rig.link.ReplyFailed);
        EXPECT_EQ(rig.view.status, "Error parsing OPINFOVX message....");
    } else {
        EXPECT_TRUE(rig.link.ReplyFailed);
        EXPECT_EQ(rig.prompts.messages, std::vector<std::string>{SerialTimeoutText});
    }
    EXPECT_EQ(std::vector<byte>(rig.model.PrevInputs, rig.model.PrevInputs + 8), worked);
}

INSTANTIATE_TEST_SUITE_P(Status, StatusOverLinksTest, ::testing::Values(false, true),
                         [](const auto& info) { return std::string(info.param ? "Ethernet" : "Serial"); });

}  // namespace
}  // namespace vx
