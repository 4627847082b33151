// vxctl when the world around it misbehaves: its own output, signals, lost answers,
// hostile bytes. What it says must be true, and nothing it made pending stays behind.
#include <algorithm>

#include "VxctlRun.h"

namespace vx::test {
namespace {

class VxctlFaults : public VxctlSession {};

// A report that cannot be written is a failed command, not an empty success.
TEST_F(VxctlFaults, AReportThatCannotBeWrittenExitsOneSayingWhy) {
    StartSim();
    const QStringList cases[] = {{"read", "--json"}, {"read"}, {"route", "1", "2", "--take", "--verify"}};
    for (const QStringList& args : cases) {
        const CtlResult r = Ctl(Via::Tcp, args, 60000, QStringLiteral("/dev/full"));
        EXPECT_EQ(r.Exit, 1) << args.join(' ').toStdString();
        EXPECT_NE(r.Err.find("could not write to standard output: No space left on device"),
                  std::string::npos)
            << args.join(' ').toStdString() << ": " << r.Err;
    }
    const CtlResult help = RunVxctl({"--help"}, 60000, QStringLiteral("/dev/full"));
    EXPECT_EQ(help.Exit, 1) << help.Err;
}

}  // namespace
}  // namespace vx::test
