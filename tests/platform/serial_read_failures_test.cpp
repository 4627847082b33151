// A failed read on an open serial port: tried again only while it may be a read woken
// without data on a sound line; an I/O error, the end of the file, a line gone wrong, or
// reads that keep failing end the port (one message, no loop of failed reads).
#include <gtest/gtest.h>

#include <cerrno>

#include "platform/SerialReadFailures.h"

namespace vx::platform {
namespace {

struct FailedRead {
    const char* Name;
    bool EndOfFile;
    int Errno;
    bool LineUsable;
    ReadFailure Means;
};

class OneFailedRead : public testing::TestWithParam<FailedRead> {};

TEST_P(OneFailedRead, MeansWhatTheLineAndTheErrorSay) {
    SerialReadFailures failures;
    EXPECT_EQ(failures.Failed(GetParam().EndOfFile, GetParam().Errno, GetParam().LineUsable), GetParam().Means);
}

INSTANTIATE_TEST_SUITE_P(
    Reads, OneFailedRead,
    testing::Values(FailedRead{"WokenWithoutData", false, EAGAIN, true, ReadFailure::TryAgain},
                    FailedRead{"Interrupted", false, EINTR, true, ReadFailure::TryAgain},
                    FailedRead{"FailingAdapter", false, EIO, true, ReadFailure::Lost},
                    FailedRead{"DeviceGone", false, ENXIO, true, ReadFailure::Lost},
                    FailedRead{"EndOfFile", true, 0, true, ReadFailure::Lost},
                    FailedRead{"LineHungUp", false, EAGAIN, false, ReadFailure::Lost}),
    [](const testing::TestParamInfo<FailedRead>& info) { return std::string(info.param.Name); });

TEST(SerialReadFailures, ReadsThatKeepFailingEndThePortAndAByteStartsTheCountAgain) {
    SerialReadFailures failures;
    for (int i = 1; i < FailedReadsInARow; ++i) ASSERT_EQ(failures.Failed(false, EAGAIN, true), ReadFailure::TryAgain);
    failures.Read();
    for (int i = 1; i < FailedReadsInARow; ++i) ASSERT_EQ(failures.Failed(false, EAGAIN, true), ReadFailure::TryAgain);
    EXPECT_EQ(failures.Failed(false, EAGAIN, true), ReadFailure::Lost) << "no endless loop of failed reads";
}

TEST(SerialReadFailures, TheLostPortIsSaidInWords) {
    EXPECT_EQ(ReadFailureText(false, EIO), "input/output error on the serial line");
    EXPECT_EQ(ReadFailureText(true, 0), "end of file on the serial line");
    EXPECT_EQ(ReadFailureText(false, EAGAIN), "reads on the serial line keep failing");
}

}  // namespace
}  // namespace vx::platform
