#include "ui/ServeBox.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "ui/Widgets.h"

namespace vx::ui {

ServeBox::ServeBox(QWidget* parent) : QGroupBox(parent) {
    setObjectName("ServeGroupBox");
    setTitle("Serve router control systems");
    ServeCheckBox = NewCheckBox(this, "ServeCheckBox", "Serve");
    ServeCheckBox->setToolTip("Router control systems on the network drive the switcher through this panel, "
                              "under its protection, groups and log");
    ServeAddressEdit = NewEdit(this, "ServeAddressEdit", DefaultServeAddress, 64, "Listening address");
    ServeAddressEdit->setToolTip("127.0.0.1 serves this computer alone; 0.0.0.0 serves the network");
    ServePortSpinBox = new QSpinBox(this);
    ServePortSpinBox->setObjectName("ServePortSpinBox");
    ServePortSpinBox->setRange(1, 65535);
    ServePortSpinBox->setValue(DefaultServePort);
    ServePortSpinBox->setAccessibleName("Port");
    ServeAllowedEdit = NewEdit(this, "ServeAllowedEdit", "", 1000, "Allowed client addresses");
    ServeAllowedEdit->setPlaceholderText("this computer alone");
    ServeAllowedEdit->setToolTip("Addresses and prefixes such as 10.1.2.0/24, separated by commas; "
                                 "empty lets in this computer alone");
    ServeLabelsCheckBox = NewCheckBox(this, "ServeLabelsCheckBox", "Clients may change labels");
    ServeReadOnlyCheckBox = NewCheckBox(this, "ServeReadOnlyCheckBox", "Read only");
    ServeClientsLabel = NewValueLabel(this, "ServeClientsLabel", "Clients connected", "Not serving");
    auto* form = new QFormLayout(this);
    form->addRow(ServeCheckBox);
    form->addRow(NewLabel(this, "ServeAddressLabel", "Listening address"), ServeAddressEdit);
    form->addRow(NewLabel(this, "ServePortLabel", "Port"), ServePortSpinBox);
    form->addRow(NewLabel(this, "ServeAllowedLabel", "Allowed clients"), ServeAllowedEdit);
    form->addRow(ServeLabelsCheckBox);
    form->addRow(ServeReadOnlyCheckBox);
    form->addRow(ServeClientsLabel);
    const auto forward = [this] {
        if (!showing_) emit changed();
    };
    connect(ServeCheckBox, &QCheckBox::toggled, this, forward);
    connect(ServeLabelsCheckBox, &QCheckBox::toggled, this, forward);
    connect(ServeReadOnlyCheckBox, &QCheckBox::toggled, this, forward);
    connect(ServeAddressEdit, &QLineEdit::editingFinished, this, forward);
    connect(ServeAllowedEdit, &QLineEdit::editingFinished, this, forward);
    connect(ServePortSpinBox, &QSpinBox::editingFinished, this, forward);
}

ServeSettings ServeBox::Settings() const {
    ServeSettings s;
    s.On = ServeCheckBox->isChecked();
    s.Address = ServeAddressEdit->text().trimmed().toStdString();
    s.Port = ServePortSpinBox->value();
    s.Allowed = ServeAllowedEdit->text().trimmed().toStdString();
    s.LabelsAllowed = ServeLabelsCheckBox->isChecked();
    s.ReadOnly = ServeReadOnlyCheckBox->isChecked();
    return s;
}

void ServeBox::Show(const ServeSettings& s) {
    showing_ = true;
    ServeCheckBox->setChecked(s.On);
    ServeAddressEdit->setText(QString::fromStdString(s.Address));
    ServePortSpinBox->setValue(s.Port);
    ServeAllowedEdit->setText(QString::fromStdString(s.Allowed));
    ServeLabelsCheckBox->setChecked(s.LabelsAllowed);
    ServeReadOnlyCheckBox->setChecked(s.ReadOnly);
    showing_ = false;
}

void ServeBox::ShowClients(int count) {
    SetValueText(ServeClientsLabel, count < 0 ? QStringLiteral("Not serving") : QString::number(count));
}

void ServeBox::ShowProblem(const QString& text) {
    SetValueText(ServeClientsLabel, text);
}

}  // namespace vx::ui
