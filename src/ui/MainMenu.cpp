#include "ui/MainMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace vx::ui {

namespace {

QAction* NewItem(QMenu* menu, const QString& name, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    return a;
}

QMenu* NewMenu(QWidget* parent, const QString& name, const QString& caption) {
    auto* m = new QMenu(caption, parent);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name + "Item");
    return m;
}

}  // namespace

MainMenu::MainMenu(QMenuBar* bar) : QObject(bar) {
    setObjectName("MainMenu1");
    BuildFile(bar);
    BuildSerialPort(bar);
    BuildView(bar);
    About1 = bar->addAction("About");
    About1->setObjectName("About1");
}

void MainMenu::BuildFile(QMenuBar* bar) {
    File1 = NewMenu(bar, "File1", "File");
    OpenConfigurationFile1 = NewItem(File1, "OpenConfigurationFile1", "Open Configuration File");
    SaveConfigurationtoFile1 = NewItem(File1, "SaveConfigurationtoFile1", "Save Configuration to File");
    File1->addSeparator();
    Exit1 = NewItem(File1, "Exit1", "Exit");
    bar->addMenu(File1);
}

void MainMenu::BuildSerialPort(QMenuBar* bar) {
    Search1 = NewMenu(bar, "Search1", "Serial Port");
    OpenCOM1 = NewMenu(Search1, "OpenCOM1", "Open COM");
    // Not an exclusive group: connection management alone decides which item carries the
    // check mark (none after a failed attempt).
    for (int n = 1; n <= ComPortCount; ++n) {
        QAction* a = NewItem(OpenCOM1, QString("COM%1").arg(n) + "1", QString("COM%1").arg(n));
        a->setCheckable(true);
        ComItems[static_cast<std::size_t>(n - 1)] = a;
    }
    ComItems[0]->setChecked(true);
    OpenCOM1->setDefaultAction(ComItems[0]);
    Search1->addMenu(OpenCOM1);

    BuildSettings();

    SearchForVextaro1 = NewItem(Search1, "SearchForVextaro1", "Connect to Vextaro SDI");
    ReadfromVextaros1 = NewItem(Search1, "ReadfromVextaros1", "Read from Vextaro");
    ReadfromVextaros1->setEnabled(false);
    Search1->addSeparator();
    DisconnectSerialCommunication1 =
        NewItem(Search1, "DisconnectSerialCommunication1", "Disconnect Serial Communication");
    bar->addMenu(Search1);
}

void MainMenu::BuildView(QMenuBar* bar) {
    View1 = NewMenu(bar, "View1", "View");
    CrosspointMatrix1 = NewItem(View1, "CrosspointMatrix1", "Crosspoint Matrix");
    CrosspointMatrix1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    ActivityLog1 = NewItem(View1, "ActivityLog1", "Activity Log");
    ActivityLog1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    bar->addMenu(View1);
}

void MainMenu::BuildSettings() {
    SettingsAdvusersonly1 = NewMenu(Search1, "SettingsAdvusersonly1", "Settings (Adv users only)");
    QMenu* baud = NewMenu(SettingsAdvusersonly1, "Baud1", "Baud");
    BaudDefault1 = NewItem(baud, "Default1", "Default");
    BaudDefault1->setCheckable(true);
    BaudDefault1->setChecked(true);
    baud->addSeparator();
    N192001 = NewItem(baud, "N192001", "19200");
    N384001 = NewItem(baud, "N384001", "38400");
    N576001 = NewItem(baud, "N576001", "57600");
    SettingsAdvusersonly1->addMenu(baud);

    QMenu* parity = NewMenu(SettingsAdvusersonly1, "Parity1", "Parity");
    for (const char* caption : {"None", "Odd", "Even", "Mark", "Space"}) {
        QAction* a = NewItem(parity, QString("Parity%1").arg(caption), caption);
        a->setCheckable(true);
        a->setChecked(QString(caption) == "None");
    }
    SettingsAdvusersonly1->addMenu(parity);

    Search1->addMenu(SettingsAdvusersonly1);
    // The advanced settings stay out of reach: the port runs at its fixed settings.
    SettingsAdvusersonly1->menuAction()->setEnabled(false);
    SettingsAdvusersonly1->setEnabled(false);
}

}  // namespace vx::ui
