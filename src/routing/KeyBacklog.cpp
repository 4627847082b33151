#include "routing/KeyBacklog.h"

namespace vx {

bool KeyUsed(KeyStroke k, bool typing) {
    switch (k.Key) {
        case RoutingKey::Output:
        case RoutingKey::Input:
        case RoutingKey::Protect:
        case RoutingKey::Take:
        case RoutingKey::Escape: return true;
        case RoutingKey::Digit: return typing && k.Digit >= 0 && k.Digit <= 9;
        case RoutingKey::Backspace:
        case RoutingKey::Enter: return typing;
    }
    return false;
}

bool TypingAfter(KeyStroke k, bool typing) {
    switch (k.Key) {
        case RoutingKey::Output:
        case RoutingKey::Input:
        case RoutingKey::Protect: return true;
        case RoutingKey::Enter:
        case RoutingKey::Take:
        case RoutingKey::Escape: return false;
        case RoutingKey::Digit:
        case RoutingKey::Backspace: break;
    }
    return typing;
}

bool KeyBacklog::Key(KeyStroke k, bool waiting) {
    if (!waiting && kept_.empty()) return routing_.Key(k);
    const bool typing = kept_.empty() ? routing_.Typing() : typingAfterKept_;
    if (!KeyUsed(k, typing)) return false;
    kept_.push_back(k);
    typingAfterKept_ = TypingAfter(k, typing);
    if (!waiting) Feed([] { return false; });
    return true;
}

void KeyBacklog::Feed(const std::function<bool()>& waiting) {
    // A fed key's request ends with a feed of its own: the outer one goes on.
    if (feeding_) return;
    feeding_ = true;
    while (!kept_.empty() && !waiting()) {
        const KeyStroke k = kept_.front();
        kept_.pop_front();
        routing_.Key(k);
    }
    feeding_ = false;
}

}  // namespace vx
