#pragma once
// The prompter of the link layer. While quiet (during a follow poll or a background
// reconnection) a message is not shown: a switcher that does not answer a poll is told on
// the status line, never in a box.
#include <string>
#include <utility>

#include "link/Ports.h"

namespace vx {

class QuietPrompter : public Prompter {
public:
    explicit QuietPrompter(Prompter& shown) : shown_(shown) {}

    void ShowMessage(const std::string& text) override {
        if (quiet_ == 0) shown_.ShowMessage(text);
        else if (muted_.empty()) muted_ = text;
    }
    void ShowMessage(const std::string& text, const std::string& caption) override {
        if (quiet_ == 0) shown_.ShowMessage(text, caption);
        else if (muted_.empty()) muted_ = text;
    }
    bool AskYesNo(const std::string& text, const std::string& caption) override {
        return shown_.AskYesNo(text, caption);
    }
    std::optional<std::string> ChooseFileToOpen(const std::string& title) override {
        return shown_.ChooseFileToOpen(title);
    }
    std::optional<std::string> ChooseFileToSave(const std::string& title) override {
        return shown_.ChooseFileToSave(title);
    }

    bool Quiet() const { return quiet_ > 0; }
    // The first message kept back since the last call, for the status line; empty when none.
    std::string TakeMuted() { return std::exchange(muted_, std::string()); }

    // Quiet for its life.
    class Scope {
    public:
        explicit Scope(QuietPrompter& p) : p_(p) { ++p_.quiet_; }
        ~Scope() { --p_.quiet_; }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        QuietPrompter& p_;
    };

private:
    Prompter& shown_;
    int quiet_ = 0;
    std::string muted_;
};

}  // namespace vx
