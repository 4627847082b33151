// vxpanel: the control panel of the Vextaro crosspoint switcher.
#include <QApplication>
#include <optional>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <exception>
#include <map>
#include <memory>

#include "platform/QtActivityLog.h"
#include "platform/QtServices.h"
#include "platform/QtTextFileStore.h"
#include "platform/SerialPortPaths.h"
#include "platform/WorkingFolder.h"
#include "settings/ServeSettings.h"
#include "ui/PanelStyle.h"
#include "ui/RunUntilEnd.h"
#include "ui/ServeControl.h"
#include "ui/StatusLight.h"
#include "ui/TMatrixForm.h"
#include "ui/TerminalView.h"

namespace {

// Shows the window in its start state, saves a picture of it and ends.
void ScheduleScreenshot(vx::ui::TMatrixForm& form, const QString& file) {
    form.SetConnectOnFirstShow(false);
    QTimer::singleShot(300, &form, [&form, file] {
        const bool saved = form.grab().save(file);
        if (!saved) qWarning("vxpanel: could not write %s", qPrintable(file));
        QApplication::exit(saved ? 0 : 1);
    });
}

// The About page shows what the serial port does: its line states and its traffic.
void ShowSerialPortOnAboutPage(vx::platform::QtSerialPortService& serial, vx::ui::TMatrixForm& form) {
    using vx::ui::LineLight;
    serial.SetLineLightsHandler([&form](const vx::platform::SerialLineLights& l) {
        form.LineLightOf(LineLight::TXD).SetLit(l.Txd);
        form.LineLightOf(LineLight::RXD).SetLit(l.Rxd);
        form.LineLightOf(LineLight::DCD).SetLit(l.Dcd);
        form.LineLightOf(LineLight::DSR).SetLit(l.Dsr);
        form.LineLightOf(LineLight::CTS).SetLit(l.Cts);
    });
    serial.SetTrafficHandler([&form](bool, const QByteArray& bytes) {
        form.Terminal().AppendBytes(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    });
}

void StopShowingSerialPort(vx::platform::QtSerialPortService& serial) {
    serial.SetLineLightsHandler({});
    serial.SetTrafficHandler({});
}

// True when the command line asks only for the help or the version text, which must
// print on a machine without a display.
bool AsksForTextOnly(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a == "-h" || a == "--help" || a == "--help-all" || a == "-v" || a == "--version" || a == "-?")
            return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    // Help and version need no window system: a plain application prints them and ends.
    std::unique_ptr<QCoreApplication> app = AsksForTextOnly(argc, argv)
                                                ? std::make_unique<QCoreApplication>(argc, argv)
                                                : std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName("Tavrel Kessway Vextaro");
    QCoreApplication::setApplicationVersion(vx::ui::GuiVersion);
    // The desktop entry's name, so that a desktop shows the panel's window with its icon.
    QGuiApplication::setDesktopFileName("com.tavrelkessway.vxpanel");
    if (qobject_cast<QApplication*>(app.get())) QApplication::setStyle(vx::ui::NewPanelStyle());

    QCommandLineParser parser;
    parser.setApplicationDescription("Control panel of the Vextaro video crosspoint switcher.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption screenshot(
        "screenshot",
        "Show the window in its start state without connecting, save a picture of it to FILE and exit.",
        "FILE");
    parser.addOption(screenshot);
    QList<QCommandLineOption> comOptions;
    for (int n = 1; n <= 4; ++n)
        comOptions << QCommandLineOption(QStringLiteral("com%1").arg(n),
                                         QStringLiteral("Device of COM%1 (default %2), for example /dev/ttyUSB0.")
                                             .arg(n)
                                             .arg(vx::platform::SerialPortPaths::DefaultPath(n)),
                                         QStringLiteral("PATH"));
    parser.addOptions(comOptions);
    const QCommandLineOption tcpPortOption(
        "tcp-port", "TCP port of the switcher (default 23); another port reaches the simulator.", "N", "23");
    parser.addOption(tcpPortOption);
    const QCommandLineOption dataDirOption(
        "data-dir", "Work in DIR, made when missing; the panel keeps IPSave.ini in its working directory.",
        "DIR");
    parser.addOption(dataDirOption);
    const QCommandLineOption desktopOption(
        "desktop",
        "Work in the user's data folder for the panel ($XDG_DATA_HOME/vxpanel, by default "
        "~/.local/share/vxpanel), made when missing; the desktop entry starts the panel so.");
    parser.addOption(desktopOption);
    const QCommandLineOption followOption(
        "follow",
        "Follow the switcher: poll it every SECONDS (1-60) and show what it holds, whoever changed it. "
        "Remembered, with the Setup page's follow settings, in VXPanel.ini beside IPSave.ini.",
        "SECONDS");
    parser.addOption(followOption);
    const QCommandLineOption serveOption(
        "serve",
        "Serve router control systems (the router protocol) on PORT, at ADDRESS when given (default "
        "127.0.0.1: this computer alone). Remembered with the Setup page's settings in VXPanel.ini.",
        "[ADDRESS:]PORT");
    parser.addOption(serveOption);
    parser.process(*app);
    if (!qobject_cast<QApplication*>(app.get())) return 0;  // the text has been printed

    // From here on a signal ends the panel with its records written, whatever box is open.
    vx::ui::EndOnSignals ends;

    bool portOk = false;
    const int tcpPort = parser.value(tcpPortOption).toInt(&portOk);
    if (!portOk || tcpPort < 1 || tcpPort > 65535) {
        std::fprintf(stderr, "vxpanel: --tcp-port expects a number from 1 to 65535\n");
        return 2;
    }
    int followSeconds = 0;
    if (parser.isSet(followOption)) {
        bool ok = false;
        followSeconds = parser.value(followOption).toInt(&ok);
        if (!ok || followSeconds < vx::MinFollowSeconds || followSeconds > vx::MaxFollowSeconds) {
            std::fprintf(stderr, "vxpanel: --follow expects a number of seconds from 1 to 60\n");
            return 2;
        }
    }
    std::optional<vx::ServeOption> serve;
    if (parser.isSet(serveOption)) {
        serve = vx::ParseServeOption(parser.value(serveOption).toStdString());
        if (!serve->Error.empty()) {
            std::fprintf(stderr, "vxpanel: %s\n", serve->Error.c_str());
            return 2;
        }
    }
    // A picture named on the command line lands where the command was given.
    const QString screenshotFile =
        parser.isSet(screenshot) ? QFileInfo(parser.value(screenshot)).absoluteFilePath() : QString();
    const bool desktopLaunch = parser.isSet(desktopOption);
    if (desktopLaunch || parser.isSet(dataDirOption)) {
        const QString folder =
            parser.isSet(dataDirOption) ? parser.value(dataDirOption) : vx::platform::DesktopDataFolder();
        const QString error = vx::platform::EnterWorkingFolder(folder);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "vxpanel: %s\n", qPrintable(error));
            // Started from the menu there is no terminal to read the line above.
            if (desktopLaunch) QMessageBox::critical(nullptr, QApplication::applicationName(), error);
            return 1;
        }
    }
    std::map<int, QString> comPaths;
    for (int n = 1; n <= 4; ++n)
        if (parser.isSet(comOptions[n - 1])) comPaths[n] = parser.value(comOptions[n - 1]);

    // An error while the panel starts is shown, then the process ends quietly.
    try {
        vx::platform::QtServices services;
        services.Serial.SetPortPaths(comPaths);
        vx::LinkServices bundle = services.Bundle();
        // The activity log outlives the window, so the panel's last records reach the disk.
        vx::platform::QtActivityLog activity(QDir::current().filePath(vx::platform::LogFolderName));
        activity.Start();
        vx::platform::QtTextFileStore settingsFiles;
        vx::ui::TMatrixForm form(bundle);
        ends.Watch(form);
        form.Core().AttachActivity(&activity.Environment(), &activity.Sink());
        activity.OnStatusNote = [&form](const std::string& note) { form.ShowStatus(note); };
        form.SetActivityRecords(vx::ui::ActivityLogWindow::RecordFeed{
            [&activity] { return activity.TodayCount(); },
            [&activity](std::size_t from) { return activity.TodayFrom(from); }});
        form.Core().Ethernet().SetRemotePort(tcpPort);
        // The panel's own settings live beside IPSave.ini, in the working folder.
        form.Core().LoadPanelSettings(vx::PanelSettingsFileName, settingsFiles);
        if (followSeconds > 0) form.Core().SetFollow({true, followSeconds});
        // Serving turns follow on; the panel listens on no port unless asked.
        vx::ui::ServeControl serving(form, form.Core(), vx::PanelSettingsFileName);
        serving.Load(serve);
        ShowSerialPortOnAboutPage(services.Serial, form);
        if (!screenshotFile.isEmpty()) ScheduleScreenshot(form, screenshotFile);
        form.show();
        const int result = vx::ui::RunUntilEnd(form, ends);
        // The window goes first; the port must not draw on it any more.
        StopShowingSerialPort(services.Serial);
        form.Core().AttachActivity(nullptr, nullptr);
        activity.Flush();
        return result;
    } catch (const std::exception& e) {
        ends.Unwatch();  // the window it watched is gone
        QMessageBox::critical(nullptr, QApplication::applicationName(), e.what());
        return 0;
    }
}
