#pragma once
// The simulator's own switcher behind the panel's fake links: every line the panel writes
// goes through vxsim's line splitter and interpreter, and the answer, framed by vxsim's
// answer code, comes back cut into pieces whose sizes come from the fuzz input.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <string>
#include <vector>

#include "AnswerFrame.h"
#include "Interpreter.h"
#include "LineSplitter.h"

namespace vx::fuzz {

class RoundTripSwitcher {
public:
    RoundTripSwitcher(vxsim::Interpreter& interpreter, const vxsim::FrameOptions& frame,
                      FuzzedDataProvider& in)
        : interpreter_(interpreter), frame_(frame), in_(in) {}

    // The answers to what the panel wrote, in order, each as the pieces it arrives in.
    // Pieces are 1 to maxPiece bytes, but never so small that an answer takes more than
    // maxPieces reads (the TCP collector reads an answer in at most a hundred).
    std::vector<std::vector<std::string>> Answer(const std::string& written, std::size_t maxPiece,
                                                 std::size_t maxPieces) {
        std::vector<std::vector<std::string>> answers;
        for (const vxsim::ReceivedLine& line : splitter_.Feed(written)) {
            const vxsim::Outcome outcome =
                line.TooLong ? vxsim::Interpreter::RejectTooLong() : interpreter_.Execute(line.Text);
            const std::string bytes = vxsim::FrameAnswer(outcome, line.Text, frame_);
            const std::size_t least = (bytes.size() + maxPieces - 1) / maxPieces;
            std::vector<std::string> pieces;
            for (std::size_t at = 0; at < bytes.size();) {
                const std::size_t n =
                    in_.ConsumeIntegralInRange<std::size_t>(least, std::max(least, maxPiece));
                pieces.push_back(bytes.substr(at, n));
                at += n;
            }
            answers.push_back(std::move(pieces));
        }
        return answers;
    }

private:
    vxsim::Interpreter& interpreter_;
    const vxsim::FrameOptions& frame_;
    FuzzedDataProvider& in_;
    vxsim::LineSplitter splitter_;
};

}  // namespace vx::fuzz
