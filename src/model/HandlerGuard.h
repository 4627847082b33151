#pragma once
// The handler guard of every guarded operator action: a handler that finds
// HandlerBusy set does nothing; otherwise it holds HandlerBusy at 1 for its duration.
//
//     HandlerGuard guard(model);
//     if (!guard) return;
//     ... the action ...
//
// The scope gives HandlerBusy back even when an exception escapes the action: an error
// raised inside a handler is shown in a message box and the application goes on
// running, so the guard must never stay stuck at 1.
#include "model/SwitcherState.h"

namespace vx {

class HandlerGuard {
public:
    explicit HandlerGuard(SwitcherState& model) : model_(model), entered_(model.HandlerBusy == 0) {
        if (entered_) model_.HandlerBusy = 1;
    }
    ~HandlerGuard() {
        if (entered_) model_.HandlerBusy = 0;
    }
    HandlerGuard(const HandlerGuard&) = delete;
    HandlerGuard& operator=(const HandlerGuard&) = delete;

    // True when the guard passed and the action may run.
    bool Entered() const { return entered_; }
    explicit operator bool() const { return entered_; }

private:
    SwitcherState& model_;
    bool entered_;
};

// Holds EventsSuppressed at 1 while the system itself sets widgets, and puts back the
// value it found (also when an exception escapes).
class SuppressEventsScope {
public:
    explicit SuppressEventsScope(SwitcherState& model) : model_(model), saved_(model.EventsSuppressed) {
        model_.EventsSuppressed = 1;
    }
    ~SuppressEventsScope() { model_.EventsSuppressed = saved_; }
    SuppressEventsScope(const SuppressEventsScope&) = delete;
    SuppressEventsScope& operator=(const SuppressEventsScope&) = delete;

private:
    SwitcherState& model_;
    byte saved_;
};

}  // namespace vx
