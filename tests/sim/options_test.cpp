// The command line: what it accepts, what it refuses, and what the program does with it.
#include "Options.h"

#include <gtest/gtest.h>

#include "SimClient.h"

namespace vxsim {
namespace {

TEST(OptionsTest, ValuesLandWhereTheySayInBothSpellings) {
    const auto parsed = ParseOptions({"--tcp",
                                      "127.0.0.1:0",
                                      "--serial=/tmp/x",
                                      "--baud",
                                      "57600",
                                      "--model",
                                      "10",
                                      "--lead-in=40",
                                      "--no-marker",
                                      "ginfovx",
                                      "--no-answer",
                                      "RTEMP",
                                      "--hash-in-payload",
                                      "--silent",
                                      "--drop-after",
                                      "3",
                                      "--long-answer",
                                      "9",
                                      "--chunk",
                                      "2",
                                      "--delay-ms",
                                      "5",
                                      "--reset-delay-ms",
                                      "0"});
    ASSERT_EQ(parsed.Error, "");
    const SimOptions& o = parsed.Options;
    EXPECT_EQ(o.Tcp->Port, 0);
    EXPECT_EQ(*o.SerialPath, "/tmp/x");
    EXPECT_EQ(o.Baud, 57600);
    EXPECT_EQ(o.Identity.ModelCode, 10);
    EXPECT_EQ(o.Frame.LeadIn, 40);
    EXPECT_EQ(o.Frame.NoMarker.count("GINFOVX"), 1u);
    EXPECT_EQ(o.NoAnswer.count("RTEMP"), 1u);
    EXPECT_TRUE(o.Frame.HashInPayload);
    EXPECT_TRUE(o.Silent);
    EXPECT_EQ(o.DropAfter, 3);
    EXPECT_EQ(o.Frame.LongAnswer, 9);
    EXPECT_EQ(o.Chunk, 2);
    EXPECT_EQ(o.DelayMs, 5);
    EXPECT_EQ(o.ResetDelayMs, 0);
}

TEST(OptionsTest, WithoutALinkAFreeLoopbackPortIsServedAndReportedAsTheSwitchersAddress) {
    const auto parsed = ParseOptions({});
    ASSERT_EQ(parsed.Error, "");
    ASSERT_TRUE(parsed.Options.Tcp);
    EXPECT_EQ(parsed.Options.Tcp->Address, "127.0.0.1");
    EXPECT_EQ(parsed.Options.Identity.IpAddress, (std::array<byte, 4>{127, 0, 0, 1}));
    EXPECT_EQ(ParseOptions({"--tcp", "2323"}).Options.Tcp->Port, 2323);
}

class BadOptionTest : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(BadOptionTest, IsRefusedWithAReason) {
    EXPECT_NE(ParseOptions(GetParam()).Error, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadOptionTest,
    ::testing::Values(
        std::vector<std::string>{"--bogus"}, std::vector<std::string>{"stray"},
        std::vector<std::string>{"--tcp"}, std::vector<std::string>{"--tcp", "host:23"},
        std::vector<std::string>{"--tcp", "127.0.0.1:70000"}, std::vector<std::string>{"--model", "13"},
        std::vector<std::string>{"--baud", "0"}, std::vector<std::string>{"--lead-in", "41"},
        std::vector<std::string>{"--no-marker", "RTEMP"}, std::vector<std::string>{"--no-answer", "X"},
        std::vector<std::string>{"--ignore", "MINFOVX"},
        std::vector<std::string>{"--chunk", "0"}, std::vector<std::string>{"--drop-after", "-1"},
        std::vector<std::string>{"--delay-ms", "ten"}, std::vector<std::string>{"--silent=1"},
        std::vector<std::string>{"--firmware", "1234567"}, std::vector<std::string>{"--ip", "1.2.3"},
        std::vector<std::string>{"--long-answer", "100001"}));

// A control line sets one fault switch as its option does, or says why it cannot.
TEST(OptionsTest, ControlLinesSetTheFaultSwitches) {
    SimOptions o = ParseOptions({"--delay-ms", "50", "--chunk", "3"}).Options;
    const SimOptions initial = o;
    const struct {
        const char* line;
        const char* problem;
    } cases[] = {
        {"silent on", ""},
        {"hash-in-payload on", ""},
        {"delay-ms 700", ""},
        {"chunk 0", ""},
        {"drop-after 4", ""},
        {"no-answer oinfovx", ""},
        {"lead-in 7", ""},
        {"silent maybe", "silent expects on or off"},
        {"chunk -1", "chunk expects a whole number from 1 to 65536, not '-1'"},
        {"tcp 2323", "unknown control line 'tcp 2323'"},
        {"model 10", "unknown control line 'model 10'"},
    };
    for (const auto& c : cases) EXPECT_EQ(SetFaultSwitch(o, c.line), c.problem) << c.line;
    EXPECT_TRUE(o.Silent);
    EXPECT_TRUE(o.Frame.HashInPayload);
    EXPECT_EQ(o.DelayMs, 700);
    EXPECT_EQ(o.Chunk, 0);
    EXPECT_EQ(o.DropAfter, 4);
    EXPECT_EQ(o.NoAnswer, std::set<std::string>{"OINFOVX"});
    EXPECT_EQ(o.Frame.LeadIn, 7);
    ResetFaultSwitches(o, initial);
    EXPECT_FALSE(o.Silent);
    EXPECT_FALSE(o.Frame.HashInPayload);
    EXPECT_EQ(o.DelayMs, 50);
    EXPECT_EQ(o.Chunk, 3);
    EXPECT_EQ(o.DropAfter, 0);
    EXPECT_TRUE(o.NoAnswer.empty());
    EXPECT_EQ(o.Frame.LeadIn, -1);
}

TEST(OptionsProgramTest, ABadOptionExitsWithTwoAndSaysWhy) {
    std::string output;
    EXPECT_EQ(test::RunToExit({"--lead-in", "99"}, output), 2);
    EXPECT_NE(output.find("--lead-in"), std::string::npos) << output;
}

TEST(OptionsProgramTest, HelpDocumentsEveryOption) {
    std::string output;
    ASSERT_EQ(test::RunToExit({"--help"}, output), 0);
    for (const char* option :
         {"--tcp", "--serial", "--baud", "--model", "--firmware", "--ip", "--reset-delay-ms", "--transcript",
          "--silent", "--delay-ms", "--chunk", "--chunk-pause-ms", "--lead-in", "--no-marker", "--no-answer",
          "--ignore", "--hash-in-payload", "--drop-after", "--long-answer", "--control", "--help"})
        EXPECT_NE(output.find(option), std::string::npos) << option;
}

}  // namespace
}  // namespace vxsim
