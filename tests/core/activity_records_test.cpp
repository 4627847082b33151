// The activity log over the whole panel core on fakes: each kind of event leaves its
// record, stamped with the fake clock's time, the user and the link in use.
#include <gtest/gtest.h>

#include "FakeActivity.h"
#include "PanelRig.h"
#include "TakeHistoryRig.h"

namespace vx {
namespace {

using Texts = std::vector<std::string>;

TEST(ActivityRecords, ConnectReadRouteAndTakeOverSerialAreRecordedWithTheirAnswers) {
    test::PanelRig rig;
    test::FakeActivityEnvironment env;
    test::RecordingActivitySink sink;
    rig.core.AttachActivity(&env, &sink);
    rig.SwitcherOnCom(2);
    rig.prompts.answers = {true};
    rig.core.FormShow();
    rig.core.StartupConnection();

    EXPECT_EQ(sink.Of("Link"), (Texts{"Switcher answered on COM2 | connected"}));
    const Texts status = sink.Of("Status");
    ASSERT_FALSE(status.empty());
    EXPECT_EQ(status.front(), "MINFOVX | answered");

    sink.Records.clear();
    rig.core.OutputButtonClick(2);
    rig.core.InputButtonClick(4);
    rig.core.TakeButtonClick();
    EXPECT_EQ(sink.Of("Line"), (Texts{"RTEMP 3 5 | answered", "TAKE 1 | answered"}));
    EXPECT_EQ(sink.Of("Take").size(), 1u);
    for (const auto& r : sink.Records) {
        EXPECT_EQ(r.User, "operator1");
        EXPECT_EQ(r.Link, "COM2");
        EXPECT_EQ(r.When.Millisecond, 415);
    }
}

TEST(ActivityRecords, AnActionFromTheKeyboardIsRecordedUnderTheKindOfTheSameClick) {
    std::vector<std::vector<std::string>> kinds;
    for (bool byKeys : {false, true}) {
        SCOPED_TRACE(byKeys ? "keys" : "clicks");
        test::PanelRig rig;
        test::FakeActivityEnvironment env;
        test::RecordingActivitySink sink;
        rig.core.AttachActivity(&env, &sink);
        rig.SwitcherOnCom(1);
        rig.prompts.answers = {true};
        rig.core.FormShow();
        rig.core.StartupConnection();
        sink.Records.clear();
        if (byKeys) {
            for (KeyStroke k : {KeyStroke{RoutingKey::Output}, KeyStroke{RoutingKey::Digit, 3},
                                KeyStroke{RoutingKey::Enter}, KeyStroke{RoutingKey::Input},
                                KeyStroke{RoutingKey::Digit, 5}, KeyStroke{RoutingKey::Enter},
                                KeyStroke{RoutingKey::Take}})
                EXPECT_TRUE(rig.core.VideoPageKey(k));
        } else {
            rig.core.OutputButtonClick(2);
            rig.core.InputButtonClick(4);
            rig.core.TakeButtonClick();
        }
        std::vector<std::string> seen;
        for (const auto& r : sink.Records)
            if (r.Kind != "Line" && r.Kind != "Status") seen.push_back(r.Kind + ": " + r.Text);
        kinds.push_back(seen);
    }
    EXPECT_EQ(kinds[1], kinds[0]);
    EXPECT_FALSE(kinds[0].empty());
}

TEST(ActivityRecords, LinesWithoutAnAnswerOrWithoutALinkSaySo) {
    struct Case {
        const char* name;
        bool linkInUse;
        const char* outcome;
        const char* link;
    } cases[] = {{"silent switcher", true, "no answer", "COM1"},
                 {"no link", false, "not sent: no link", "none"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::PanelRig rig;
        test::FakeActivityEnvironment env;
        test::RecordingActivitySink sink;
        rig.core.AttachActivity(&env, &sink);
        rig.core.FormShow();
        rig.core.Model().HandlerBusy = 0;
        if (c.linkInUse) {
            rig.fakes.serial.availablePorts = {1};
            rig.fakes.serial.selected = 1;
            rig.SerialLinkInUse();
        }
        rig.core.OutputButtonClick(0);
        rig.core.InputButtonClick(3);
        rig.core.TakeButtonClick();
        const std::string o = c.outcome;
        EXPECT_EQ(sink.Of("Line"), (Texts{"RTEMP 1 4 | " + o, "TAKE 1 | " + o}));
        ASSERT_EQ(sink.Of("Take").size(), 1u);
        EXPECT_EQ(sink.Records.back().Kind, "Take");
        EXPECT_EQ(sink.Records.back().Outcome, o);
        EXPECT_EQ(sink.Records.back().Link, c.link);
    }
}

TEST(ActivityRecords, SelectingAnOutputSendsNothingAndIsNoRecord) {
    test::TakeHistoryRig h;
    test::FakeActivityEnvironment env;
    test::RecordingActivitySink sink;
    h.rig.core.AttachActivity(&env, &sink);
    h.rig.core.OutputButtonClick(2);
    EXPECT_TRUE(sink.Records.empty());
}

TEST(ActivityRecords, TakeUndoAndProtectionChangesAreRecordedInWords) {
    test::TakeHistoryRig h;
    test::FakeActivityEnvironment env;
    test::RecordingActivitySink sink;
    h.rig.core.AttachActivity(&env, &sink);
    h.Pend(3, 5);
    h.rig.core.TakeButtonClick();
    EXPECT_EQ(sink.Of("Route"), (Texts{"Output 3: input 2 to 5 (pending) | answered"}));
    EXPECT_EQ(sink.Of("Take"), (Texts{"Output 3: input 2 to 5 | answered"}));
    h.rig.core.UndoTakeClick();
    EXPECT_EQ(sink.Of("Undo"), (Texts{"Output 3: input 5 to 2 | answered"}));
    h.rig.core.ProtectOutputClick(3);
    h.rig.core.ProtectOutputClick(3);
    EXPECT_EQ(sink.Of("Protect"), (Texts{"Output 4"}));
    EXPECT_EQ(sink.Of("Unprotect"), (Texts{"Output 4"}));
}

TEST(ActivityRecords, ConfigurationFileSavesAndLoadsAreRecordedWithTheirOutcome) {
    test::TakeHistoryRig h;
    test::FakeActivityEnvironment env;
    test::RecordingActivitySink sink;
    h.rig.core.AttachActivity(&env, &sink);
    h.rig.prompts.savePaths = {"a.cfg", "b.cfg"};
    h.rig.core.SaveConfigurationtoFile1Click();
    h.rig.files.failWrites = true;
    h.rig.core.SaveConfigurationtoFile1Click();
    h.rig.prompts.openPaths = {"a.cfg", "missing.cfg"};
    h.rig.core.OpenConfigurationFile1Click();
    h.rig.core.OpenConfigurationFile1Click();
    EXPECT_EQ(sink.Of("File"),
              (Texts{"Configuration file saved: a.cfg | saved", "Configuration file saved: b.cfg | not saved",
                     "Configuration file opened: a.cfg | read",
                     "Configuration file opened: missing.cfg | could not be opened"}));
}

TEST(ActivityRecords, ATcpDropAndTheReconnectionAreRecorded) {
    test::PanelRig rig;
    test::FakeActivityEnvironment env;
    test::RecordingActivitySink sink;
    rig.core.AttachActivity(&env, &sink);
    rig.SwitcherOnTcp();
    rig.ipField.text = "10.0.0.5";
    rig.connection.selector = LinkChoice::Ethernet;
    rig.core.SerialModeRadioGroupClick();
    ASSERT_EQ(rig.core.Model().EthernetConnected, 1);
    rig.core.SetFollow({true, 2});
    rig.core.SystemSaveButtonClick();
    EXPECT_EQ(sink.Of("Line"), (Texts{"UPSYS | sent"}));

    rig.fakes.tcp.active = false;
    rig.fakes.tcp.listener->Disconnected();
    rig.fakes.tcp.listener->Error(SocketErrorKind::Disconnect);
    rig.fakes.followTimer.Fire();
    EXPECT_EQ(sink.Of("Link"),
              (Texts{"Switcher answered over TCP at 10.0.0.5 | connected", "TCP connection dropped | lost",
                     "Switcher answered over TCP at 10.0.0.5 after 1 attempt | reconnected"}));
}

}  // namespace
}  // namespace vx
