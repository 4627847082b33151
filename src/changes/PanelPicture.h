#pragma once
// What the panel shows beyond the switcher's own state, kept in the core so that no window
// has to remember it: the names the captions show and follow mode's marks. It also
// publishes what changed in the model since it last looked, once per change.
#include <array>
#include <bitset>
#include <string>

#include "changes/ChangeStream.h"
#include "model/SwitcherState.h"

namespace vx {

// Follow mode's marks on one output.
struct FollowMarks {
    bool ChangedElsewhere = false;  // found changed at the switcher
    bool TakeFailed = false;        // a take found not carried out
    std::string Remark;             // follow mode's own words for the mark
    bool operator==(const FollowMarks&) const = default;
};

class PanelPicture {
public:
    PanelPicture();

    ChangeStream& Changes() { return stream_; }

    const std::string& InputName(int input) const;
    const std::string& OutputName(int output) const;
    const FollowMarks& MarksOf(int output) const;
    // The router client that holds the output locked; empty when none does.
    const std::string& LockHolder(int output) const;

    // Set as the captions and follow mode draw them; each change is published at once.
    void SetInputName(int input, const std::string& name);
    void SetOutputName(int output, const std::string& name);
    void SetMarks(int output, const FollowMarks& marks);
    void SetLockHolder(int output, const std::string& address);

    // What changed in the model, the protection and the link since the last look,
    // published one change each.
    void Catch(const SwitcherState& m, const std::bitset<MaxOutputs>& protectedOutputs, bool present);

private:
    struct Seen {
        std::array<RouteEntry, MaxOutputs> Routes{};
        std::array<byte, MaxOutputs> PrevInputs{};
        std::array<byte, MaxOutputs> Reclockers{};
        int Selected = NO_INPUT;
        int Outputs = 0;
        int Inputs = 0;
        bool Preview = false;
        bool Present = false;
        GroupTables Groups{};
        std::bitset<MaxOutputs> Protected;
    };

    ChangeStream stream_;
    std::array<std::string, MaxInputs> inputNames_;
    std::array<std::string, MaxOutputs> outputNames_;
    std::array<FollowMarks, MaxOutputs> marks_;
    std::array<std::string, MaxOutputs> lockHolders_;
    Seen seen_;
    bool caught_ = false;
};

}  // namespace vx
