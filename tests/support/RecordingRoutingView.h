#pragma once
// A RoutingView that remembers what the routing page would show, and the order of the
// calls that drew it, so tests can assert colours, texts and enabled states.
#include <array>
#include <string>
#include <vector>

#include "model/Records.h"
#include "routing/RoutingView.h"

namespace vx::test {

class RecordingRoutingView : public RoutingView {
public:
    void SetOutputButtonColour(int output, Colour c) override { outputColour.at(output) = c, ++calls; }
    void SetInputButtonColour(int input, Colour c) override {
        inputColour.at(input) = c, ++calls;
        inputColourTouched.at(input) = true;
    }
    void SetVideoLabelText(int output, const std::string& text) override { labelText.at(output) = text, ++calls; }
    void SetVideoLabelColour(int output, Colour c) override { labelColour.at(output) = c, ++calls; }
    void SetReclockerChecked(int output, bool on) override { reclocker.at(output) = on, ++calls; }
    bool IsReclockerChecked(int output) const override { return reclocker.at(output); }
    void SetOutputWidgetsEnabled(int output, bool on) override { outputEnabled.at(output) = on, ++calls; }
    void SetInputButtonEnabled(int input, bool on) override {
        inputEnabled.at(input) = on, ++calls;
        inputEnabledTouched.at(input) = true;
    }
    void SetWindowTitle(const std::string& t) override { title = t, ++calls; }
    void SetTakeLight(bool lit) override { takeLight = lit, takeLightHistory.push_back(lit); }

    // The operator clicks a reclocker box: the box changes before the handler runs.
    void ClickReclocker(int output) { reclocker.at(output) = !reclocker.at(output); }

    // The window's initial look: labels "--", boxes checked, all enabled.
    RecordingRoutingView() {
        outputColour.fill(Colour::ButtonFace);
        inputColour.fill(Colour::ButtonFace);
        labelText.fill("--");
        labelColour.fill(Colour::ButtonFace);
        reclocker.fill(true);
        outputEnabled.fill(true);
        inputEnabled.fill(true);
        inputColourTouched.fill(false);
        inputEnabledTouched.fill(false);
    }

    std::array<Colour, MaxOutputs> outputColour;
    std::array<Colour, MaxInputs> inputColour;
    std::array<std::string, MaxOutputs> labelText;
    std::array<Colour, MaxOutputs> labelColour;
    std::array<bool, MaxOutputs> reclocker;
    std::array<bool, MaxOutputs> outputEnabled;
    std::array<bool, MaxInputs> inputEnabled;
    std::array<bool, MaxInputs> inputColourTouched;
    std::array<bool, MaxInputs> inputEnabledTouched;
    std::string title = "(initial)";
    bool takeLight = false;
    std::vector<bool> takeLightHistory;
    int calls = 0;  // every drawing call except the take light
};

}  // namespace vx::test
