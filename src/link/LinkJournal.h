#pragma once
// Where the link layer writes down what it did: each line sent with what became of it,
// each status query and each link event. The activity log implements it; the panel core
// owns that log and gives it to the link state, so the link knows nothing of records,
// files or users.
#include <string>
#include <utility>
#include <vector>

namespace vx {

class LinkJournal {
public:
    // What became of a line sent.
    enum class LineOutcome { Answered, NoAnswer, Sent, NotSent };
    // Named values beside the words, for a program that reads the journal.
    using Fields = std::vector<std::pair<std::string, std::string>>;

    virtual ~LinkJournal() = default;
    // False when nothing is kept, so a caller can skip putting a record together.
    virtual bool On() const = 0;
    virtual void Note(const std::string& kind, const std::string& text, const std::string& outcome = {},
                      Fields fields = {}) = 0;
    virtual void NoteLine(const std::string& line, LineOutcome outcome) = 0;
};

// Keeps nothing: the journal of a link state that was given none (a test, a rig).
class QuietLinkJournal final : public LinkJournal {
public:
    bool On() const override { return false; }
    void Note(const std::string&, const std::string&, const std::string& = {}, Fields = {}) override {}
    void NoteLine(const std::string&, LineOutcome) override {}
};

}  // namespace vx
