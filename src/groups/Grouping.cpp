#include "groups/Grouping.h"

#include <string>
#include <vector>

#include "link/CommandLines.h"
#include "model/HandlerGuard.h"
#include "model/LiveCount.h"

namespace vx {

namespace {

// Decrement / increment of a signed count byte, wrapping like the byte it is.
void Dec(std::int8_t& v) { v = static_cast<std::int8_t>(v - 1); }
void Inc(std::int8_t& v) { v = static_cast<std::int8_t>(v + 1); }

}  // namespace

Grouping::Grouping(SwitcherState& model, CommandSender& sender, GroupingView& view)
    : m_(model), send_(sender), view_(view) {}

void Grouping::InitGroups() {
    InitGroupTables(m_.Groups);
    ShowFirstGroup();
}

void Grouping::ShowFirstGroup() {
    view_.SelectGroupRadioItem(0);
    UpdateGroupExistBoxes();
    ShowGroup(0);
}

void Grouping::ColourInputButtons(int g) {
    const int inputs = LiveCount(m_.InputCount, MaxInputs);
    for (int i = 0; i < inputs; ++i)
        view_.SetGroupInputButtonColour(i, m_.Groups.InputMembers[g][i] == g ? Colour::Yellow : Colour::ButtonFace);
}

void Grouping::ColourOutputButtons(int g) {
    const int outputs = LiveCount(m_.OutputCount, MaxOutputs);
    for (int o = 0; o < outputs; ++o)
        view_.SetGroupOutputButtonColour(o, m_.Groups.OutputGroups[o] == g ? Colour::Yellow : Colour::ButtonFace);
}

void Grouping::ShowGroup(int g) {
    if (!IsIndex(g, GroupCount)) return;
    const GroupTables& t = m_.Groups;
    const int outputs = LiveCount(m_.OutputCount, MaxOutputs);
    const int inputs = LiveCount(m_.InputCount, MaxInputs);
    for (int o = 0; o < outputs; ++o) {
        // A stray group byte (not NO_INPUT, beyond 7) counts as "no group".
        const int og = t.OutputGroups[o];
        view_.SetGroupOutputButtonEnabled(o, !IsIndex(og, GroupCount) || og == g);
    }
    for (int i = 0; i < inputs; ++i) {
        bool enabled = true;
        for (int j = 0; j < GroupCount; ++j)
            if (j != g && t.InputCounts[j] != 0 && t.InputMembers[j][i] == j) enabled = false;
        view_.SetGroupInputButtonEnabled(i, enabled);
    }
    ColourInputButtons(g);
    ColourOutputButtons(g);
}

void Grouping::UpdateGroupExistBoxes() {
    for (int g = 0; g < GroupCount; ++g)
        view_.SetGroupExistChecked(g, m_.Groups.MemberCounts[g] >= 1 && m_.Groups.OutputCounts[g] >= 1);
}

void Grouping::ToggleGroupInput(int g, int i) {
    if (!IsIndex(g, GroupCount) || !IsIndex(i, MaxInputs)) return;
    GroupTables& t = m_.Groups;
    if (t.OutputCounts[g] < 1) {
        view_.SetOutputFirstHintVisible(true);
        return;
    }
    if (t.InputCounts[g] > 0 && t.InputMembers[g][i] == g) {
        t.InputMembers[g][i] = NO_INPUT;
        Dec(t.MemberCounts[g]);
        Dec(t.InputCounts[g]);
        ColourInputButtons(g);
        send_.SendGroupDelete(g, GroupNoMember, i);
    } else {
        t.InputMembers[g][i] = static_cast<byte>(g);
        Inc(t.MemberCounts[g]);
        Inc(t.InputCounts[g]);
        ColourInputButtons(g);
        send_.SendGroupAdd(g, GroupNoMember, i);
    }
    UpdateGroupExistBoxes();
}

void Grouping::ToggleGroupOutput(int g, int o) {
    if (!IsIndex(g, GroupCount) || !IsIndex(o, MaxOutputs)) return;
    GroupTables& t = m_.Groups;
    if (t.OutputGroups[o] == g) {
        t.OutputGroups[o] = NO_INPUT;
        Dec(t.OutputCounts[g]);
        if (t.OutputCounts[g] == 0) {
            // The last output takes the whole group with it: one "GCLEAR", no "GDEL".
            RemoveGroup(g);
        } else {
            Dec(t.MemberCounts[g]);
            ColourOutputButtons(g);
            send_.SendGroupDelete(g, o, GroupNoMember);
        }
    } else {
        view_.SetOutputFirstHintVisible(false);
        t.OutputGroups[o] = static_cast<byte>(g);
        Inc(t.MemberCounts[g]);
        Inc(t.OutputCounts[g]);
        ColourOutputButtons(g);
        send_.SendGroupAdd(g, o, GroupNoMember);
    }
    UpdateGroupExistBoxes();
}

void Grouping::ClearGroup(int g) {
    GroupTables& t = m_.Groups;
    t.MemberCounts[g] = 0;
    t.InputCounts[g] = 0;
    t.OutputCounts[g] = 0;
    // The tables still name g's members here, so g's own outputs stay enabled.
    ShowGroup(g);
    UpdateGroupExistBoxes();
    const int inputs = LiveCount(m_.InputCount, MaxInputs);
    const int outputs = LiveCount(m_.OutputCount, MaxOutputs);
    for (int i = 0; i < inputs; ++i)
        if (t.InputMembers[g][i] == g) t.InputMembers[g][i] = NO_INPUT;
    for (int o = 0; o < outputs; ++o)
        if (t.OutputGroups[o] == g) t.OutputGroups[o] = NO_INPUT;
    ColourInputButtons(g);
    ColourOutputButtons(g);
}

void Grouping::RemoveGroup(int g) {
    if (!IsIndex(g, GroupCount)) return;
    if (m_.Groups.MemberCounts[g] <= 0) return;
    ClearGroup(g);
    send_.SendGroupClear(g);
}

void Grouping::RemoveAllGroups() {
    for (int g = 0; g < GroupCount; ++g)
        if (m_.Groups.MemberCounts[g] > 0) ClearGroup(g);
    send_.SendGroupClear(AllGroups);
}

void Grouping::RefreshGroupingPage() {
    std::vector<std::string> items;
    for (int g = 0; g < GroupCount; ++g) {
        view_.SetGroupExistChecked(g, m_.Groups.MemberCounts[g] > 0);
        view_.SetGroupExistEnabled(g, true);
        items.push_back("Group " + std::to_string(g + 1));
    }
    view_.SetGroupRadioItems(items);
    const int inputs = LiveCount(m_.InputCount, MaxInputs);
    const int outputs = LiveCount(m_.OutputCount, MaxOutputs);
    for (int i = 0; i < MaxInputs; ++i) view_.SetGroupInputButtonEnabled(i, i < inputs);
    for (int o = 0; o < MaxOutputs; ++o) view_.SetGroupOutputButtonEnabled(o, o < outputs);
    view_.SelectGroupRadioItem(0);
    view_.SetOutputFirstHintVisible(false);
    ShowGroup(0);
}

void Grouping::GroupingRadioGroupClick() {
    view_.SetOutputFirstHintVisible(false);
    ShowGroup(view_.SelectedGroup());
}

void Grouping::GroupInputButtonClick(int i) { GroupInputButtonClick(view_.SelectedGroup(), i); }
void Grouping::GroupOutputButtonClick(int o) { GroupOutputButtonClick(view_.SelectedGroup(), o); }
void Grouping::GroupingRemoveButtonClick() { GroupingRemoveButtonClick(view_.SelectedGroup()); }

void Grouping::GroupInputButtonClick(int g, int i) {
    HandlerGuard guard(m_);
    if (!guard) return;
    ToggleGroupInput(g, i);
}

void Grouping::GroupOutputButtonClick(int g, int o) {
    HandlerGuard guard(m_);
    if (!guard) return;
    ToggleGroupOutput(g, o);
}

void Grouping::GroupingRemoveButtonClick(int g) {
    HandlerGuard guard(m_);
    if (!guard) return;
    RemoveGroup(g);
}

void Grouping::GroupingRemoveAllButtonClick() {
    HandlerGuard guard(m_);
    if (!guard) return;
    RemoveAllGroups();
}

}  // namespace vx
