#pragma once
// A switcher's side of the status queries for tests: each query line is answered with
// scripted bytes written into ReplyBuffer from position 0 (the rest of the buffer keeps
// what earlier answers left there, as on the serial link), or with a missing answer.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "link/LinkState.h"
#include "link/StatusQuery.h"

namespace vx::test {

// An answer frame: lead-in, marker, skipped byte, payload, trailer.
std::string FramedAnswer(const std::string& payload, const std::string& leadIn = "", char skipped = '\0',
                         const std::string& trailer = "\r\n#");

// Bytes of a model block as a string, for building payloads.
template <typename T>
std::string BytesOf(const T& block, std::size_t count = sizeof(T)) {
    return std::string(reinterpret_cast<const char*>(&block), count);
}

class ScriptedStatusQuery : public StatusQuery {
public:
    explicit ScriptedStatusQuery(LinkState& link) : link_(link) {}

    void RunStatusQuery() override;

    // The answer to a query line (with its carriage return); nothing means no answer.
    std::function<std::optional<std::string>(const std::string& line)> answerFor;
    std::vector<std::string> lines;  // every query line, in order
    std::vector<int> minLengths;     // ReplyMinLength at each query

private:
    LinkState& link_;
};

}  // namespace vx::test
