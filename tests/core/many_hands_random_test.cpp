// Many hands at random: between the operator's actions on the whole panel core, another
// client of the same switcher routes, takes and stores presets. Outputs 1 and 2 are
// protected and follow mode is on; the operator routes outputs 3 to 8 only. After every
// action of the operator's two things must hold of the switcher: a protected output's
// route in force never changed through the panel's lines, and outputs 9 to 16, which the
// operator never asked for, did not change at all (a route pending there stays pending,
// taken by nobody here), unless the operator recalled a preset or cleared everything.
// After a poll the panel shows what the switcher holds.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>

#include "TakeHistoryRig.h"
#include "model/LiveCount.h"

namespace vx {
namespace {

constexpr unsigned Seed = 35;
constexpr int Rounds = 300;

class ManyHandsAtRandom : public testing::Test {
protected:
    void SetUp() override {
        h.rig.core.ProtectOutputClick(0);
        h.rig.core.ProtectOutputClick(1);
        h.rig.core.SetFollow({true, 60});
    }

    int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); }

    void OtherClientActs() {
        const int o = Pick(1, 16), k = Pick(0, 16);
        switch (Pick(0, 5)) {
            case 0:
                Other("TAKE 1");
                break;
            case 1:
                Other("PRST " + std::to_string(Pick(1, PresetCount)));
                break;
            default:
                Other("RTEMP " + std::to_string(o) + " " + std::to_string(k));
                break;
        }
    }
    void Other(const std::string& line) {
        log << "[other " << line << "] ";
        h.AtSwitcher(line);
    }

    // One action of the operator's; false when it may change every output as asked.
    bool OperatorActs() {
        PanelCore& core = h.rig.core;
        switch (Pick(0, 9)) {
            case 0:
            case 1:
            case 2: {
                const int o = Pick(3, 8), k = Pick(1, 16);
                log << "route " << o << " " << k << "; ";
                h.Pend(o, k);
                return true;
            }
            case 3:
            case 4:
                log << "take; ";
                core.TakeButtonClick();
                return true;
            case 5: {
                // Undoing a Clear All or a recall asks for every output it changed.
                const bool wide = Wide(core.UndoText());
                log << "undo; ";
                core.UndoTakeClick();
                return !wide;
            }
            case 6: {
                const bool wide = Wide(core.RedoText());
                log << "redo; ";
                core.RedoTakeClick();
                return !wide;
            }
            case 7: {
                const int p = Pick(0, PresetCount - 1);
                log << "store " << p + 1 << "; ";
                core.PresetsSaveButtonClick();
                core.PresetButtonClick(p);
                return true;
            }
            case 8: {
                const int p = Pick(0, PresetCount - 1);
                log << "recall " << p + 1 << " and confirm; ";
                core.PresetsRecallButtonClick();
                core.PresetButtonClick(p);
                core.PresetRecallConfirmButtonClick();
                core.PresetRecallCancelButtonClick();
                return false;
            }
            default:
                log << "clear all; ";
                h.rig.prompts.answers = {true};
                core.ClearAllRoutingButtonClick();
                return false;
        }
    }

    static bool Wide(const std::string& step) {
        return step.find("Clear") != std::string::npos || step.find("preset") != std::string::npos;
    }

    ::testing::AssertionResult Kept(const vxsim::SwitcherModel& before, const vxsim::SwitcherModel& after,
                                    bool othersUntouched) {
        for (int o = 0; o < 2; ++o)
            if (after.PrevInputs[o] != before.PrevInputs[o])
                return ::testing::AssertionFailure() << "protected output " << o + 1 << " changed in force";
        if (!othersUntouched) return ::testing::AssertionSuccess();
        for (int o : {0, 1, 8, 9, 10, 11, 12, 13, 14, 15}) {
            const bool same = after.Routes[o].Input == before.Routes[o].Input &&
                              after.Routes[o].Committed == before.Routes[o].Committed &&
                              after.PrevInputs[o] == before.PrevInputs[o];
            if (!same)
                return ::testing::AssertionFailure()
                       << "output " << o + 1 << " changed: " << int(before.Routes[o].Input) << "/"
                       << int(before.Routes[o].Committed) << " -> " << int(after.Routes[o].Input) << "/"
                       << int(after.Routes[o].Committed);
        }
        return ::testing::AssertionSuccess();
    }

    ::testing::AssertionResult ShownAsHeld() {
        const SwitcherState& m = h.m;
        const auto& s = h.switcher.State();
        for (int o = 0; o < LiveCount(m.OutputCount, MaxOutputs); ++o)
            if (m.Routes[o].Input != s.Routes[o].Input || m.Routes[o].Committed != s.Routes[o].Committed)
                return ::testing::AssertionFailure() << "output " << o + 1 << " shown otherwise";
        return ::testing::AssertionSuccess();
    }

    test::TakeHistoryRig h;
    std::mt19937 random{Seed};
    std::ostringstream log;
};

TEST_F(ManyHandsAtRandom, ThePanelPutsInForceOnlyWhatItsOperatorAskedFor) {
    for (int round = 0; round < Rounds; ++round) {
        if (Pick(0, 1) == 0) OtherClientActs();
        const vxsim::SwitcherModel before = h.switcher.State();
        h.Sent();
        const bool untouched = OperatorActs();
        std::string lines;
        for (const std::string& line : h.Sent()) lines += line + "|";
        ASSERT_TRUE(Kept(before, h.switcher.State(), untouched))
            << "round " << round << ": " << log.str() << "\nthe panel's lines of the last: " << lines;
        if (Pick(0, 3) == 0) {
            h.rig.fakes.followTimer.Fire();
            ASSERT_TRUE(ShownAsHeld()) << "round " << round << ": " << log.str();
        }
    }
}

}  // namespace
}  // namespace vx
