#pragma once
// The preset sequencer of the "Sequencing" page: an endless timed cycle through the rows
// that are on, each recalling its preset directly (applied and sent at once) and staying
// in force for the row's delay. PresetSeqTimer is used as a one-shot timer, re-armed with
// the delay of each row as it is recalled. Rows are 0..7.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "link/Ports.h"
#include "presets/Presets.h"
#include "presets/SequencingView.h"

namespace vx {

inline constexpr int SequenceRowCount = 8;

class Sequencer {
public:
    Sequencer(Presets& presets, SequencingView& view, Prompter& prompts, OneShotTimer& timer);

    // PresetSeqEnableCheckBox1Click .. 8: the row's edits follow its "On" box.
    void PresetSeqEnableCheckBoxClick(int k);
    // PresetSeqEdit1Exit .. 8 and PresetDelayEdit1Exit .. 8: a bad value is shown and
    // the focus goes back to the edit.
    void ValidateSequencePreset(int k);
    void ValidateSequenceDelay(int k);
    // Checks every row that is on and (re)starts at the first one; a failed check shows
    // its message and leaves everything as it was, a running sequence running.
    void StartSequence();
    void StopSequence();
    // PresetSeqTimerTimer: the next row that is on.
    void SequenceTick();
    // Row k's label lime, the others button face.
    void HighlightSequenceRow(int k);

    // Asked before each recall of preset p (0..7): true skips it, and the sequence goes on
    // to the next row at the usual time. Protected outputs use it.
    void SetRecallFilter(std::function<bool(int p)> skip) { skip_ = std::move(skip); }

    // A tick that may not run now (the panel is waiting for the switcher, or a preview
    // waits for its confirm) is kept until it can; the timer retries it shortly as well.
    void DeferTick();
    bool TickDeferred() const { return deferred_; }

    bool Running() const { return running_; }
    const std::array<std::int32_t, SequenceRowCount>& SequenceSteps() const { return steps_; }
    std::int32_t SequenceEnabledCount() const { return enabledCount_; }
    // The validity marks of the edits: true after the last check failed.
    bool PresetEditInvalid(int k) const { return presetInvalid_.at(static_cast<std::size_t>(k)); }
    bool DelayEditInvalid(int k) const { return delayInvalid_.at(static_cast<std::size_t>(k)); }

    static constexpr int DeferRetryMs = 200;
    // The length of a second of delay; whole-system tests shorten it.
    void SetSecondMs(int ms) { secondMs_ = ms; }

private:
    struct RowField;
    static const RowField PresetField;
    static const RowField DelayField;

    // The number in one of row k's edits when it is valid; shows the message, marks the
    // edit and gives it the focus otherwise.
    bool CheckRowNumber(const RowField& field, int k, int& number);
    bool CheckPreset(int k, int& preset);
    bool CheckDelay(int k, int& seconds);
    bool PresetRecallable(int n) const;
    void Recall(int p);

    Presets& presets_;
    SequencingView& view_;
    Prompter& prompts_;
    OneShotTimer& timer_;

    std::array<std::int32_t, SequenceRowCount> steps_{};
    std::array<std::int32_t, SequenceRowCount> delays_{};
    std::int32_t enabledCount_ = 0;
    std::int32_t currentStep_ = 0;
    std::array<bool, SequenceRowCount> presetInvalid_{};
    std::array<bool, SequenceRowCount> delayInvalid_{};
    bool running_ = false;
    bool deferred_ = false;
    int secondMs_ = 1000;
    std::function<bool(int)> skip_;
};

}  // namespace vx
