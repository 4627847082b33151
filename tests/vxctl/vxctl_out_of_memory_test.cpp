// vxctl's session on the panel core over fake links, for a fault no process test can make
// on purpose: memory running out in the middle of an exchange. It is said as that, not as a
// switcher that did not answer.
#include <gtest/gtest.h>

#include <new>
#include <sstream>

#include "ConsoleViews.h"
#include "CtlSession.h"
#include "FakeConfigFileStore.h"
#include "FakeLinkServices.h"
#include "FakeSwitcher.h"

namespace vx::test {
namespace {

TEST(VxctlOutOfMemory, AnAllocationFailureDuringAnExchangeIsSaidToBeOutOfMemory) {
    const struct {
        const char* FailOn;  // the line during whose exchange memory runs out
        std::vector<std::string> Args;
        const char* Said;
    } cases[] = {
        {"MINFOVX", {"read"}, "vxctl: out of memory while reading the answer to MINFOVX"},
        {"OINFOVX", {"take", "--verify"}, "vxctl: out of memory while reading the answer to OINFOVX"},
        {"FPLOCK", {"lock", "on"}, "vxctl: FPLOCK 1: the link to 127.0.0.1:23 failed: out of memory"},
    };
    for (const auto& c : cases) {
        FakeLinkServices fakes;
        vxctl::ConsoleViews views;
        FakeConfigFileStore files;
        PanelCore core(PanelServices::From(fakes.bundle, views, files), views.Views());
        core.FormCreate();
        fakes.tcp.onSend = [&](const std::string& line) {
            if (line.rfind(c.FailOn, 0) == 0) throw std::bad_alloc();
            fakes.tcp.Answer(FakeSwitcherAnswer(line), 5);
        };
        std::vector<std::string> args{"--tcp", "127.0.0.1"};
        args.insert(args.end(), c.Args.begin(), c.Args.end());
        const vxctl::ParsedRequest parsed = vxctl::ParseArguments(args);
        ASSERT_TRUE(parsed.Error.empty()) << parsed.Error;
        std::ostringstream out, err;
        vxctl::CtlSession session(core, views, parsed.Request, out, err);
        EXPECT_EQ(session.Run(), 1) << c.FailOn;
        EXPECT_NE(err.str().find(c.Said), std::string::npos) << err.str();
        EXPECT_EQ(err.str().find("did not answer"), std::string::npos) << err.str();
    }
}

}  // namespace
}  // namespace vx::test
