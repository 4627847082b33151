#include "presets/Sequencer.h"

#include "presets/SequenceNumbers.h"

namespace vx {

namespace {
std::size_t At(int k) {
    return static_cast<std::size_t>(k);
}
}  // namespace

Sequencer::Sequencer(Presets& presets, SequencingView& view, Prompter& prompts, OneShotTimer& timer)
    : presets_(presets), view_(view), prompts_(prompts), timer_(timer) {}

void Sequencer::PresetSeqEnableCheckBoxClick(int k) {
    if (!IsIndex(k, SequenceRowCount)) return;
    view_.SetRowEditsEnabled(k, view_.IsRowOn(k));
}

// One of a row's two edits: where its text comes from, its limits and its messages.
struct Sequencer::RowField {
    std::string (SequencingView::*text)(int) const;
    void (SequencingView::*focus)(int);
    int min, max;
    std::string (*notValid)(const std::string&);
    std::string (*outOfLimits)();
    std::array<bool, SequenceRowCount> Sequencer::*invalid;
};

const Sequencer::RowField Sequencer::PresetField{.text = &SequencingView::PresetText,
                                                 .focus = &SequencingView::FocusPresetEdit,
                                                 .min = SequencePresetMin,
                                                 .max = SequencePresetMax,
                                                 .notValid = NotAValidPresetText,
                                                 .outOfLimits = PresetOutOfLimitsText,
                                                 .invalid = &Sequencer::presetInvalid_};
const Sequencer::RowField Sequencer::DelayField{.text = &SequencingView::DelayText,
                                                .focus = &SequencingView::FocusDelayEdit,
                                                .min = SequenceDelayMin,
                                                .max = SequenceDelayMax,
                                                .notValid = NotAValidDelayText,
                                                .outOfLimits = DelayOutOfLimitsText,
                                                .invalid = &Sequencer::delayInvalid_};

bool Sequencer::CheckRowNumber(const RowField& field, int k, int& number) {
    const std::string text = (view_.*field.text)(k);
    const auto value = ParseRowNumber(text);
    std::string message;
    if (!value)
        message = field.notValid(text);
    else if (*value < field.min || *value > field.max)
        message = field.outOfLimits();
    (this->*field.invalid)[At(k)] = !message.empty();
    if (!message.empty()) {
        prompts_.ShowMessage(message);
        // Left for another page, the edit keeps its mark and the message is given once;
        // the focus never goes to a page the operator cannot see.
        if (view_.IsPageShown()) (view_.*field.focus)(k);
        return false;
    }
    number = static_cast<int>(*value);
    return true;
}

bool Sequencer::CheckPreset(int k, int& preset) {
    return CheckRowNumber(PresetField, k, preset);
}

bool Sequencer::CheckDelay(int k, int& seconds) {
    return CheckRowNumber(DelayField, k, seconds);
}

void Sequencer::ValidateSequencePreset(int k) {
    if (!IsIndex(k, SequenceRowCount)) return;
    int preset = 0;
    CheckPreset(k, preset);
}

void Sequencer::ValidateSequenceDelay(int k) {
    if (!IsIndex(k, SequenceRowCount)) return;
    int seconds = 0;
    CheckDelay(k, seconds);
}

bool Sequencer::PresetRecallable(int n) const {
    return n != 0 && presets_.IsPresetStored(n);
}

void Sequencer::StartSequence() {
    bool anyOn = false;
    for (int k = 0; k < SequenceRowCount; ++k) anyOn = anyOn || view_.IsRowOn(k);
    if (!anyOn) {
        prompts_.ShowMessage(NoSequenceEnabledText);
        return;
    }
    // The rows are checked into a new plan; a sequence already running keeps its own
    // until every check has passed.
    auto steps = steps_;
    auto delays = delays_;
    int count = 0;
    int first = -1;
    int firstDelayMs = 0;
    for (int k = 0; k < SequenceRowCount; ++k) {
        if (!view_.IsRowOn(k)) {
            steps[At(k)] = 0;
            continue;
        }
        int preset = 0, seconds = 0;
        if (!CheckPreset(k, preset) || !CheckDelay(k, seconds)) return;
        if (!presets_.IsPresetStored(preset)) {
            prompts_.ShowMessage(PresetEmptyText(view_.PresetText(k)));
            if (view_.IsPageShown()) view_.FocusPresetEdit(k);
            return;
        }
        if (first < 0) {
            first = k;
            firstDelayMs = seconds * secondMs_;
        }
        steps[At(k)] = preset;
        delays[At(k)] = seconds * secondMs_;
        ++count;
    }
    steps_ = steps;
    delays_ = delays;
    enabledCount_ = count;
    timer_.Stop();
    deferred_ = false;
    view_.SetRowsUnlocked(false);
    currentStep_ = first;
    HighlightSequenceRow(first);
    running_ = true;
    view_.SetSequenceLight(true);
    Recall(steps_[At(first)] - 1);
    // A Stop that came in during the recall's exchanges stands.
    if (running_) timer_.Start(firstDelayMs);
}

void Sequencer::StopSequence() {
    timer_.Stop();
    deferred_ = false;
    running_ = false;
    view_.SetSequenceLight(false);
    view_.SetRowsUnlocked(true);
}

void Sequencer::SequenceTick() {
    timer_.Stop();
    deferred_ = false;
    if (!running_) return;
    // A single row was recalled at the start; the sequence stays lit until Stop.
    if (enabledCount_ == 1) return;
    // The next row that is on. A preset emptied since the start (by a read from the
    // switcher) is passed over rather than recalled as an empty setting.
    int next = currentStep_;
    bool found = false;
    for (int i = 0; i < SequenceRowCount && !found; ++i) {
        next = (next + 1) % SequenceRowCount;
        found = PresetRecallable(steps_[At(next)]);
    }
    if (!found) {
        timer_.Start(delays_[At(currentStep_)]);
        return;
    }
    currentStep_ = next;
    Recall(steps_[At(next)] - 1);
    HighlightSequenceRow(next);
    if (running_) timer_.Start(delays_[At(next)]);
}

void Sequencer::Recall(int p) {
    if (skip_ && skip_(p)) return;
    presets_.LoadPreset(p, PresetLoad::Direct);
}

void Sequencer::HighlightSequenceRow(int k) {
    for (int row = 0; row < SequenceRowCount; ++row)
        view_.SetRowColour(row, row == k ? Colour::Lime : Colour::ButtonFace);
}

void Sequencer::DeferTick() {
    if (!running_) return;
    deferred_ = true;
    timer_.Start(DeferRetryMs);
}

}  // namespace vx
