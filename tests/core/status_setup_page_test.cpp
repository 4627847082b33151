#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "status/SetupPage.h"

namespace vx {
namespace {

struct SetupCase {
    const char* name;
    byte ip[4];
    const char* firmware;  // exactly the six bytes of the field
    byte locked;
    byte viState;
    const char* ipText;
    const char* firmwareText;
};

void PrintTo(const SetupCase& c, std::ostream* os) {
    *os << c.name;
}

class RecordingSetupView : public SetupPageView {
public:
    void SetFrontPanelLockChecked(bool on) override { locked = on; }
    void SetVIStateChecked(bool on) override { viState = on; }
    void SetIpText(const std::string& t) override { ip = t; }
    void SetFirmwareText(const std::string& t) override { firmware = t; }
    bool locked = false, viState = false;
    std::string ip = "unset", firmware = "unset";
};

class StatusSetupPageTest : public ::testing::TestWithParam<SetupCase> {};

TEST_P(StatusSetupPageTest, ShowsTheMatrixInformation) {
    const SetupCase& c = GetParam();
    SwitcherState model;
    std::memcpy(model.Info.IPAddress, c.ip, 4);
    std::memcpy(model.Info.FirmwareVersion, c.firmware, 6);
    model.Info.FrontPanelLocked = c.locked;
    model.Info.VIState = c.viState;
    model.Info.ModelCode = '!';  // the byte after the firmware field is never shown with it
    RecordingSetupView view;

    RefreshSetupPage(model, view);

    EXPECT_EQ(view.ip, c.ipText);
    EXPECT_EQ(view.firmware, c.firmwareText);
    EXPECT_EQ(view.locked, c.locked != 0);
    EXPECT_EQ(view.viState, c.viState != 0);
}

INSTANTIATE_TEST_SUITE_P(
    Status, StatusSetupPageTest,
    ::testing::Values(
        SetupCase{"SixCharactersWithoutZero", {192, 168, 0, 254}, "V1.23a", 1, 0, "192.168.0.254", "V1.23a"},
        SetupCase{"ShortVersionWithJunkAfterItsZero", {10, 0, 0, 1}, "1.2\0xy", 0, 1, "10.0.0.1", "1.2"},
        SetupCase{"EmptyVersionAndAnyNonZeroFlagIsOn", {0, 0, 0, 0}, "\0\0\0\0\0\0", 2, 255, "0.0.0.0", ""},
        SetupCase{"HighBytesAreUnsigned", {255, 128, 200, 129}, "ABCDEF", 0, 0, "255.128.200.129", "ABCDEF"},
        // One character a byte in the switcher's code page: 0xE9 is e acute, 0x80 the euro sign.
        SetupCase{"EightBitBytesAreCharacters", {1, 2, 3, 4}, "V\xE9\x80 1", 0, 0, "1.2.3.4",
                  "V\u00E9\u20AC 1"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vx
