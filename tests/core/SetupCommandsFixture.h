#pragma once
// The whole panel core with a fake "Setup" page, for the tests of the switcher-wide
// commands: connected over either link, the lines sent over both, and the six controls
// as the operator clicks them.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "PanelRig.h"

namespace vx::setup_test {

using Lines = std::vector<std::string>;

enum class Via { Serial, Tcp };
inline const char* NameOf(Via v) {
    return v == Via::Serial ? "serial" : "tcp";
}

inline bool StartsWith(const std::string& s, const char* prefix) {
    return s.rfind(prefix, 0) == 0;
}

class SetupCommandsTest : public testing::Test {
public:  // the table cases reach the panel through the fixture
    // Connected and read, over the link asked for, to a switcher that answers everything.
    void Connect(Via via) {
        rig().core.FormShow();
        if (via == Via::Serial) {
            rig().SwitcherOnCom(1);
            rig().core.SearchAllClick();
            ASSERT_TRUE(rig().core.Link().SerialLinkActive);
        } else {
            rig().SwitcherOnTcp();
            rig().ipField.text = "10.0.0.7";
            rig().connection.selector = LinkChoice::Ethernet;
            rig().core.SerialModeRadioGroupClick();
            ASSERT_EQ(M().EthernetConnected, 1);
        }
        ASSERT_EQ(M().EventsSuppressed, 0);
        ASSERT_TRUE(rig().prompts.messages.empty()) << rig().prompts.messages.front();
        Forget();
    }
    // Every line from now on is the test's.
    void Forget() {
        rig().fakes.serial.writes.clear();
        rig().fakes.tcp.sends.clear();
        rig().prompts.messages.clear();
        rig().prompts.questions.clear();
        rig().prompts.captions.clear();
        rig().setupPage.menuHistory.clear();
        rig().progress.texts.clear();
        rig().window.hourglassHistory.clear();
    }
    // The lines sent over either link, without bare returns.
    Lines Sent() const {
        Lines out = rig().SerialCommands();
        for (const auto& s : rig().fakes.tcp.sends)
            if (s != "\r") out.push_back(s);
        return out;
    }
    // Both links play the same switcher; this one changes its answer to one keyword.
    void Answer(const char* keyword, std::function<void(const std::string&)> reply) {
        auto serialBefore = rig().fakes.serial.onWrite;
        auto tcpBefore = rig().fakes.tcp.onSend;
        rig().fakes.serial.onWrite = [=](const std::string& line) {
            if (StartsWith(line, keyword))
                reply(line);
            else if (serialBefore)
                serialBefore(line);
        };
        rig().fakes.tcp.onSend = [=](const std::string& line) {
            if (StartsWith(line, keyword))
                reply(line);
            else if (tcpBefore)
                tcpBefore(line);
        };
    }
    // The operator's click: the box changes before the handler runs.
    void ClickLockBox() {
        rig().setupPage.frontPanelLock = !rig().setupPage.frontPanelLock;
        rig().core.FrontPanelLockCheckBoxClick();
    }
    void ClickViBox() {
        rig().setupPage.viState = !rig().setupPage.viState;
        rig().core.VIStateCheckBoxClick();
    }

    // A fresh panel, for table cases that each need one.
    void Renew() { holder = std::make_unique<test::PanelRig>(); }
    test::PanelRig& rig() { return *holder; }
    const test::PanelRig& rig() const { return *holder; }
    SwitcherState& M() { return holder->core.Model(); }

    std::unique_ptr<test::PanelRig> holder = std::make_unique<test::PanelRig>();
};

// The six controls of the page, each as the operator clicks it.
struct Control {
    const char* name;
    std::function<void(SetupCommandsTest&)> click;
    bool reset;
};
inline std::vector<Control> Controls() {
    return {
        {"Front Panel Lockout", [](SetupCommandsTest& t) { t.ClickLockBox(); }, false},
        {"Source Channel 1", [](SetupCommandsTest& t) { t.ClickViBox(); }, false},
        {"Reset", [](SetupCommandsTest& t) { t.rig().core.ResetButtonClick(); }, true},
        {"Factory Reset", [](SetupCommandsTest& t) { t.rig().core.FactoryResetButtonClick(); }, true},
        {"System Save", [](SetupCommandsTest& t) { t.rig().core.SystemSaveButtonClick(); }, false},
        {"System Recall", [](SetupCommandsTest& t) { t.rig().core.SystemRecallButtonClick(); }, false},
    };
}

}  // namespace vx::setup_test
