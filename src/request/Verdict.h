#pragma once
// What became of a request: one word for the whole, and one per output it touched.
#include <string>
#include <vector>

#include "model/Records.h"

namespace vx {

enum class Outcome {
    Done,          // carried out (and, where the switcher answers, acknowledged)
    Refused,       // a guard held it back; Why says which, in the status line's words
    NotCarriedOut, // sent, but the switcher did not acknowledge it or holds something else
    Ignored,       // a click that arrived while the panel waited for the switcher
    Queued,        // kept, to run once the exchange under way is over
};

struct OutputVerdict {
    int Output = -1;
    Outcome Result = Outcome::Done;
    std::string Why;
    RouteEntry Holds{NO_INPUT, 1};  // what the model shows for the output afterwards
};

struct Verdict {
    Outcome Result = Outcome::Done;
    std::string Why;
    std::vector<OutputVerdict> Outputs;

    bool Done() const { return Result == Outcome::Done; }
};

// Why an output of a route made at once was not carried out.
inline constexpr const char* RouteNotAcknowledgedText = "the switcher did not acknowledge the route";
inline constexpr const char* TakeNotAcknowledgedText = "the switcher did not acknowledge the take";
inline constexpr const char* NotTakenText = "not taken: a route before it was not acknowledged";

}  // namespace vx
