#include <gtest/gtest.h>

#include <string>

#include "TransportRig.h"

namespace vx {
namespace {

// A faulty switcher that fills the reply buffer and then keeps trickling bytes without a
// prompt: reading the rest away stops at the stream limit, counted over the whole drain.
TEST(OversizeAnswerDrainTest, ATricklingAnswerIsDrainedWithinTheStreamLimit) {
    struct Case {
        const char* name;
        int trickleEveryMs;
    };
    for (const Case c : {Case{"a byte a second", 1000}, Case{"a byte just inside each read's limit", 4900}}) {
        SCOPED_TRACE(c.name);
        test::TransportRig rig;
        rig.tcp.active = true;
        rig.model.EthernetConnected = 1;
        rig.SetQuery("GINFOVX\r", 170);
        std::int64_t fullAt = 0;
        rig.tcp.onSend = [&](const std::string&) {
            fullAt = rig.clock.now + 5;
            rig.tcp.Answer(std::string(ReplyBufferSize, 'p'), 5);
            for (int k = 1; k <= 500; ++k) rig.tcp.Answer("p", 5 + k * c.trickleEveryMs);
        };

        rig.ethernetLink.SocketQuery();

        EXPECT_TRUE(rig.link.ReplyFailed);
        EXPECT_EQ(rig.view.status, ReplyTooLongText);
        EXPECT_GT(rig.clock.now - fullAt, 0) << "the drain did read";
        EXPECT_LE(rig.clock.now - fullAt, rig.link.Limits.StreamTimeoutMs);
        EXPECT_FALSE(rig.tcp.incoming.queue.empty()) << "the drain stopped at its limit";
    }
}

// A drain that reaches the prompt in time still stops there.
TEST(OversizeAnswerDrainTest, TheDrainStopsAtThePrompt) {
    test::TransportRig rig;
    rig.tcp.active = true;
    rig.model.EthernetConnected = 1;
    rig.SetQuery("GINFOVX\r", 170);
    rig.tcp.onSend = [&](const std::string&) {
        rig.tcp.Answer(std::string(ReplyBufferSize + 40, 'p') + "\r\n#", 5);
        rig.tcp.Answer("next", 3000);
    };

    rig.ethernetLink.SocketQuery();

    EXPECT_TRUE(rig.link.ReplyFailed);
    ASSERT_EQ(rig.tcp.incoming.queue.size(), 4u) << "the bytes after the prompt are not read";
}

}  // namespace
}  // namespace vx
