#include "ScriptedStatusQuery.h"

#include <algorithm>

namespace vx::test {

std::string FramedAnswer(const std::string& payload, const std::string& leadIn, char skipped,
                         const std::string& trailer) {
    return leadIn + '\x01' + skipped + payload + trailer;
}

void ScriptedStatusQuery::RunStatusQuery() {
    const std::string line(link_.CommandLine.data());
    lines.push_back(line);
    minLengths.push_back(link_.ReplyMinLength);
    const auto answer = answerFor ? answerFor(line) : std::nullopt;
    link_.ReplyFailed = !answer;
    if (!answer) return;
    const auto n = std::min<std::size_t>(answer->size(), link_.ReplyBuffer.size());
    std::copy_n(answer->begin(), n, link_.ReplyBuffer.begin());
    link_.ReplyLength = static_cast<int>(n);
}

}  // namespace vx::test
