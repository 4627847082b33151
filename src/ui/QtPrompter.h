#pragma once
// The operator's modal boxes over QMessageBox (OK boxes and Yes/No questions) and the
// file dialogs over QFileDialog.
#include <QPointer>
#include <QString>
#include <QWidget>

#include "link/Ports.h"

namespace vx::ui {

class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* owner) : owner_(owner) {}
    // An OK box captioned with the application's name.
    void ShowMessage(const std::string& text) override;
    void ShowMessage(const std::string& text, const std::string& caption) override;
    bool AskYesNo(const std::string& text, const std::string& caption) override;
    // Both start in the folder of the last file chosen (at first the working folder).
    std::optional<std::string> ChooseFileToOpen(const std::string& title) override;
    std::optional<std::string> ChooseFileToSave(const std::string& title) override;

private:
    std::optional<std::string> Chosen(const QString& path);

    QPointer<QWidget> owner_;
    QString folder_;
};

}  // namespace vx::ui
