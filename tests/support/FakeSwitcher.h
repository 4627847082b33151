#pragma once
// A switcher's answers for the fake links: every command and bare return gets the
// prompt, every status query a framed answer of the right length.
#include <string>

namespace vx::test {

// The answer a small 16 x 16 switcher gives to one line (with its carriage return).
std::string FakeSwitcherAnswer(const std::string& line);

}  // namespace vx::test
