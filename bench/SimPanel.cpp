#include "SimPanel.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <cstdio>

#include "ui/RadioGroup.h"

int BenchFail(const char* program, const char* what, const std::vector<std::string>& messages) {
    std::fprintf(stderr, "%s: %s\n", program, what);
    for (const auto& m : messages) std::fprintf(stderr, "  message: %s\n", m.c_str());
    return 1;
}

SimPanel::SimPanel(const char* vxsim, double baud, const QStringList& extraArgs) {
    const QString com1 = dir.filePath("com1");
    sim.start(vxsim, QStringList{"--model", "20", "--baud", QString::number(baud), "--tcp", "127.0.0.1:0",
                                 "--serial", com1} +
                         extraArgs);
    QString simOut;
    for (int tries = 0; tries < 50 && !(simOut.contains("tcp ") && simOut.contains("serial ")); ++tries) {
        sim.waitForReadyRead(200);
        simOut += sim.readAllStandardOutput();
    }
    const auto port = QRegularExpression("tcp [0-9.]+:(\\d+)").match(simOut);
    if (!port.hasMatch()) return;
    tcpPort = port.captured(1).toInt();

    services.Serial.SetPortPaths(
        {{1, com1}, {2, dir.filePath("com2")}, {3, dir.filePath("com3")}, {4, dir.filePath("com4")}});
    bundle = std::make_unique<vx::LinkServices>(services.Bundle());
    form = std::make_unique<vx::ui::TMatrixForm>(*bundle, &prompts);
    form->SetConnectOnFirstShow(false);
    form->Core().Ethernet().SetRemotePort(tcpPort);
    form->show();
    QCoreApplication::processEvents();
    // Every page, as the window has them a moment after it opened.
    form->BuildAllPages();
}

SimPanel::~SimPanel() {
    services.Serial.SetTrafficHandler({});
    if (form) form->Core().Link().SerialLinkActive = false;
    if (services.Serial.IsOpen()) services.Serial.Close();
    services.Tcp.Close();
    form.reset();
    sim.terminate();
    sim.waitForFinished(3000);
}

bool SimPanel::ChooseEthernet() {
    form->findChild<QLineEdit*>("IPAddrEdit")->setText("127.0.0.1");
    auto* selector = form->findChild<vx::ui::RadioGroup*>("SerialModeRadioGroup");
    selector->SetItemIndex(1);
    emit selector->ItemClicked(1);
    return form->Core().Model().EthernetConnected == 1;
}
