#pragma once
// Keys typed while the panel waits for the switcher (a follow poll, an exchange the
// operator started). The routing keys are a small state machine, so a key is never
// dropped: it is kept and fed to the keyboard routing, in order, once the wait is over.
// Whether a kept key belongs to the scheme is known from the keys alone (a digit, Enter
// or Backspace only while a number is being typed), so a key the routing will not use still
// goes on to the focused widget at once.
#include <deque>
#include <functional>

#include "routing/KeyRouting.h"

namespace vx {

class KeyBacklog {
public:
    explicit KeyBacklog(KeyRouting& routing) : routing_(routing) {}

    // A key typed now: handled at once, or kept while waiting (or while earlier keys are
    // still kept). True when the key belongs to the scheme.
    bool Key(KeyStroke k, bool waiting);
    // Feeds the kept keys, in order, as long as waiting() stays false; a key typed while a
    // fed key's request waits joins the end of the line.
    void Feed(const std::function<bool()>& waiting);
    std::size_t Kept() const { return kept_.size(); }

private:
    KeyRouting& routing_;
    std::deque<KeyStroke> kept_;
    bool typingAfterKept_ = false;  // a number is being typed once the kept keys are fed
    bool feeding_ = false;
};

// Whether the routing uses the key, and whether a number is being typed after it, given
// whether one was being typed before it.
bool KeyUsed(KeyStroke k, bool typing);
bool TypingAfter(KeyStroke k, bool typing);

}  // namespace vx
