// A connection to an address a tool gives: the panel's connect and test, with the IP field
// and IPSave.ini left alone.
#include <gtest/gtest.h>

#include <filesystem>

#include "TempWorkingDir.h"
#include "TransportRig.h"

namespace vx::test {
namespace {

TEST(EthernetConnectTo, AHostNameGoesToTheClientAsGivenAndNothingIsSaved) {
    TempWorkingDir dir;
    TransportRig rig;
    rig.ipField.text = "10.0.0.9";
    rig.ethernetLink.SetRemotePort(2323);
    rig.tcp.onSend = [&](const std::string&) { rig.tcp.Answer("#", 5); };

    EXPECT_EQ(rig.ethernetLink.ConnectTo("switcher.studio"), ConnectOutcome::Answered);

    EXPECT_EQ(rig.tcp.address, "switcher.studio");
    EXPECT_EQ(rig.tcp.port, 2323);
    EXPECT_EQ(rig.tcp.sends, std::vector<std::string>{"\r"});
    EXPECT_EQ(rig.ipField.text, "10.0.0.9");
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "IPSave.ini"));
}

}  // namespace
}  // namespace vx::test
