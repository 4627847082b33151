#pragma once
// Routing from the keyboard on the "Video Switching" page, as a router's hardware panel
// works: destination, source, take.
//
//     o 1 2 Enter     selects output 12 (the same as a click on its button)
//     i 3 Enter       picks input 3 for it (input 0 withdraws the route: a disconnect)
//     Ctrl+Enter      Take
//     Escape          clears a half-typed number; with none, Cancel
//     Backspace       takes back the last digit
//     p 3 Enter       protects output 3, or unprotects it when it is protected
//
// Each complete step is a request of the keyboard's, handed to the panel's one door as the
// matching click's is, so the group rule, the guards and the lines sent are the same. What is being typed, and why a number is refused, shows on
// the status line; a refusal makes no sound and opens no box.
#include <functional>
#include <string>
#include <utility>

#include "link/Ports.h"
#include "model/SwitcherState.h"
#include "request/Request.h"

namespace vx {

// What the status line's keyboard texts begin with.
inline constexpr const char* KeyboardLead = "Keyboard: ";

enum class RoutingKey { Output, Input, Digit, Enter, Take, Escape, Backspace, Protect };

struct KeyStroke {
    RoutingKey Key;
    int Digit = 0;  // 0..9, for RoutingKey::Digit
};

class KeyRouting {
public:
    // door: where the keyboard's requests go (select, pick, take, cancel, protect).
    KeyRouting(SwitcherState& model, std::function<void(const Request&)> door, LinkView& status)
        : m_(model), door_(std::move(door)), status_(status) {}

    // True when the key belongs to the scheme and was used; other keys are left to the
    // widget that has the focus.
    bool Key(KeyStroke k);

    // The prompt for what is being typed, as shown on the status line.
    std::string Prompt() const;
    // True while a number is being typed (after o, i or p, before Enter or Escape).
    bool Typing() const { return mode_ != Mode::None; }

private:
    enum class Mode { None, Output, Input, Protect };
    void Start(Mode mode);
    bool Enter();
    void Show(const std::string& text) { status_.ShowStatus(text); }
    void Reset();
    void Ask(Request r) {
        r.Who.From = Source::Keyboard;
        door_(r);
    }

    SwitcherState& m_;
    std::function<void(const Request&)> door_;
    LinkView& status_;
    Mode mode_ = Mode::None;
    std::string digits_;
};

inline constexpr int MaxTypedDigits = 2;

// The scheme in one line, for the tooltips and the About page.
inline constexpr const char* KeyRoutingSummary =
    "Keyboard routing on the Video Switching page: o, output number, Enter selects an output; "
    "i, input number, Enter routes an input to it; Ctrl+Enter takes; Escape cancels; "
    "p, output number, Enter protects or unprotects an output.";

// The undo keys, for the Take and Cancel tooltips.
inline constexpr const char* UndoKeysSummary =
    "Ctrl+Z puts the last take back (Edit > Undo Take); Ctrl+Shift+Z or Ctrl+Y does it again.";

}  // namespace vx
