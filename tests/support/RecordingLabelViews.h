#pragma once
// The name boxes and the named controls as the window would show them, starting as the
// window does: every box holding its number.
#include <array>
#include <map>
#include <string>
#include <vector>

#include "labels/NameBoxView.h"
#include "labels/NameCaptionView.h"
#include "model/Records.h"

namespace vx::test {

class RecordingNameBoxes : public NameBoxView {
public:
    RecordingNameBoxes() {
        for (NameFamily f : {NameFamily::Input, NameFamily::Output, NameFamily::Group, NameFamily::Preset})
            for (int i = 0; i < FamilySize(f); ++i) texts[Key({f, i})] = std::to_string(i + 1);
    }
    std::string BoxText(NameBox box) const override { return texts.at(Key(box)); }
    void SetBoxText(NameBox box, const std::string& text) override { texts.at(Key(box)) = text; }
    bool IsBoxEnabled(NameBox box) const override { return !disabled.count(Key(box)); }
    void FocusBox(NameBox box) override { focused.push_back(box); }

    // The operator types into a box (the text only; leaving it is a separate step).
    void Type(NameFamily f, int i, const std::string& text) { texts.at(Key({f, i})) = text; }
    void Disable(NameFamily f, int i) { disabled[Key({f, i})] = true; }

    std::map<std::pair<int, int>, std::string> texts;
    std::map<std::pair<int, int>, bool> disabled;
    std::vector<NameBox> focused;

private:
    static std::pair<int, int> Key(NameBox b) { return {static_cast<int>(b.Family), b.Index}; }
};

class RecordingNameCaptions : public NameCaptionView {
public:
    RecordingNameCaptions() {
        for (int i = 0; i < MaxInputs; ++i) inputs[static_cast<std::size_t>(i)] = std::to_string(i + 1);
        for (int o = 0; o < MaxOutputs; ++o) outputs[static_cast<std::size_t>(o)] = std::to_string(o + 1);
        for (int g = 0; g < GroupCount; ++g)
            groups[static_cast<std::size_t>(g)] =
                "Group " + std::to_string(g + 1) + " (" + std::to_string(g + 1) + ")";
        for (int p = 0; p < PresetCount; ++p) presets[static_cast<std::size_t>(p)] = std::to_string(p + 1);
    }
    void SetInputName(int input, const std::string& name) override {
        inputs.at(static_cast<std::size_t>(input)) = name;
    }
    void SetOutputName(int output, const std::string& name) override {
        outputs.at(static_cast<std::size_t>(output)) = name;
    }
    void SetGroupName(int group, const std::string& caption, const std::string&) override {
        groups.at(static_cast<std::size_t>(group)) = caption;
    }
    void SetPresetName(int preset, const std::string& name) override {
        presets.at(static_cast<std::size_t>(preset)) = name;
    }

    std::array<std::string, MaxInputs> inputs;
    std::array<std::string, MaxOutputs> outputs;
    std::array<std::string, GroupCount> groups;
    std::array<std::string, PresetCount> presets;
};

}  // namespace vx::test
