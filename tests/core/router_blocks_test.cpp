// The router protocol's framing and the server's picture of the panel: the parser's limits,
// each block's round trip, the opening dump, addresses and the text a client may send.
#include <gtest/gtest.h>

#include "RecordingHubPorts.h"
#include "routerserver/ClientAddress.h"
#include "routerserver/RouterBlocks.h"
#include "routerserver/RouterPicture.h"
#include "routerserver/Utf8Text.h"

namespace vx::router {
namespace {

std::vector<Block> Parse(const std::string& bytes, StreamFault* fault = nullptr) {
    BlockParser p;
    std::vector<Block> out;
    p.Feed(bytes, out);
    if (fault) *fault = p.Fault();
    return out;
}

TEST(RouterBlockParser, ReadsBlocksWithLfOrCrLfInAnyPieces) {
    const std::string text = "PING:\n\nVIDEO OUTPUT ROUTING:\r\n7 2\r\n3 1\n\n\n\nINPUT LABELS:\n0 Camera one\n\n";
    const std::vector<Block> expected = {
        {"PING:", {}}, {"VIDEO OUTPUT ROUTING:", {"7 2", "3 1"}}, {"INPUT LABELS:", {"0 Camera one"}}};
    EXPECT_EQ(Parse(text), expected);
    // Byte by byte, as a slow network delivers it.
    BlockParser p;
    std::vector<Block> out;
    for (char c : text) ASSERT_TRUE(p.Feed(std::string_view(&c, 1), out));
    EXPECT_EQ(out, expected);
    // A block without its empty line is not complete.
    EXPECT_TRUE(Parse("PING:\n").empty());
}

TEST(RouterBlockParser, BreaksOnALineOrABlockBeyondItsLimit) {
    struct Case {
        const char* name;
        std::string bytes;
        StreamFault fault;
        std::size_t blocks;
    };
    const std::string longest(MaxLineBytes, 'x');
    std::string most = "INPUT LABELS:\n", tooMany = "INPUT LABELS:\n";
    for (std::size_t i = 1; i < MaxBlockLines; ++i) most += "0 a\n";
    tooMany = most + "0 a\n";
    const Case cases[] = {
        {"longest line", "PING:\n" + longest + "\n\n", StreamFault::None, 1},
        {"longest line with CR", "PING:\n" + longest + "\r\n\n", StreamFault::None, 1},
        {"a byte longer", "PING:\n" + longest + "x\n\n", StreamFault::LineTooLong, 0},
        {"endless line", std::string(100000, 'y'), StreamFault::LineTooLong, 0},
        {"most lines", most + "\n", StreamFault::None, 1},
        {"a line more", tooMany + "\n", StreamFault::BlockTooLong, 0},
        {"a block before the fault stands", "PING:\n\n" + longest + "zz", StreamFault::LineTooLong, 1},
    };
    for (const auto& c : cases) {
        StreamFault fault{};
        EXPECT_EQ(Parse(c.bytes, &fault).size(), c.blocks) << c.name;
        EXPECT_EQ(fault, c.fault) << c.name;
    }
}

TEST(RouterBlocks, EachBlockComesBackAsItWasWritten) {
    const auto p = test::SamplePicture(8);
    const std::vector<std::string> written = {
        PreambleBlock(), DeviceBlock(p), LabelBlock(p, false), LabelBlock(p, true, {2, 5}), RoutingBlock(p),
        RoutingBlock(p, {7}), ConfigurationBlock(), EndPreludeBlock(), WriteBlock("PING:")};
    for (const auto& text : written) {
        const auto blocks = Parse(text);
        ASSERT_EQ(blocks.size(), 1u) << text;
        EXPECT_EQ(WriteBlock(blocks[0].Header, blocks[0].Lines), text);
    }
    EXPECT_EQ(LabelBlock(p, true, {2, 5}), "OUTPUT LABELS:\n2 Out 3\n5 Out 6\n\n");
}

TEST(RouterPicture, LeavesOutUnknownRoutesAndKeepsLabelsOnOneLine) {
    auto p = test::SamplePicture(8);
    p.Routes[3] = -1;
    p.InputLabels[0] = "two\nlines";
    EXPECT_EQ(RoutingBlock(p, {2, 3, 4}), "VIDEO OUTPUT ROUTING:\n2 2\n4 4\n\n");
    EXPECT_EQ(LabelBlock(p, false, {0}), "INPUT LABELS:\n0 two lines\n\n");
    p.Present = false;
    EXPECT_EQ(DeviceBlock(p), "VIDEOHUB DEVICE:\nDevice present: false\n\n");
}

TEST(RouterDump, HoldsEveryBlockInOrderForEightAndSixteen) {
    for (int size : {8, 16}) {
        test::RecordingHubPorts ports;
        RouterHub hub(ports);
        hub.Show(test::SamplePicture(size));
        ASSERT_TRUE(hub.Open(1, "127.0.0.1"));
        const auto blocks = ports.Blocks(1);
        std::vector<std::string> headers;
        for (const auto& b : blocks) headers.push_back(b.Header);
        EXPECT_EQ(headers, (std::vector<std::string>{"PROTOCOL PREAMBLE:", "VIDEOHUB DEVICE:", "INPUT LABELS:",
                                                      "OUTPUT LABELS:", "VIDEO OUTPUT LOCKS:",
                                                      "VIDEO OUTPUT ROUTING:", "CONFIGURATION:", "END PRELUDE:"}))
            << size;
        ASSERT_EQ(blocks.size(), 8u);
        const std::string n = std::to_string(size);
        EXPECT_EQ(blocks[0].Lines, std::vector<std::string>{"Version: 2.8"});
        EXPECT_EQ(blocks[1].Lines,
                  (std::vector<std::string>{"Device present: true", "Model name: VX Control HD SDI (" + n + " x " + n + ")",
                                            "Friendly name: VX Control HD SDI (" + n + " x " + n + ")",
                                            "Unique ID: 0A0000070B", "Video inputs: " + n,
                                            "Video processing units: 0", "Video outputs: " + n,
                                            "Video monitoring outputs: 0", "Serial ports: 0"}));
        for (int b = 2; b <= 5; ++b) EXPECT_EQ(blocks[static_cast<std::size_t>(b)].Lines.size(), std::size_t(size));
        EXPECT_EQ(blocks[2].Lines.back(), std::to_string(size - 1) + " In " + n);
        EXPECT_EQ(blocks[3].Lines.front(), "0 Out 1");
        EXPECT_EQ(blocks[4].Lines.front(), "0 U");
        EXPECT_EQ(blocks[5].Lines.back(), std::to_string(size - 1) + " " + std::to_string(size - 1));
        EXPECT_EQ(blocks[6].Lines, std::vector<std::string>{"Take Mode: false"});
    }
}

TEST(RouterDump, WithoutASwitcherSaysDevicePresentFalseAndNothingMore) {
    test::RecordingHubPorts ports;
    RouterHub hub(ports);
    ASSERT_TRUE(hub.Open(1, "::1"));
    EXPECT_EQ(ports.Take(1),
              "PROTOCOL PREAMBLE:\nVersion: 2.8\n\nVIDEOHUB DEVICE:\nDevice present: false\n\nEND PRELUDE:\n\n");
}

TEST(RouterClientAddress, IsOneAddressHoweverItIsWrittenAndChecksTheAllowedList) {
    struct Case {
        const char* peer;
        const char* allowed;
        const char* normal;
        bool in;
    };
    const Case cases[] = {
        {"127.0.0.1", "", "127.0.0.1", true},
        {"::1", "", "127.0.0.1", true},
        {"::ffff:127.0.0.1", "", "127.0.0.1", true},
        {"127.0.0.5", "", "127.0.0.5", true},
        {"10.1.2.3", "", "10.1.2.3", false},
        {"::ffff:10.1.2.3", "10.1.2.0/24", "10.1.2.3", true},
        {"10.1.3.3", "10.1.2.0/24", "10.1.3.3", false},
        {"10.1.3.3", "10.1.2.0/24, 10.1.3.3", "10.1.3.3", true},
        {"FD00::5", "fd00::/8", "fd00::5", true},
        {"fe80::1%eth0", "fd00::/8", "fe80::1", false},
        {"127.0.0.1", "10.0.0.0/8", "127.0.0.1", false},
        {"::1", "127.0.0.1", "127.0.0.1", true},
        {"10.0.0.9", "0.0.0.0/0", "10.0.0.9", true},
    };
    for (const auto& c : cases) {
        const AllowedList list = ParseAllowedList(c.allowed);
        ASSERT_TRUE(list.Error.empty()) << c.allowed;
        EXPECT_EQ(NormalAddress(c.peer), c.normal) << c.peer;
        EXPECT_EQ(AddressAllowed(NormalAddress(c.peer), list.Entries), c.in) << c.peer << " in " << c.allowed;
    }
    for (const char* bad : {"10.1.2", "10.1.2.0/33", "example.org", "fd00::/129", "1:2:3", "10.0.0.1/"})
        EXPECT_FALSE(ParseAllowedList(bad).Error.empty()) << bad;
}

TEST(RouterLabelText, ReplacesWhatIsNotUtf8AndCutsOnlyBetweenCharacters) {
    struct Case {
        std::string in, valid;
    };
    const Case cases[] = {
        {"Cam 1", "Cam 1"},
        {"Kamera \xC3\xA4", "Kamera \xC3\xA4"},
        {"a\xFF" "b", "a\xEF\xBF\xBD" "b"},
        {"\xC3", "\xEF\xBF\xBD"},
        {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},           // overlong
        {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // a surrogate
        {"\xF0\x9F\x8E\xA5", "\xF0\x9F\x8E\xA5"},
    };
    for (const auto& c : cases) EXPECT_EQ(ValidUtf8(c.in), c.valid) << c.in;
    EXPECT_EQ(FirstCharacters("\xC3\xA4\xC3\xB6\xC3\xBC" "abcd", 4), "\xC3\xA4\xC3\xB6\xC3\xBC" "a");
    EXPECT_EQ(FirstCharacters("ab", 6), "ab");
}

}  // namespace
}  // namespace vx::router
