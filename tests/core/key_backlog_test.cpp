// Keys typed while the panel waits are kept and handled in order afterwards: whether a
// kept key belongs to the scheme is foretold from the keys alone, the same as the routing
// itself decides once it gets them.
#include <gtest/gtest.h>

#include <vector>

#include "FakePorts.h"
#include "routing/KeyBacklog.h"

namespace vx {
namespace {

using K = RoutingKey;

KeyStroke D(int d) { return {K::Digit, d}; }

struct Typed {
    const char* Name;
    std::vector<KeyStroke> Keys;
};

const Typed Sequences[] = {
    {"RouteAndTake", {{K::Output}, D(1), D(2), {K::Enter}, {K::Input}, D(5), {K::Enter}, {K::Take}}},
    {"DigitsWithoutALead", {D(3), {K::Enter}, {K::Backspace}, {K::Output}, D(3), {K::Backspace}, {K::Enter}}},
    {"EscapeTwice", {{K::Input}, D(4), {K::Escape}, {K::Escape}, D(4), {K::Protect}, D(2), {K::Enter}}},
    {"EnterOnNothing", {{K::Output}, {K::Enter}, {K::Enter}, D(9), {K::Output}, D(9), D(9), D(9), {K::Enter}}},
};

class KeyForesight : public testing::TestWithParam<Typed> {};

TEST_P(KeyForesight, MatchesWhatTheRoutingDoes) {
    SwitcherState m{};
    m.OutputCount = 16;
    m.InputCount = 16;
    m.SelectedOutput = NO_INPUT;
    test::RecordingLinkView status;
    KeyRouting routing(m, [](const Request&) {}, status);
    for (std::size_t i = 0; i < GetParam().Keys.size(); ++i) {
        const KeyStroke k = GetParam().Keys[i];
        const bool typing = routing.Typing();
        SCOPED_TRACE(i);
        EXPECT_EQ(KeyUsed(k, typing), routing.Key(k));
        EXPECT_EQ(TypingAfter(k, typing), routing.Typing());
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyForesight, testing::ValuesIn(Sequences),
                         [](const testing::TestParamInfo<Typed>& info) { return std::string(info.param.Name); });

TEST(KeyBacklog, KeysTypedDuringAWaitReachTheDoorInOrderAfterIt) {
    SwitcherState m{};
    m.OutputCount = 16;
    m.InputCount = 16;
    m.SelectedOutput = NO_INPUT;
    test::RecordingLinkView status;
    std::vector<Intent> asked;
    KeyRouting routing(m, [&](const Request& r) {
        asked.push_back(r.What);
        if (r.What == Intent::SelectOutput) m.SelectedOutput = r.Output;
    }, status);
    KeyBacklog keys(routing);
    // A digit with no number begun is not the scheme's, wait or not: the focused widget gets it.
    EXPECT_FALSE(keys.Key(D(4), true));
    for (KeyStroke k : {KeyStroke{K::Output}, D(3), KeyStroke{K::Enter}, KeyStroke{K::Input}, D(5),
                        KeyStroke{K::Enter}, KeyStroke{K::Take}})
        EXPECT_TRUE(keys.Key(k, true));
    EXPECT_FALSE(keys.Key({K::Enter}, true)) << "Enter after the take has no number to end";
    EXPECT_TRUE(asked.empty()) << "nothing runs inside the wait";
    EXPECT_EQ(keys.Kept(), 7u);
    keys.Feed([] { return false; });
    EXPECT_EQ(asked, (std::vector<Intent>{Intent::SelectOutput, Intent::PickInput, Intent::Take}));
    EXPECT_EQ(keys.Kept(), 0u);
}

}  // namespace
}  // namespace vx
