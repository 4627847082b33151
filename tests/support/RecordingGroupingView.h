#pragma once
// A GroupingView that remembers what the Grouping page would show.
#include <array>
#include <string>
#include <vector>

#include "groups/GroupingView.h"
#include "model/Records.h"

namespace vx::test {

class RecordingGroupingView : public GroupingView {
public:
    // The page's initial look.
    RecordingGroupingView() {
        inputColour.fill(Colour::ButtonFace);
        outputColour.fill(Colour::ButtonFace);
        inputEnabled.fill(true);
        outputEnabled.fill(true);
        inputTouched.fill(false);
        outputTouched.fill(false);
        existChecked.fill(false);
        existEnabled.fill(false);
        for (int g = 0; g < GroupCount; ++g)
            radioItems.push_back("Group " + std::to_string(g + 1) + " (" + std::to_string(g + 1) + ")");
    }

    void SetGroupInputButtonColour(int input, Colour c) override { inputColour.at(input) = c, inputTouched.at(input) = true; }
    void SetGroupOutputButtonColour(int output, Colour c) override {
        outputColour.at(output) = c, outputTouched.at(output) = true;
    }
    void SetGroupInputButtonEnabled(int input, bool on) override { inputEnabled.at(input) = on, inputTouched.at(input) = true; }
    void SetGroupOutputButtonEnabled(int output, bool on) override {
        outputEnabled.at(output) = on, outputTouched.at(output) = true;
    }
    void SetGroupExistChecked(int group, bool on) override { existChecked.at(group) = on; }
    void SetGroupExistEnabled(int group, bool on) override { existEnabled.at(group) = on; }
    void SetOutputFirstHintVisible(bool on) override { hintVisible = on; }
    void SetGroupRadioItems(const std::vector<std::string>& items) override { radioItems = items; }
    void SelectGroupRadioItem(int group) override { selected = group; }
    int SelectedGroup() const override { return selected; }

    // Forgets which buttons were drawn, so a test can see what the next step touches.
    void ResetTouched() {
        inputTouched.fill(false);
        outputTouched.fill(false);
    }

    std::array<Colour, MaxInputs> inputColour;
    std::array<Colour, MaxOutputs> outputColour;
    std::array<bool, MaxInputs> inputEnabled;
    std::array<bool, MaxOutputs> outputEnabled;
    std::array<bool, MaxInputs> inputTouched;
    std::array<bool, MaxOutputs> outputTouched;
    std::array<bool, GroupCount> existChecked;
    std::array<bool, GroupCount> existEnabled;
    bool hintVisible = false;
    std::vector<std::string> radioItems;
    int selected = 0;
};

}  // namespace vx::test
