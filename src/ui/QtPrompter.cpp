#include "ui/QtPrompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
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

namespace {
// Every file is shown and no extension is proposed or added.
constexpr const char* AllFiles = "All files (*)";
}  // namespace

std::optional<std::string> QtPrompter::ChooseFileToOpen(const std::string& title) {
    return Chosen(QFileDialog::getOpenFileName(owner_, QString::fromStdString(title), folder_, AllFiles));
}

std::optional<std::string> QtPrompter::ChooseFileToSave(const std::string& title) {
    return Chosen(QFileDialog::getSaveFileName(owner_, QString::fromStdString(title), folder_, AllFiles));
}

std::optional<std::string> QtPrompter::Chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    folder_ = QFileInfo(path).absolutePath();
    return path.toStdString();
}

}  // namespace vx::ui
