#pragma once
// A SequencingView over plain values: the rows as the operator left them, and what the
// sequencer drew and where it sent the focus.
#include <array>
#include <string>
#include <vector>

#include "model/Colour.h"
#include "presets/SequencingView.h"

namespace vx::test {

struct RecordingSequencingView : SequencingView {
    static constexpr int Rows = 8;
    RecordingSequencingView() {
        for (int k = 0; k < Rows; ++k) {
            presetText[At(k)] = std::to_string(k + 1);
            delayText[At(k)] = "3";
        }
    }
    bool IsRowOn(int k) const override { return on.at(At(k)); }
    std::string PresetText(int k) const override { return presetText.at(At(k)); }
    std::string DelayText(int k) const override { return delayText.at(At(k)); }
    void SetRowEditsEnabled(int k, bool e) override { editsEnabled.at(At(k)) = e; }
    bool IsPageShown() const override { return pageShown; }
    void FocusPresetEdit(int k) override { focus.push_back("preset " + std::to_string(k + 1)); }
    void FocusDelayEdit(int k) override { focus.push_back("delay " + std::to_string(k + 1)); }
    void SetRowsUnlocked(bool u) override { unlocked = u; }
    void SetRowColour(int k, Colour c) override { rowColour.at(At(k)) = c; }
    void SetSequenceLight(bool lit) override { light = lit; }
    bool pageShown = true;

    // Turns row k (0-based) on with a preset number and a delay in seconds.
    void Row(int k, const std::string& preset, const std::string& delay) {
        on.at(At(k)) = true;
        presetText.at(At(k)) = preset;
        delayText.at(At(k)) = delay;
    }
    // The rows painted lime, 0-based.
    std::vector<int> LimeRows() const {
        std::vector<int> out;
        for (int k = 0; k < Rows; ++k)
            if (rowColour[At(k)] == Colour::Lime) out.push_back(k);
        return out;
    }

    std::array<bool, Rows> on{};
    std::array<std::string, Rows> presetText;
    std::array<std::string, Rows> delayText;
    std::array<bool, Rows> editsEnabled{};
    std::array<Colour, Rows> rowColour{};
    std::vector<std::string> focus;
    bool unlocked = true;
    bool light = false;

private:
    static std::size_t At(int k) { return static_cast<std::size_t>(k); }
};

}  // namespace vx::test
