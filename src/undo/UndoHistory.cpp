#include "undo/UndoHistory.h"

#include <utility>

namespace vx {

namespace {

void MarkIfChanged(std::deque<TakeStep>& steps, const InForceState& now, bool forward,
                   const std::string& why) {
    if (steps.empty() || !steps.back().Stale.empty()) return;
    const std::vector<int> changed = OutputsChangedSince(steps.back(), now, forward);
    if (!changed.empty()) steps.back().Stale = OutputsText(changed) + " " + why;
}

}  // namespace

void UndoHistory::Record(TakeStep step) {
    redo_.clear();
    undo_.push_back(std::move(step));
    while (undo_.size() > UndoStepLimit) undo_.pop_front();
}

void UndoHistory::Check(const InForceState& now, const std::string& why) {
    MarkIfChanged(undo_, now, false, why);
    MarkIfChanged(redo_, now, true, why);
}

void UndoHistory::Undone() {
    if (undo_.empty()) return;
    redo_.push_back(std::move(undo_.back()));
    undo_.pop_back();
}

void UndoHistory::Redone() {
    if (redo_.empty()) return;
    undo_.push_back(std::move(redo_.back()));
    redo_.pop_back();
}

std::string UndoHistory::Text(const char* caption, const TakeStep* step) {
    std::string text = caption;
    if (step == nullptr) return text;
    text += ": " + StepText(*step);
    if (!step->Stale.empty()) text += " (" + step->Stale + ")";
    return text;
}

}  // namespace vx
