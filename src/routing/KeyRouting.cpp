#include "routing/KeyRouting.h"

#include "model/LiveCount.h"

namespace vx {

namespace {
constexpr const char* Lead = KeyboardLead;
}

std::string KeyRouting::Prompt() const {
    switch (mode_) {
        case Mode::Output: return std::string(Lead) + "output " + digits_ + "_";
        case Mode::Input: return std::string(Lead) + "input " + digits_ + "_";
        case Mode::Protect: return std::string(Lead) + "protect output " + digits_ + "_";
        case Mode::None: break;
    }
    return "";
}

void KeyRouting::Reset() {
    mode_ = Mode::None;
    digits_.clear();
}

void KeyRouting::Start(Mode mode) {
    mode_ = mode;
    digits_.clear();
    Show(Prompt());
}

bool KeyRouting::Key(KeyStroke k) {
    switch (k.Key) {
        case RoutingKey::Output: Start(Mode::Output); return true;
        case RoutingKey::Input: Start(Mode::Input); return true;
        case RoutingKey::Protect:
            Start(Mode::Protect);
            return true;
        case RoutingKey::Digit:
            if (mode_ == Mode::None || k.Digit < 0 || k.Digit > 9) return false;
            if (digits_.size() < MaxTypedDigits) digits_.push_back(static_cast<char>('0' + k.Digit));
            Show(Prompt());
            return true;
        case RoutingKey::Backspace:
            if (mode_ == Mode::None) return false;
            if (!digits_.empty()) digits_.pop_back();
            Show(Prompt());
            return true;
        case RoutingKey::Enter:
            if (mode_ == Mode::None) return false;
            return Enter();
        case RoutingKey::Take:
            Reset();
            Show("");
            Ask(vx::Ask(Intent::Take));
            return true;
        case RoutingKey::Escape:
            if (mode_ != Mode::None) {  // first Escape: the half-typed number goes
                Reset();
                Show("");
                return true;
            }
            Ask(vx::Ask(Intent::Cancel));
            return true;
    }
    return false;
}

bool KeyRouting::Enter() {
    const Mode mode = mode_;
    const std::string typed = digits_;
    Reset();
    if (typed.empty()) {
        Show(std::string(Lead) + "type a number first");
        return true;
    }
    const int n = std::stoi(typed);
    if (mode == Mode::Output || mode == Mode::Protect) {
        const int outputs = LiveCount(m_.OutputCount, MaxOutputs);
        if (n < 1 || n > outputs) {
            Show(std::string(Lead) + "there is no output " + typed + " (outputs 1 to " + std::to_string(outputs) +
                 ")");
            return true;
        }
        Show("");
        Ask(AskOutput(mode == Mode::Protect ? Intent::Protect : Intent::SelectOutput, n - 1));
        return true;
    }
    const int o = m_.SelectedOutput;
    if (!IsIndex(o, MaxOutputs)) {
        Show(std::string(Lead) + "select an output first: o, its number, Enter");
        return true;
    }
    // Input 0 stands for no input: the routed input picked again, which withdraws it.
    const int k = n == 0 ? m_.Routes[o].Input : n - 1;
    const int inputs = LiveCount(m_.InputCount, MaxInputs);
    if (n == 0 ? !IsIndex(k, inputs) : (n < 1 || n > inputs)) {
        Show(n == 0 ? std::string(Lead) + "output " + std::to_string(o + 1) + " has no input to withdraw"
                    : std::string(Lead) + "there is no input " + typed + " (inputs 1 to " +
                          std::to_string(inputs) + ")");
        return true;
    }
    // The group rule is the door's: it says why, as for any other source.
    Show("");
    Ask(AskInput(Intent::PickInput, k));
    return true;
}

}  // namespace vx
