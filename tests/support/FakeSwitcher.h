#pragma once
// A switcher's answers for the fake links: every command and bare return gets the
// prompt, every status query a framed answer of the right length.
#include <string>

#include "Interpreter.h"

namespace vx::test {

// The answer a small 16 x 16 switcher gives to one line (with its carriage return).
std::string FakeSwitcherAnswer(const std::string& line);

// A switcher that keeps its state: every line sent to it goes through the simulator's own
// interpreter, and the status queries are answered from what the lines made of it. Tests
// compare the panel's model with State() after the operator's actions.
class StatefulSwitcher {
public:
    StatefulSwitcher() : interpreter_(vxsim::SwitcherIdentity{}) {}
    // Applies one line (with or without its carriage return) and gives the bytes the
    // switcher answers with.
    std::string Answer(const std::string& line);
    const vxsim::SwitcherModel& State() const { return interpreter_.Model(); }

private:
    vxsim::Interpreter interpreter_;
};

}  // namespace vx::test
