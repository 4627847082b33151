// The panel serving router control systems against the simulator: the Setup page's box
// starts the server and keeps its settings, a client's route goes through the panel over
// the serial link while ACK and PING answer at once, and a lock holds the operator back.
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>
#include <QStatusBar>
#include <QTcpServer>
#include <QTcpSocket>

#include "SwitcherSession.h"
#include "platform/RouterServer.h"
#include "settings/PanelSettingsFile.h"
#include "settings/ServeSettings.h"
#include "ui/ServeBox.h"
#include "ui/ServeControl.h"
#include "ui/CrosspointWindow.h"
#include "ui/MainMenu.h"
#include "ui/SetupPage.h"

namespace vx::test {
namespace {

quint16 FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

class ServeSession : public SwitcherSession {
protected:
    void TearDown() override {
        serving.reset();
        SwitcherSession::TearDown();
    }
    void Serve() {
        serving = std::make_unique<ui::ServeControl>(*form, form->Core(), Path("VXPanel.ini").toStdString());
        serving->Load();
        port = FreePort();
        auto* box = form->findChild<ui::ServeBox*>("ServeGroupBox");
        ASSERT_NE(box, nullptr);
        ASSERT_NE(box->parentWidget()->findChild<QCheckBox*>("FollowCheckBox"), nullptr) << "on the Setup page";
        box->ServePortSpinBox->setValue(port);
        box->ServeCheckBox->click();
        ASSERT_TRUE(serving->Server() && serving->Server()->Listening());
    }
    // What the client was sent, read until text is there or limitMs have passed.
    bool ReadUntil(QTcpSocket& c, QByteArray& got, const QByteArray& text, int limitMs = 8000) {
        return EventsUntil([&] {
            got += c.readAll();
            return got.contains(text);
        }, limitMs);
    }
    std::unique_ptr<ui::ServeControl> serving;
    quint16 port = 0;
};

TEST_F(ServeSession, TheBoxServesKeepsItsSettingsAndAClientRoutesThroughThePanel) {
    Start({"--delay-ms", "150"});
    ASSERT_NO_FATAL_FAILURE(ConnectSerial());
    ASSERT_NO_FATAL_FAILURE(Serve());
    EXPECT_TRUE(form->Core().Following().On()) << "serving turns follow on";
    const ServeSettings kept = ServeSettingsOf(ReadPanelSettingsLines(Path("VXPanel.ini").toStdString()));
    EXPECT_TRUE(kept.On);
    EXPECT_EQ(kept.Port, port);
    EXPECT_EQ(kept.Address, "127.0.0.1");

    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, port);
    ASSERT_TRUE(client.waitForConnected(3000));
    QByteArray got;
    ASSERT_TRUE(ReadUntil(client, got, "END PRELUDE:\n\n"));
    EXPECT_TRUE(got.contains("Device present: true"));
    EXPECT_TRUE(EventsUntil([&] { return form->statusBar()->findChild<QLabel*>("ServeStatusLabel")->text() == "1 router client"; }, 3000));
    got.clear();
    // The route holds the window's thread in serial waits; the PING behind it is answered
    // from the server's thread, before the route's change comes back.
    client.write("VIDEO OUTPUT ROUTING:\n4 6\n\nPING:\n\n");
    ASSERT_TRUE(ReadUntil(client, got, "VIDEO OUTPUT ROUTING:\n4 6\n\n"));
    EXPECT_TRUE(got.startsWith("ACK\n\nACK\n\n")) << got.toStdString();
    EXPECT_EQ(form->Core().Model().Routes[4].Input, 6);
    EXPECT_EQ(form->Core().Model().Routes[4].Committed, 1);
}

TEST_F(ServeSession, AClientsLockHoldsTheOperatorBackAndTheOperatorMayUnlockIt) {
    Start();
    ASSERT_NO_FATAL_FAILURE(ConnectSerial());
    ASSERT_NO_FATAL_FAILURE(Serve());
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, port);
    ASSERT_TRUE(client.waitForConnected(3000));
    QByteArray got;
    ASSERT_TRUE(ReadUntil(client, got, "END PRELUDE:\n\n"));
    client.write("VIDEO OUTPUT LOCKS:\n2 O\n\n");
    ASSERT_TRUE(ReadUntil(client, got, "2 O\n"));
    ASSERT_TRUE(EventsUntil([&] { return serving->Server()->Side()->Holder(2) == "127.0.0.1"; }, 3000));
    const int before = form->Core().Model().Routes[2].Input;
    Click("OutputButton3");
    EXPECT_NE(form->findChild<QLabel*>("MainStatusText")->text().indexOf("locked by router client 127.0.0.1"), -1)
        << form->findChild<QLabel*>("MainStatusText")->text().toStdString();
    Route(3, before == 4 ? 5 : 4);
    EXPECT_EQ(form->Core().Model().Routes[2].Input, before) << "refused";
    // The mark and the menu item, as a screen reader and a right click reach them.
    auto* button = form->findChild<QPushButton*>("OutputButton3");
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(a->text(QAccessible::Description).contains("locked by router client 127.0.0.1"))
        << a->text(QAccessible::Description).toStdString();
    auto* unlock = form->findChild<QAction*>("UnlockOutputAction3");
    ASSERT_NE(unlock, nullptr);
    EXPECT_TRUE(unlock->isVisible());
    EXPECT_EQ(unlock->text(), "Unlock (held by 127.0.0.1)");
    EXPECT_TRUE(button->actions().contains(unlock));
    // The crosspoint matrix marks the row too.
    form->Menu().CrosspointMatrix1->trigger();
    ASSERT_NE(form->Crosspoint(), nullptr);
    QAccessibleInterface* heading =
        QAccessible::queryAccessibleInterface(form->Crosspoint()->findChild<QWidget*>("CrosspointOutputHeading3"));
    ASSERT_NE(heading, nullptr);
    EXPECT_TRUE(heading->text(QAccessible::Description).contains("locked by router client 127.0.0.1"))
        << heading->text(QAccessible::Description).toStdString();
    got.clear();
    unlock->trigger();
    EXPECT_TRUE(ReadUntil(client, got, "VIDEO OUTPUT LOCKS:\n2 U\n\n"));
    EXPECT_FALSE(unlock->isVisible());
    EXPECT_FALSE(a->text(QAccessible::Description).contains("locked by"));
    EXPECT_FALSE(heading->text(QAccessible::Description).contains("locked by"));
}

}  // namespace
}  // namespace vx::test
