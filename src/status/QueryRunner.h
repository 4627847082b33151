#pragma once
// Runs one status query over the link in use. The caller has put the query line into
// CommandLine and set ReplyMinLength; afterwards ReplyFailed tells whether the answer is
// missing, and ReplyBuffer holds its first ReplyLength bytes from position 0.
namespace vx {

struct QueryRunner {
    virtual ~QueryRunner() = default;
    virtual void RunQuery() = 0;
};

}  // namespace vx
