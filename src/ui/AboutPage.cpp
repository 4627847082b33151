#include "ui/AboutPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "routing/KeyRouting.h"
#include "ui/Look.h"
#include "ui/StatusLight.h"
#include "ui/TerminalView.h"
#include "ui/Widgets.h"

namespace vx::ui {

namespace {

// The product mark: drawn from text so that it needs no image file.
QLabel* NewLogo(QWidget* parent) {
    QLabel* logo = NewLabel(parent, "LogoImage", "TAVREL\nKESSWAY");
    logo->setAccessibleName("Tavrel Kessway logo");
    logo->setAccessibleDescription(logo->text());
    logo->setAlignment(Qt::AlignCenter);
    logo->setFixedSize(150, 70);
    QFont font = logo->font();
    font.setBold(true);
    font.setPixelSize(20);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    logo->setFont(font);
    SetStyleSheetWhenShown(logo, "color: white; background-color: rgb(20, 40, 110); border-radius: 6px;");
    return logo;
}

}  // namespace

AboutPage::AboutPage(QWidget* parent) : QWidget(parent) {
    setObjectName("AboutTabSheet");
}

void AboutPage::Build() {

    QLabel* product = NewLabel(this, "ProductLabel", "VX Control SDI");
    QFont big = product->font();
    big.setBold(true);
    big.setPixelSize(22);
    product->setFont(big);
    Version1Label = NewValueLabel(this, "Version1Label", "GUI Version", "N/A");
    FirmwareVersionLabel = NewValueLabel(this, "FirmwareVersionLabel", "Firmware Version", "N/A");
    QLabel* guiCaption = NewLabel(this, "GuiVersionCaption", "GUI Version :");
    QLabel* firmwareCaption = NewLabel(this, "FirmwareVersionCaption", "Firmware Version :");
    auto* versions = new QGridLayout;
    versions->addWidget(guiCaption, 0, 0);
    versions->addWidget(Version1Label, 0, 1);
    versions->addWidget(firmwareCaption, 1, 0);
    versions->addWidget(FirmwareVersionLabel, 1, 1);
    versions->setColumnStretch(2, 1);

    Terminal = new TerminalView(this);
    Terminal->setMinimumWidth(Terminal->fontMetrics().horizontalAdvance(QString(64, 'M')));

    QGroupBox* serialBox = NewGroupBox(this, "SerialLinesGroupBox", "RS-232");
    auto* lights = new QGridLayout(serialBox);
    const char* names[LineLightCount] = {"TXD", "RXD", "DCD", "DSR", "CTS"};
    for (int i = 0; i < LineLightCount; ++i) {
        auto* light = new StatusLight(QString(names[i]) + "Light", names[i], serialBox);
        QLabel* caption = NewLabel(serialBox, QString(names[i]) + "Caption", names[i]);
        caption->setAlignment(Qt::AlignCenter);
        caption->setBuddy(light);
        lights->addWidget(light, 0, i, Qt::AlignCenter);
        lights->addWidget(caption, 1, i, Qt::AlignCenter);
        lights_[static_cast<std::size_t>(i)] = light;
    }
    QLabel* comCaption = NewLabel(serialBox, "ComCaption", "COM:");
    ComNumberLabel = NewValueLabel(serialBox, "ComNumberLabel", "COM port", "None");
    lights->addWidget(comCaption, 2, 0, 1, 2, Qt::AlignRight);
    lights->addWidget(ComNumberLabel, 2, 2, 1, 3);

    QLabel* keys = NewLabel(this, "KeyRoutingLabel", KeyRoutingSummary);
    keys->setWordWrap(true);

    auto* top = new QHBoxLayout;
    auto* texts = new QVBoxLayout;
    texts->addWidget(product);
    texts->addLayout(versions);
    texts->addWidget(keys);
    top->addLayout(texts);
    top->addStretch(1);
    top->addWidget(NewLogo(this));

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Terminal);
    auto* serialColumn = new QVBoxLayout;
    serialColumn->addWidget(serialBox);
    serialColumn->addStretch(1);
    bottom->addLayout(serialColumn);
    bottom->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(12);
    layout->addLayout(top);
    layout->addLayout(bottom);
    layout->addStretch(1);
}

}  // namespace vx::ui
