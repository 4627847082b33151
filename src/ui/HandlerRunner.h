#pragma once
// Runs every event handler of the window. An error that escapes a handler is shown to
// the operator in a message box and the panel goes on running; nothing is left to
// unwind through the Qt event loop.
#include <QObject>
#include <exception>
#include <utility>

#include "link/Ports.h"

namespace vx::ui {

class HandlerRunner {
public:
    explicit HandlerRunner(Prompter& prompts) : prompts_(prompts) {}

    template <class F>
    void Run(F&& handler) noexcept {
        try {
            std::forward<F>(handler)();
        } catch (const std::exception& e) {
            Report(e.what());
        } catch (...) {
            Report("An unexpected error occurred.");
        }
    }

    // Connects a signal to a handler that runs through Run.
    template <class Sender, class Signal, class F>
    QMetaObject::Connection Bind(Sender* sender, Signal signal, QObject* context, F handler) {
        return QObject::connect(sender, signal, context, [this, handler] { Run(handler); });
    }

private:
    void Report(const char* what) noexcept {
        try {
            prompts_.ShowMessage(what);
        } catch (...) {
            // The message box itself failed: there is nothing left to tell the operator with.
        }
    }

    Prompter& prompts_;
};

}  // namespace vx::ui
