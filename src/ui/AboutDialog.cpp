#include "ui/AboutDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace vx::ui {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent), version_(new QLabel(this)) {
    setObjectName("LMDAboutDlg1");
    setWindowTitle("About VX Control SDI");

    auto* name = new QLabel("Tavrel Kessway, LLC  VX Control SDI", this);
    name->setObjectName("AboutProductLabel");
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    name->setFont(bold);
    version_->setObjectName("AboutVersionLabel");
    auto* description = new QLabel("Minimum resolution required is 1024x768.", this);
    description->setObjectName("AboutDescriptionLabel");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(10);
    layout->addWidget(name);
    layout->addWidget(version_);
    layout->addWidget(description);
    layout->addWidget(buttons);
}

void AboutDialog::SetVersion(const QString& version) {
    version_->setText("Version " + version);
}

QString AboutDialog::VersionText() const {
    return version_->text();
}

}  // namespace vx::ui
