#include "routing/CrosspointCell.h"

#include "model/LiveCount.h"
#include "routing/Crosspoint.h"

namespace vx {

namespace {

void Join(std::string& words, const std::string& more) {
    if (more.empty()) return;
    if (!words.empty()) words += ", ";
    words += more;
}

std::string GroupWords(int g) {
    return "group " + std::to_string(g + 1);
}

// The group of output o when that group has inputs: the one whose inputs it may take.
int RulingGroup(const GroupTables& t, int o) {
    const int g = t.OutputGroups[o];
    return IsIndex(g, GroupCount) && t.InputCounts[g] != 0 ? g : NO_INPUT;
}

// The group with inputs that input k belongs to, if any.
int GroupKeeping(const GroupTables& t, int k) {
    for (int j = 0; j < GroupCount; ++j)
        if (t.InputCounts[j] != 0 && t.InputMembers[j][k] == j) return j;
    return NO_INPUT;
}

std::string MarkWords(const OutputMarks& marks) {
    std::string words;
    // Follow mode's words say its mark best; a bare flag still says what it is.
    if (marks.TakeFailed || marks.ChangedElsewhere)
        Join(words, !marks.Remark.empty() ? marks.Remark
                                          : (marks.TakeFailed ? "take failed" : "changed at the switcher"));
    if (marks.Protected) Join(words, "protected");
    if (!marks.LockedBy.empty()) Join(words, "locked by router client " + marks.LockedBy);
    return words;
}

}  // namespace

int RouteCellInput(const SwitcherState& m, int o) {
    if (!IsIndex(o, MaxOutputs)) return NO_INPUT;
    const RouteEntry& r = m.Routes[o];
    if (IsIndex(r.Input, MaxInputs)) return r.Input;
    const int prev = m.PrevInputs[o];
    return r.Committed == 0 && IsIndex(prev, MaxInputs) ? prev : NO_INPUT;
}

CrosspointCell CellAt(const SwitcherState& m, int o, int k, const OutputMarks& marks) {
    CrosspointCell c;
    if (!IsIndex(o, LiveCount(m.OutputCount, MaxOutputs)) || !IsIndex(k, LiveCount(m.InputCount, MaxInputs)))
        return c;
    c.Live = true;
    const RouteEntry& r = m.Routes[o];
    const int prev = m.PrevInputs[o];
    const bool routedHere = r.Input == k;
    c.InForce = routedHere && r.Committed != 0;
    c.Pending = routedHere && r.Committed == 0;
    c.PendingDisconnect = r.Input == NO_INPUT && r.Committed == 0 && prev == k;
    // Only a pending output has an input to fall back to.
    c.Previous = prev == k && r.Committed == 0 && !c.PendingDisconnect;
    c.Allowed = InputAllowedByGroups(m, o, k);
    c.Group = RulingGroup(m.Groups, o);
    if (!c.Allowed && c.Group == NO_INPUT) c.InputGroup = GroupKeeping(m.Groups, k);
    if (RouteCellInput(m, o) == k) c.Marks = marks;
    return c;
}

std::string CellName(int o, int k) {
    return "Output " + std::to_string(o + 1) + ", Input " + std::to_string(k + 1);
}

std::string CellWords(const CrosspointCell& c) {
    if (!c.Live) return "";
    std::string words;
    if (c.InForce) Join(words, "in force");
    if (c.Pending) Join(words, "pending");
    if (c.PendingDisconnect) Join(words, "pending disconnect");
    if (c.Previous) Join(words, "previous input");
    if (!c.Allowed) {
        if (c.Group != NO_INPUT)
            Join(words, "not in " + GroupWords(c.Group));
        else if (c.InputGroup != NO_INPUT)
            Join(words, "reserved for " + GroupWords(c.InputGroup));
        else
            Join(words, "not allowed");
    }
    Join(words, MarkWords(c.Marks));
    return words.empty() ? "not routed" : words;
}

Colour CellColour(const CrosspointCell& c) {
    if (c.Pending || c.PendingDisconnect) return Colour::Red;
    if (c.InForce) return Colour::Lime;
    return Colour::ButtonFace;
}

std::string OutputRowWords(const SwitcherState& m, int o, bool selected, const OutputMarks& marks) {
    if (!IsIndex(o, MaxOutputs)) return "";
    std::string words;
    if (selected) Join(words, "selected");
    const RouteEntry& r = m.Routes[o];
    if (r.Input == NO_INPUT && r.Committed == 0) Join(words, "pending disconnect");
    const int g = RulingGroup(m.Groups, o);
    if (g != NO_INPUT) Join(words, GroupWords(g));
    Join(words, MarkWords(marks));
    return words;
}

}  // namespace vx
