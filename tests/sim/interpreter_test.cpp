// The switcher's command interpreter without any link: each command's effect as the
// status payloads show it, and refused lines changing nothing.
#include "Interpreter.h"

#include <gtest/gtest.h>

#include <cstring>

#include "link/CommandLines.h"

namespace vxsim {
namespace {

using vx::NO_INPUT;

class InterpreterTest : public ::testing::Test {
protected:
    explicit InterpreterTest(int modelCode = 11) : sim(Identity(modelCode)) {}

    static SwitcherIdentity Identity(int modelCode) {
        SwitcherIdentity id;
        id.ModelCode = modelCode;
        id.IpAddress = {10, 0, 0, 9};
        return id;
    }

    // Runs the line (the panel's formatters end it with CR; the interpreter takes it without).
    Outcome Run(std::string line) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return sim.Execute(line);
    }
    void Ok(const std::string& line) {
        const Outcome o = Run(line);
        ASSERT_EQ(o.Kind, AnswerKind::Ack) << line << " -> " << o.Text;
    }
    std::vector<byte> Query(const std::string& line) {
        const Outcome o = Run(line);
        EXPECT_EQ(o.Kind, AnswerKind::Status) << line;
        return o.Payload;
    }
    template <typename T>
    T QueryAs(const std::string& line) {
        const auto payload = Query(line);
        T block{};
        EXPECT_EQ(payload.size(), sizeof(T)) << line;
        std::memcpy(&block, payload.data(), std::min(payload.size(), sizeof(T)));
        return block;
    }
    vx::RouteEntry Route(int output) {
        const auto p = Query(vx::line::OutputStatusQuery());
        return {p.at(2 * output), p.at(2 * output + 1)};
    }
    byte Prev(int output) { return Query(vx::line::PrevOutputStatusQuery()).at(output); }

    Interpreter sim;
};

TEST_F(InterpreterTest, RouteIsPendingUntilTakenAndCancelPutsTheRouteInForceBack) {
    Ok(vx::line::RouteTemp(0, 2));
    Ok(vx::line::Take());
    EXPECT_EQ(Route(0).Input, 2);
    EXPECT_EQ(Route(0).Committed, 1);
    EXPECT_EQ(Prev(0), 2);

    Ok(vx::line::RouteTemp(0, 5));
    Ok(vx::line::RouteTemp(1, -1));  // pending disconnect of a route that was never made
    EXPECT_EQ(Route(0).Input, 5);
    EXPECT_EQ(Route(0).Committed, 0);
    EXPECT_EQ(Route(1).Input, NO_INPUT);
    EXPECT_EQ(Route(1).Committed, 0);
    EXPECT_EQ(Prev(0), 2) << "the route in force until the take";

    Ok(vx::line::CancelTake());
    EXPECT_EQ(Route(0).Input, 2);
    EXPECT_EQ(Route(0).Committed, 1);
    EXPECT_EQ(Route(1).Committed, 1);

    Ok(vx::line::RouteTemp(0, -1));
    Ok(vx::line::Take());
    EXPECT_EQ(Route(0).Input, NO_INPUT);
    EXPECT_EQ(Prev(0), NO_INPUT);
}

TEST_F(InterpreterTest, ClearRemovesEveryRouteAndPendingChange) {
    Ok(vx::line::RouteTemp(3, 3));
    Ok(vx::line::Take());
    Ok(vx::line::RouteTemp(4, 1));
    Ok(vx::line::ClearAll());
    for (int o = 0; o < 16; ++o) {
        EXPECT_EQ(Route(o).Input, NO_INPUT);
        EXPECT_EQ(Route(o).Committed, 1);
        EXPECT_EQ(Prev(o), NO_INPUT);
    }
}

TEST_F(InterpreterTest, SetupCommandsShowInTheMatrixInformation) {
    Ok(vx::line::FrontPanelLock(1));
    Ok(vx::line::VIState(1));
    Ok(vx::line::Reclock(0, 1));
    Ok(vx::line::Reclock(15, 1));
    Ok(vx::line::Reclock(0, 0));
    Ok(vx::line::IpConfig(192, 168, 1, 50));
    const auto info = QueryAs<vx::DeviceInfo>(vx::line::MatrixInfoQuery());
    EXPECT_EQ(info.FrontPanelLocked, 1);
    EXPECT_EQ(info.VIState, 1);
    EXPECT_EQ(info.ReclockerMask.Get(), 0x8000);
    EXPECT_EQ(info.IPAddress[0], 192);
    EXPECT_EQ(info.IPAddress[3], 50);
    EXPECT_EQ(info.ModelCode, 11);
    EXPECT_STREQ(reinterpret_cast<const char*>(info.FirmwareVersion), "1.07");
}

TEST_F(InterpreterTest, GroupCountsStayInStepWithTheMemberTables) {
    Ok(vx::line::GroupAdd(0, 2, vx::GroupNoMember));
    Ok(vx::line::GroupAdd(0, 3, vx::GroupNoMember));
    Ok(vx::line::GroupAdd(0, vx::GroupNoMember, 4));
    Ok(vx::line::GroupAdd(1, 5, vx::GroupNoMember));
    Ok(vx::line::GroupAdd(1, vx::GroupNoMember, 4));  // the input moves from group 1 to group 2
    auto t = QueryAs<vx::GroupTables>(vx::line::GroupStatusQuery());
    EXPECT_EQ(t.OutputGroups[2], 0);
    EXPECT_EQ(t.OutputGroups[3], 0);
    EXPECT_EQ(t.OutputGroups[5], 1);
    EXPECT_EQ(t.InputMembers[0][4], NO_INPUT);
    EXPECT_EQ(t.InputMembers[1][4], 1);
    EXPECT_EQ(t.OutputCounts[0], 2);
    EXPECT_EQ(t.InputCounts[0], 0);
    EXPECT_EQ(t.MemberCounts[0], 2);
    EXPECT_EQ(t.MemberCounts[1], 2);

    // Removing the last output takes the group's inputs with it.
    Ok(vx::line::GroupDelete(1, 5, vx::GroupNoMember));
    t = QueryAs<vx::GroupTables>(vx::line::GroupStatusQuery());
    EXPECT_EQ(t.MemberCounts[1], 0);
    EXPECT_EQ(t.InputCounts[1], 0);
    EXPECT_EQ(t.InputMembers[1][4], NO_INPUT);

    Ok(vx::line::GroupClear(vx::AllGroups));
    t = QueryAs<vx::GroupTables>(vx::line::GroupStatusQuery());
    vx::GroupTables empty;
    std::memset(&empty, 0, sizeof empty);
    std::memset(empty.InputMembers, NO_INPUT, sizeof empty.InputMembers);
    std::memset(empty.OutputGroups, NO_INPUT, sizeof empty.OutputGroups);
    EXPECT_EQ(std::memcmp(&t, &empty, sizeof t), 0);
}

TEST_F(InterpreterTest, PresetStoresAndRecallsRoutesReclockersAndGroups) {
    Ok(vx::line::RouteTemp(0, 7));
    Ok(vx::line::Take());
    Ok(vx::line::Reclock(1, 1));
    Ok(vx::line::GroupAdd(2, 0, vx::GroupNoMember));
    Ok(vx::line::PresetStore(3));
    Ok(vx::line::PresetStore(5));
    Ok(vx::line::PresetStore(3));

    auto p3 = QueryAs<vx::PresetRecord>(vx::line::PresetStatusQuery(3));
    EXPECT_EQ(p3.Stored, 1);
    EXPECT_EQ(p3.LastSaved, 1);
    EXPECT_EQ(p3.ReclockerMask.Get(), 0x0002);
    EXPECT_EQ(p3.Routes[0].Input, 7);
    EXPECT_EQ(QueryAs<vx::PresetRecord>(vx::line::PresetStatusQuery(5)).LastSaved, 0);
    EXPECT_EQ(QueryAs<vx::GroupTables>(vx::line::PresetGroupStatusQuery(3)).OutputGroups[0], 2);

    Ok(vx::line::ClearAll());
    Ok(vx::line::Reclock(1, 0));
    Ok(vx::line::GroupClear(vx::AllGroups));
    Ok(vx::line::RouteTemp(0, 1));  // a pending change is dropped by the recall
    Ok(vx::line::PresetRecall(3, 0));
    EXPECT_EQ(Route(0).Input, 7);
    EXPECT_EQ(Route(0).Committed, 1);
    EXPECT_EQ(Prev(0), 7);
    EXPECT_EQ(QueryAs<vx::DeviceInfo>(vx::line::MatrixInfoQuery()).ReclockerMask.Get(), 0x0002);
    EXPECT_EQ(QueryAs<vx::GroupTables>(vx::line::GroupStatusQuery()).OutputGroups[0], 2);
}

TEST_F(InterpreterTest, SavedSystemComesBackWithRecallAndResetAndFactoryResetForgetsIt) {
    Ok(vx::line::RouteTemp(2, 2));
    Ok(vx::line::Take());
    Ok(vx::line::FrontPanelLock(1));
    Ok(vx::line::SystemSave());
    Ok(vx::line::PresetStore(0));
    Ok(vx::line::IpConfig(10, 1, 1, 1));

    Ok(vx::line::ClearAll());
    Ok(vx::line::FrontPanelLock(0));
    Ok(vx::line::SystemRecall());
    EXPECT_EQ(Route(2).Input, 2);
    EXPECT_EQ(QueryAs<vx::DeviceInfo>(vx::line::MatrixInfoQuery()).FrontPanelLocked, 1);

    Ok(vx::line::ClearAll());
    const Outcome reset = Run(vx::line::Reset());
    EXPECT_EQ(reset.Kind, AnswerKind::Ack);
    EXPECT_TRUE(reset.StartsReset);
    EXPECT_EQ(Route(2).Input, 2);
    EXPECT_EQ(QueryAs<vx::PresetRecord>(vx::line::PresetStatusQuery(0)).Stored, 1);
    EXPECT_EQ(QueryAs<vx::DeviceInfo>(vx::line::MatrixInfoQuery()).IPAddress[0], 10);

    EXPECT_TRUE(Run(vx::line::FactoryReset()).StartsReset);
    EXPECT_EQ(Route(2).Input, NO_INPUT);
    EXPECT_EQ(QueryAs<vx::PresetRecord>(vx::line::PresetStatusQuery(0)).Stored, 0);
    const auto info = QueryAs<vx::DeviceInfo>(vx::line::MatrixInfoQuery());
    EXPECT_EQ(info.FrontPanelLocked, 0);
    EXPECT_EQ(info.IPAddress[0], 10);
    EXPECT_EQ(info.IPAddress[3], 9) << "the address the switcher started with";
    Ok(vx::line::SystemRecall());
    EXPECT_EQ(Route(2).Input, NO_INPUT) << "the saved settings went with the factory reset";
}

TEST_F(InterpreterTest, BareAndBlankLinesAreAnsweredWithThePromptAlone) {
    EXPECT_EQ(Run("").Kind, AnswerKind::PromptOnly);
    EXPECT_EQ(Run("  \t ").Kind, AnswerKind::PromptOnly);
}

TEST_F(InterpreterTest, KeywordsAreUnderstoodInEitherCaseForPeopleAtATerminal) {
    Ok("rtemp 1 2");
    EXPECT_EQ(Run("minfovx").Kind, AnswerKind::Status);
}

struct RefusedLine {
    const char* Line;
    const char* Answer;
};

void PrintTo(const RefusedLine& r, std::ostream* os) { *os << ::testing::PrintToString(std::string(r.Line)); }

class RefusedLineTest : public InterpreterTest, public ::testing::WithParamInterface<RefusedLine> {};

TEST_P(RefusedLineTest, IsAnsweredWithAnErrorAndChangesNothing) {
    Ok(vx::line::GroupAdd(0, 0, vx::GroupNoMember));
    Ok(vx::line::RouteTemp(1, 1));
    std::vector<std::vector<byte>> before;
    const auto snapshot = [&] {
        std::vector<std::vector<byte>> all;
        for (const char* q : {"MINFOVX", "OINFOVX", "OPINFOVX", "GINFOVX"}) all.push_back(Query(q));
        for (int p = 0; p < 8; ++p) {
            all.push_back(Query("PINFOVX " + std::to_string(p)));
            all.push_back(Query("PGINFOVX " + std::to_string(p)));
        }
        return all;
    };
    before = snapshot();
    const Outcome o = Run(GetParam().Line);
    EXPECT_EQ(o.Kind, AnswerKind::Error);
    EXPECT_EQ(o.Text, GetParam().Answer);
    EXPECT_EQ(snapshot(), before);
    Ok("RSYS");  // the saved settings were not touched either: they are still the factory ones
    EXPECT_EQ(Route(1).Input, NO_INPUT);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RefusedLineTest,
    ::testing::Values(
        RefusedLine{"NOPE 1", answer::UnknownKeyword}, RefusedLine{"\x01\xff\x7f", answer::UnknownKeyword},
        RefusedLine{"RTEMP 1", answer::ArgumentCount}, RefusedLine{"RTEMP 1 2 3", answer::ArgumentCount},
        RefusedLine{"MINFOVX 0", answer::ArgumentCount}, RefusedLine{"PINFOVX", answer::ArgumentCount},
        RefusedLine{"RESETVX", answer::ArgumentCount}, RefusedLine{"RTEMP 0 1", answer::OutOfRange},
        RefusedLine{"RTEMP 17 1", answer::OutOfRange}, RefusedLine{"RTEMP 1 17", answer::OutOfRange},
        RefusedLine{"RTEMP 1 -1", answer::OutOfRange}, RefusedLine{"RTEMP one 2", answer::OutOfRange},
        RefusedLine{"RTEMP 1 99999999999999999999", answer::OutOfRange},
        RefusedLine{"TAKE 2", answer::OutOfRange}, RefusedLine{"RCLOCK 1 2", answer::OutOfRange},
        RefusedLine{"VISTATE 3", answer::OutOfRange}, RefusedLine{"FPLOCK -1", answer::OutOfRange},
        RefusedLine{"IPCONFIG 1 2 3 256", answer::OutOfRange},
        RefusedLine{"IPCONFIG 1 2 3", answer::ArgumentCount}, RefusedLine{"PRST 9", answer::OutOfRange},
        RefusedLine{"RPRST 1 2", answer::OutOfRange}, RefusedLine{"RPRST 2 0", answer::NotStored},
        RefusedLine{"GADD 1 101 101", answer::OutOfRange}, RefusedLine{"GADD 1 3 4", answer::OutOfRange},
        RefusedLine{"GADD 9 3 101", answer::OutOfRange}, RefusedLine{"GADD 1 17 101", answer::OutOfRange},
        RefusedLine{"GDEL 2 1 101", answer::NotMember}, RefusedLine{"GDEL 1 101 3", answer::NotMember},
        RefusedLine{"GCLEAR 0", answer::OutOfRange}, RefusedLine{"GCLEAR 200", answer::OutOfRange},
        RefusedLine{"PINFOVX 8", answer::OutOfRange}, RefusedLine{"PGINFOVX -1", answer::OutOfRange},
        RefusedLine{"RESETVX X", answer::OutOfRange}));

class SmallModelTest : public InterpreterTest {
protected:
    SmallModelTest() : InterpreterTest(10) {}
};

TEST_F(SmallModelTest, AnEightByEightSwitcherReportsAndAcceptsEightOutputsAndInputs) {
    EXPECT_EQ(Query("OINFOVX").size(), 16u);
    EXPECT_EQ(Query("OPINFOVX").size(), 8u);
    EXPECT_EQ(Run("RTEMP 9 1").Kind, AnswerKind::Error);
    EXPECT_EQ(Run("RTEMP 1 9").Kind, AnswerKind::Error);
    EXPECT_EQ(Run("GADD 1 101 9").Kind, AnswerKind::Error);
    Ok("RTEMP 8 8");
}

}  // namespace
}  // namespace vxsim
