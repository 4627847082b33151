#pragma once
// The steps that can be put back (undo) and done again (redo), newest last. A new step
// drops what could be redone. Only the newest step of each list can run, and only while
// the switcher still holds what that step expects; once it does not, the step is marked
// with the reason and stays refused.
#include <cstddef>
#include <deque>
#include <string>

#include "undo/TakeStep.h"

namespace vx {

inline constexpr std::size_t UndoStepLimit = 100;

inline constexpr const char* UndoCaption = "Undo Take";

// Why a step no longer holds, after its outputs' names: "output 3 changed at the switcher".
inline constexpr const char* StaleAtSwitcher = "changed at the switcher";
inline constexpr const char* StaleBySequence = "changed by the preset sequence";
inline constexpr const char* StaleSince = "changed since";
inline constexpr const char* RedoCaption = "Redo Take";

class UndoHistory {
public:
    void Record(TakeStep step);
    // Marks the newest step of either list whose outputs no longer hold what it expects,
    // with the outputs and why: "output 3 changed at the switcher". A mark stays.
    void Check(const InForceState& now, const std::string& why);

    const TakeStep* NextUndo() const { return undo_.empty() ? nullptr : &undo_.back(); }
    const TakeStep* NextRedo() const { return redo_.empty() ? nullptr : &redo_.back(); }
    // The newest step moves to the other list once it has been put back or done again.
    void Undone();
    void Redone();

    // The Edit menu: "Undo Take: outputs 3, 4", with the reason when it is refused.
    std::string UndoText() const { return Text(UndoCaption, NextUndo()); }
    std::string RedoText() const { return Text(RedoCaption, NextRedo()); }
    bool CanUndo() const { return NextUndo() != nullptr && NextUndo()->Stale.empty(); }
    bool CanRedo() const { return NextRedo() != nullptr && NextRedo()->Stale.empty(); }
    std::size_t UndoCount() const { return undo_.size(); }

private:
    static std::string Text(const char* caption, const TakeStep* step);

    std::deque<TakeStep> undo_;
    std::deque<TakeStep> redo_;
};

}  // namespace vx
