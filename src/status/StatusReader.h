#pragma once
// The six status reads: each sends its query, finds the payload in the answer and copies
// it byte for byte into its block of the model. Each returns true when every answer it
// asked for was found and stored; on false the block keeps what it held (for the preset
// reads: the presets before the failed one are new, the rest old).
#include <span>
#include <string>

#include "link/Exchanges.h"
#include "link/LinkContext.h"
#include "link/StatusQuery.h"
#include "status/ProgressView.h"

namespace vx {

class StatusReader {
public:
    StatusReader(LinkContext& ctx, StatusQuery& query, ProgressView& progress);

    // Info; then the size by the model code and the reclockers by the new size.
    bool ReadMatrixInfo();
    // Routes[0 .. OutputCount - 1]; entries beyond the live count are left.
    bool ReadOutputStatus();
    // PrevInputs[0 .. OutputCount - 1].
    bool ReadPrevOutputStatus();
    bool ReadGroupingStatus();
    // Presets[0..7], one query each, stopping at the first failure.
    bool ReadPresetStatus();
    // Presets[n] alone: what "RPRST n+1" would put in force, as the switcher stores it now.
    bool ReadPreset(int n);
    // PresetGroups[0..7] likewise, moving the progress dots on before presets 2 and 5.
    bool ReadPresetGroupStatus();

private:
    // One query and its answer. The target is written only when the whole payload arrived.
    bool ReadAnswer(const std::string& line, int minLength, std::span<std::uint8_t> target,
                    const char* keyword);
    void ReportParseFailure(const char* keyword);
    int LiveOutputs() const;

    LinkContext& c_;
    StatusQuery& query_;
    ProgressView& progress_;
    Exchanges exchanges_;
};

}  // namespace vx
