#include "ui/TInfoForm.h"

#include <QCoreApplication>
#include <QFont>
#include <QLabel>
#include <QScreen>

#include "ui/Look.h"

namespace vx::ui {

namespace {
constexpr int ClientWidth = 512;
constexpr int ClientHeight = 41;
constexpr int InfoWidth = 437;
constexpr int ProgressWidth = 51;
}  // namespace

TInfoForm::TInfoForm(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      info_(new QLabel(this)),
      progress_(new QLabel(this)) {
    setObjectName("InfoForm");
    setWindowTitle("Tavrel Kessway - VX SDI Info");
    setWindowModality(Qt::NonModal);
    setFixedSize(ClientWidth, ClientHeight);

    QFont font("Comic Sans MS");
    font.setPixelSize(18);
    info_->setObjectName("InfoLabel");
    info_->setFont(font);
    info_->setAlignment(Qt::AlignCenter);
    SetStyleSheetWhenShown(info_, "color: black;");
    info_->setGeometry(0, 0, InfoWidth, ClientHeight);
    progress_->setObjectName("InfoProgressLabel");
    progress_->setFont(font);
    SetStyleSheetWhenShown(progress_, "color: black;");
    progress_->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    progress_->setGeometry(InfoWidth + 4, 0, ProgressWidth, ClientHeight);
    progress_->setAccessibleName("Progress");
}

void TInfoForm::SetInfoText(const QString& text) {
    info_->setText(text);
    info_->setAccessibleName(text);
}

void TInfoForm::SetProgressText(const QString& dots) {
    progress_->setText(dots);
}

void TInfoForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    QCoreApplication::processEvents();
}

}  // namespace vx::ui
