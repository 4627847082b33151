#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "TempWorkingDir.h"
#include "TransportRig.h"
#include "link/IpText.h"

namespace vx {
namespace {

std::string FileBytes(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ParseIpTextTest, FourNumbersSeparatedByDots) {
    const std::pair<const char*, IpSegments> good[] = {
        {"192.168.1.10", {192, 168, 1, 10}},
        {"192.168.001.010", {192, 168, 1, 10}},
        {"0.0.0.0", {0, 0, 0, 0}},
        {" 10.0.0.7 ", {10, 0, 0, 7}},
        {"1.2.3.300", {1, 2, 3, 300}},  // well formed; the range is the switcher's check
        {"10.0.0.0010", {10, 0, 0, 10}},  // any number of digits reads as its value
        {"1000.1.1.1", {1000, 1, 1, 1}},
        {"99999999999.1.1.1", {99999, 1, 1, 1}},  // past any segment's range it stops growing
    };
    for (const auto& [text, segments] : good) {
        SCOPED_TRACE(text);
        ASSERT_TRUE(ParseIpText(text).has_value());
        EXPECT_EQ(*ParseIpText(text), segments);
    }
    for (const char* bad : {"", "...", "192.168..10", "192.168.1", "192.168.1.10.5", "192.168.1.10.", "abc",
                            "a.b.c.d", "192.168.1.1x", "1 .2.3.4", "+1.2.3.4", "-1.2.3.4", "1,2,3,4"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(ParseIpText(bad).has_value());
    }
}

TEST(CheckIpAddressTest, RefusesWithAMessageTheOperatorCanActOn) {
    EXPECT_EQ(CheckIpAddress("192.168.1.50").segments, (IpSegments{192, 168, 1, 50}));
    EXPECT_TRUE(CheckIpAddress("192.168.1.50").message.empty());

    for (const char* tooLarge : {"192.168.1.300", "1000.1.1.1"}) {
        SCOPED_TRACE(tooLarge);
        const auto check = CheckIpAddress(tooLarge);
        EXPECT_FALSE(check.segments);
        EXPECT_EQ(check.message, "IP Address segments cannot be > 255");
    }

    const auto garbage = CheckIpAddress("192.168.1");
    EXPECT_FALSE(garbage.segments);
    EXPECT_EQ(garbage.message, NotAnIpAddressText("192.168.1"));
    EXPECT_NE(garbage.message.find("192.168.1"), std::string::npos);
}

class IpSaveFileTest : public ::testing::Test {
protected:
    test::TempWorkingDir dir;
    test::TransportRig rig;
};

TEST_F(IpSaveFileTest, NormaliseSavesTheTextAsTypedAndRewritesTheField) {
    rig.ipField.text = "192.168.001.010";
    EXPECT_TRUE(rig.ethernetLink.NormalizeIpText());
    EXPECT_EQ(FileBytes("IPSave.ini"), std::string("192.168.001.010\0", 16));
    EXPECT_EQ(rig.ipField.text, "192.168.1.10");

    rig.ipField.text = "";
    rig.ethernetLink.LoadIpText();
    EXPECT_EQ(rig.ipField.text, "192.168.001.010");
    EXPECT_TRUE(rig.prompts.messages.empty());
}

TEST_F(IpSaveFileTest, ALongWordIsCutToNineteenCharacters) {
    const std::string longWord = "123456789012345678901234567890";
    rig.ethernetLink.SaveIpText(longWord.c_str(), longWord.size() + 1);
    rig.ethernetLink.LoadIpText();
    EXPECT_EQ(rig.ipField.text, longWord.substr(0, 19));
}

TEST_F(IpSaveFileTest, OnlyTheFirstWordIsTaken) {
    std::ofstream("IPSave.ini") << "  10.0.0.9 and more\n";
    rig.ethernetLink.LoadIpText();
    EXPECT_EQ(rig.ipField.text, "10.0.0.9");
}

TEST_F(IpSaveFileTest, MissingOrEmptyFileKeepsTheField) {
    rig.ipField.text = "10.1.1.1";
    rig.ethernetLink.LoadIpText();
    EXPECT_EQ(rig.prompts.messages, std::vector<std::string>{"Error! Unable to open IPSave.ini file."});
    EXPECT_EQ(rig.ipField.text, "10.1.1.1");

    std::ofstream("IPSave.ini") << "";
    rig.ethernetLink.LoadIpText();
    EXPECT_EQ(rig.ipField.text, "10.1.1.1");
    EXPECT_EQ(rig.prompts.messages.size(), 1u);
}

TEST_F(IpSaveFileTest, AFileThatCannotBeCreatedIsReported) {
    rig.ethernetLink.SetIpSavePath((dir.Path() / "no-such-dir" / "IPSave.ini").string());
    rig.ethernetLink.SaveIpText("1.2.3.4", 8);
    EXPECT_EQ(rig.prompts.messages,
              std::vector<std::string>{"Error! Unable to create IPSave.ini file. Check if disk is write-protected"});
}

}  // namespace
}  // namespace vx
