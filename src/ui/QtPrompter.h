#pragma once
// The operator's modal boxes over QMessageBox: OK boxes and Yes/No questions.
#include <QPointer>
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

private:
    QPointer<QWidget> owner_;
};

}  // namespace vx::ui
