#include "changes/PanelPicture.h"

#include <cstring>

namespace vx {

namespace {
const std::string NoName;
const FollowMarks NoMarks;
}  // namespace

PanelPicture::PanelPicture() {
    // The name boxes start with the numbers, and so do the captions they name.
    for (int k = 0; k < MaxInputs; ++k) inputNames_[static_cast<std::size_t>(k)] = std::to_string(k + 1);
    for (int o = 0; o < MaxOutputs; ++o) outputNames_[static_cast<std::size_t>(o)] = std::to_string(o + 1);
}

const std::string& PanelPicture::InputName(int input) const {
    return IsIndex(input, MaxInputs) ? inputNames_[static_cast<std::size_t>(input)] : NoName;
}

const std::string& PanelPicture::OutputName(int output) const {
    return IsIndex(output, MaxOutputs) ? outputNames_[static_cast<std::size_t>(output)] : NoName;
}

const FollowMarks& PanelPicture::MarksOf(int output) const {
    return IsIndex(output, MaxOutputs) ? marks_[static_cast<std::size_t>(output)] : NoMarks;
}

void PanelPicture::SetInputName(int input, const std::string& name) {
    if (!IsIndex(input, MaxInputs)) return;
    inputNames_[static_cast<std::size_t>(input)] = name;
    stream_.Publish({ChangeKind::InputName, input});
}

void PanelPicture::SetOutputName(int output, const std::string& name) {
    if (!IsIndex(output, MaxOutputs)) return;
    outputNames_[static_cast<std::size_t>(output)] = name;
    stream_.Publish({ChangeKind::OutputName, output});
}

void PanelPicture::SetMarks(int output, const FollowMarks& marks) {
    if (!IsIndex(output, MaxOutputs)) return;
    FollowMarks& kept = marks_[static_cast<std::size_t>(output)];
    if (kept == marks) return;
    kept = marks;
    stream_.Publish({ChangeKind::Marks, output});
}

const std::string& PanelPicture::LockHolder(int output) const {
    return IsIndex(output, MaxOutputs) ? lockHolders_[static_cast<std::size_t>(output)] : NoName;
}

void PanelPicture::SetLockHolder(int output, const std::string& address) {
    if (!IsIndex(output, MaxOutputs)) return;
    std::string& kept = lockHolders_[static_cast<std::size_t>(output)];
    if (kept == address) return;
    kept = address;
    stream_.Publish({ChangeKind::Marks, output});
}

void PanelPicture::Catch(const SwitcherState& m, const std::bitset<MaxOutputs>& protectedOutputs, bool present) {
    Seen now;
    for (int o = 0; o < MaxOutputs; ++o) {
        now.Routes[o] = m.Routes[o];
        now.PrevInputs[o] = m.PrevInputs[o];
        now.Reclockers[o] = m.Reclockers[o];
    }
    now.Selected = m.SelectedOutput;
    now.Outputs = m.OutputCount;
    now.Inputs = m.InputCount;
    now.Preview = m.PreviewActive != 0;
    now.Present = present;
    now.Groups = m.Groups;
    now.Protected = protectedOutputs;
    // The first look publishes nothing: whoever subscribes draws from the model as it is.
    const Seen was = caught_ ? seen_ : now;
    seen_ = now;
    caught_ = true;
    if (now.Outputs != was.Outputs || now.Inputs != was.Inputs) stream_.Publish({ChangeKind::Size});
    if (std::memcmp(&now.Groups, &was.Groups, sizeof(GroupTables)) != 0) stream_.Publish({ChangeKind::Groups});
    if (now.Preview != was.Preview) stream_.Publish({ChangeKind::Preview});
    for (int o = 0; o < MaxOutputs; ++o) {
        const bool route = now.Routes[o].Input != was.Routes[o].Input ||
                           now.Routes[o].Committed != was.Routes[o].Committed ||
                           now.PrevInputs[o] != was.PrevInputs[o] || now.Reclockers[o] != was.Reclockers[o];
        if (route) stream_.Publish({ChangeKind::Route, o, was.Routes[o], now.Routes[o]});
        if (now.Protected[o] != was.Protected[o]) stream_.Publish({ChangeKind::Protection, o});
    }
    if (now.Selected != was.Selected) {
        if (IsIndex(was.Selected, MaxOutputs)) stream_.Publish({ChangeKind::Selection, was.Selected});
        if (IsIndex(now.Selected, MaxOutputs)) stream_.Publish({ChangeKind::Selection, now.Selected});
    }
    if (now.Present != was.Present) stream_.Publish({ChangeKind::Present});
}

}  // namespace vx
