// Follow mode against the simulator, over the pseudo-terminal and over TCP: what another
// client changes shows on the panel, polls wait for what is under way, a take the switcher
// ignores is marked, a silent switcher and a dropped connection open no box, and the
// settings are remembered in the panel's own file.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTcpSocket>
#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>

#include "SwitcherSession.h"
#include "settings/PanelSettingsFile.h"
#include "ui/Look.h"

namespace vx::test {
namespace {

class FollowSession : public SwitcherSession {
protected:
    // A second client of the simulator sends lines of its own, as a script would.
    bool SendAsAnotherClient(const QByteArray& lines) {
        QTcpSocket other;
        other.connectToHost("127.0.0.1", static_cast<quint16>(sim->TcpPort()));
        if (!other.waitForConnected(2000)) return false;
        other.write(lines);
        other.flush();
        // Every line answered: one prompt each.
        QByteArray answers;
        for (int tries = 0; tries < 20 && answers.count('#') < lines.count('\r'); ++tries) {
            other.waitForReadyRead(200);
            answers += other.readAll();
        }
        return answers.count('#') >= lines.count('\r');
    }
    QString DescriptionOf(const char* name) const {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(form->findChild<QWidget*>(name));
        return a ? a->text(QAccessible::Description) : QString();
    }
    void Follow(int seconds) { form->Core().SetFollow({true, seconds}); }
    long Count(const std::string& line, std::size_t from = 0) const {
        const auto w = WireWithLinks(from);
        return std::count_if(w.begin(), w.end(), [&](const WireLine& l) { return l.text == line; });
    }

    // A route taken by another client shows on the panel within two intervals: by the
    // second poll after it at the latest (counted in polls, not in time).
    void ExpectChangeFromAnotherClientShows() {
        Follow(1);
        const std::size_t from = WireWithLinks().size();
        ASSERT_TRUE(SendAsAnotherClient("RTEMP 3 7\rTAKE 1\r"));
        ASSERT_TRUE(EventsUntil([&] { return form->Core().Model().Routes[2].Input == 6; }, 10000));
        EXPECT_LE(Count("OINFOVX", from), 2) << "within two polls";
        EXPECT_EQ(form->Core().Model().Routes[2].Committed, 1);
        EXPECT_EQ(form->findChild<QLabel*>("VideoLabel3")->text(), "7");
        EXPECT_EQ(DescriptionOf("VideoLabel3"), "7, route in force, changed at the switcher");
        EXPECT_EQ(form->StatusText(), "Output 3 is now from input 7, changed at the switcher");
        EXPECT_TRUE(prompts.messages.empty());
        // Selected by the operator, the output's mark has been seen.
        form->findChild<QPushButton*>("OutputButton3")->click();
        EXPECT_EQ(DescriptionOf("VideoLabel3"), "7, route in force");
    }
};

TEST_F(FollowSession, ARouteChangedByAnotherClientShowsOverTheSerialLink) {
    Start();
    ASSERT_NO_FATAL_FAILURE(ConnectSerial());
    ExpectChangeFromAnotherClientShows();
}

TEST_F(FollowSession, ARouteChangedByAnotherClientShowsOverTcp) {
    Start();
    ASSERT_NO_FATAL_FAILURE(ConnectTcp());
    ExpectChangeFromAnotherClientShows();
}

TEST_F(FollowSession, WithFollowOffNothingIsSentBetweenTheOperatorsActions) {
    Start();
    ASSERT_NO_FATAL_FAILURE(ConnectTcp());
    const std::size_t before = WireWithLinks().size();
    QTest::qWait(2500);
    EXPECT_EQ(WireWithLinks().size(), before);
}

TEST_F(FollowSession, APollWaitsForAReadAndAPreviewAndNoAnswerIsSpliced) {
    // Slow answers over the pseudo-terminal: a read outlasts the interval.
    Start({"--delay-ms", "60"});
    ASSERT_NO_FATAL_FAILURE(ConnectSerial());
    Follow(1);
    const std::size_t from = WireWithLinks().size();
    form->Core().ReadfromVextaros1Click();
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messages.front();
    ASSERT_TRUE(EventsUntil([&] { return Count("OINFOVX", from) >= 2; }, 8000));
    std::vector<std::string> lines;
    for (const auto& l : WireWithLinks(from)) lines.push_back(l.text);
    ASSERT_GE(lines.size(), kReadOrder.size() + 2);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 20), kReadOrder)
        << "the serial status queries of the read come one after another, nothing between them";
    EXPECT_EQ(lines[20], "MINFOVX");
    EXPECT_EQ(lines[21], "OINFOVX");

    // A preview keeps the poll back until it ends.
    form->Core().PresetsSaveButtonClick();
    form->Core().PresetButtonClick(0);
    form->Core().PresetsRecallButtonClick();
    form->Core().PresetButtonClick(0);
    ASSERT_NE(form->Core().Model().PreviewActive, 0);
    const std::size_t previewFrom = WireWithLinks().size();
    QTest::qWait(2200);
    EXPECT_EQ(Count("MINFOVX", previewFrom), 0) << "no poll under a preview";
    form->Core().PresetRecallCancelButtonClick();
    EXPECT_TRUE(EventsUntil([&] { return Count("OINFOVX", previewFrom) >= 1; }, 5000));
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(form->StatusText().isEmpty()) << form->StatusText().toStdString();
}

TEST_F(FollowSession, ATakeTheSwitcherAcknowledgesAndIgnoresIsMarkedFailed) {
    Start({"--ignore", "TAKE"});
    ASSERT_NO_FATAL_FAILURE(ConnectTcp());
    Follow(5);
    form->findChild<QPushButton*>("OutputButton3")->click();
    form->findChild<QPushButton*>("InputButton5")->click();
    form->findChild<QPushButton*>("TakeButton")->click();
    QLabel* label = form->findChild<QLabel*>("VideoLabel3");
    EXPECT_TRUE(ui::HasFailedFrame(label));
    EXPECT_TRUE(DescriptionOf("VideoLabel3").startsWith("5, pending route, take failed: input 5 asked, "))
        << DescriptionOf("VideoLabel3").toStdString();
    EXPECT_TRUE(form->StatusText().startsWith("Take failed on output 3 (input 5 asked, "))
        << form->StatusText().toStdString();
    EXPECT_EQ(form->Core().Model().Routes[2].Committed, 0) << "pending, as the switcher holds it";
    EXPECT_EQ(Count("TAKE 1"), 1) << "nothing is retried";
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(FollowSession, ASilentSwitcherGivesTheStatusNoteAndNoBox) {
    Start();
    ASSERT_NO_FATAL_FAILURE(ConnectTcp());
    Follow(1);
    ASSERT_TRUE(sim->Pause(true));
    EXPECT_TRUE(EventsUntil(
        [&] { return form->StatusText().startsWith("The switcher has not answered since "); }, 8000))
        << form->StatusText().toStdString();
    EXPECT_TRUE(prompts.messages.empty());
    ASSERT_TRUE(sim->Pause(false));
    EXPECT_TRUE(EventsUntil([&] { return form->StatusText().isEmpty(); }, 8000))
        << "the first answer clears it";
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(FollowSession, ADroppedTcpConnectionIsReconnectedAndReadOnce) {
    // The connection ends a few lines into the first poll. The switcher's own address is
    // not the one that reaches it, as behind a forwarded port.
    Start({"--drop-after", "25", "--ip", "10.1.2.3"});
    ASSERT_NO_FATAL_FAILURE(ConnectTcp());
    ASSERT_EQ(Count("PGINFOVX 7"), 1);
    ASSERT_EQ(form->findChild<QLineEdit*>("IPAddrEdit")->text(), "10.1.2.3") << "the read wrote its own";
    Follow(1);
    ASSERT_TRUE(EventsUntil([&] { return Count("PGINFOVX 7") >= 2; }, 15000))
        << "read again after reconnecting";
    EXPECT_TRUE(EventsUntil([&] { return form->Core().Model().EthernetConnected == 1; }, 5000));
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messages.front();
    // The read after the reconnection is whole: its twenty queries one after another.
    std::vector<std::string> lines;
    for (const auto& l : WireWithLinks()) lines.push_back(l.text);
    const auto last = std::find(lines.rbegin(), lines.rend(), "PGINFOVX 7");
    const auto end = last.base();
    ASSERT_GE(end - lines.begin(), 20);
    EXPECT_EQ(std::vector<std::string>(end - 20, end), kReadOrder);
}

TEST_F(FollowSession, APollLeavesTheIpFieldAsTheOperatorTypesIt) {
    Start();
    ASSERT_NO_FATAL_FAILURE(ConnectTcp());
    Follow(1);
    auto* field = form->findChild<QLineEdit*>("IPAddrEdit");
    field->clear();
    QTest::keyClicks(field, "10.0.");
    ASSERT_TRUE(SendAsAnotherClient("RTEMP 3 7\rTAKE 1\r"));
    ASSERT_TRUE(EventsUntil([&] { return form->Core().Model().Routes[2].Input == 6; }, 10000))
        << "a poll found the change and redrew the pages";
    EXPECT_EQ(field->text(), "10.0.");
}

TEST_F(FollowSession, ADropInsideTheReadAfterAReconnectionOpensNoBox) {
    Start({"--control"});
    ASSERT_NO_FATAL_FAILURE(ConnectTcp());
    Follow(1);
    // Every connection from now on ends a few queries into the read that follows it.
    ASSERT_TRUE(sim->Control("drop-after 4"));
    const std::size_t from = WireWithLinks().size();
    ASSERT_TRUE(sim->Control("drop-tcp"));
    ASSERT_TRUE(EventsUntil([&] { return Count("OINFOVX", from) >= 2 && Count("MINFOVX", from) >= 2; }, 15000))
        << "reconnected and began to read";
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messages.front();
    ASSERT_TRUE(sim->Control("drop-after 0"));
    EXPECT_TRUE(EventsUntil([&] { return form->StatusText().startsWith("Connected to the switcher again at "); },
                            40000))
        << form->StatusText().toStdString();
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messages.front();
}

TEST_F(FollowSession, ALostSerialPortEndsInItsOneMessageAndFollowStops) {
    Start();
    ASSERT_NO_FATAL_FAILURE(ConnectSerial());
    Follow(1);
    ASSERT_TRUE(sim->Signal(SIGUSR1, "serial hung up"));
    ASSERT_TRUE(EventsUntil([this] { return form->Core().Model().SerialPortOpen == 0; }));
    EventsUntil([] { return false; }, 2500);  // two intervals more: nothing else may come of it
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].rfind("Error! The connection to COM1 was lost", 0), 0u)
        << prompts.messages[0];
    EXPECT_FALSE(form->Core().Following().On());
    EXPECT_FALSE(form->findChild<QCheckBox*>("FollowCheckBox")->isChecked());
}

TEST_F(FollowSession, TheSettingsAreRememberedBesideIpSaveAndTheBoxActsHoweverOperated) {
    Start();
    form->Core().LoadPanelSettings();
    auto* box = form->findChild<QCheckBox*>("FollowCheckBox");
    auto* interval = form->findChild<QSpinBox*>("FollowIntervalSpinBox");
    ASSERT_TRUE(box && interval);
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(interval->value(), 2);
    // The box's accessible toggle acts as a click does.
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(box);
    ASSERT_TRUE(a && a->actionInterface());
    a->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(EventsUntil([&] { return form->Core().Following().On(); }, 1000));
    interval->setValue(5);
    EXPECT_EQ(form->Core().Following().Settings().IntervalSeconds, 5);
    const FollowSettings kept = ReadFollowSettings((dir.Path() / PanelSettingsFileName).string());
    EXPECT_TRUE(kept.On);
    EXPECT_EQ(kept.IntervalSeconds, 5);
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "IPSave.ini")) << "IPSave.ini is not touched";

    // A new panel starts as the operator left it.
    form.reset();
    form = std::make_unique<ui::TMatrixForm>(bundle, &prompts);
    form->SetConnectOnFirstShow(false);
    form->Core().LoadPanelSettings();
    EXPECT_TRUE(form->findChild<QCheckBox*>("FollowCheckBox")->isChecked());
    EXPECT_EQ(form->findChild<QSpinBox*>("FollowIntervalSpinBox")->value(), 5);
    EXPECT_TRUE(form->Core().Following().On());
}

}  // namespace
}  // namespace vx::test
