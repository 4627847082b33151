#include "ui/QtPrompter.h"

#include <QApplication>
#include <QMessageBox>

namespace vx::ui {

void QtPrompter::ShowMessage(const std::string& text) {
    ShowMessage(text, QApplication::applicationName().toStdString());
}

void QtPrompter::ShowMessage(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Ok, owner_);
    box.exec();
}

bool QtPrompter::AskYesNo(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, owner_);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace vx::ui
