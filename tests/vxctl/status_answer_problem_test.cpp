// Why a status answer that came cannot be taken apart, told apart from no answer at all.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "StatusAnswerProblem.h"

namespace vxctl {
namespace {

std::vector<std::uint8_t> Answer(std::size_t leadIn, bool marker, std::size_t payload) {
    std::vector<std::uint8_t> bytes(leadIn, '.');
    if (marker) bytes.push_back(0x01);
    bytes.push_back(0x00);  // the skipped byte
    bytes.insert(bytes.end(), payload, 0x07);
    return bytes;
}

TEST(StatusAnswerProblem, NamesWhatKeepsTheAnswerFromBeingTaken) {
    const struct {
        std::vector<std::uint8_t> Received;
        const char* Said;  // empty: nothing to say
    } cases[] = {
        {{}, ""},                    // nothing came: a silence, not this
        {Answer(0, true, 20), ""},   // whole
        {Answer(29, true, 20), ""},  // the last place the marker may be
        {Answer(30, true, 20), "its marker (0x01) is at byte 31, beyond the first 30"},
        {Answer(5, false, 20), "it holds no marker (0x01) in its 26 bytes"},
        {Answer(3, true, 12), "its payload is cut short (12 of 20 bytes)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StatusAnswerProblem(c.Received, 20), c.Said) << c.Received.size() << " bytes";
}

}  // namespace
}  // namespace vxctl
