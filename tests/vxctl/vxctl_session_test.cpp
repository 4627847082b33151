// vxctl against the simulator over either link: what a shell script sees.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

#include "VxctlRun.h"
#include "model/NameSlots.h"
#include "model/SwitcherState.h"

namespace vx::test {
namespace {

class VxctlOverLink : public VxctlSession, public ::testing::WithParamInterface<Via> {};

std::string Joined(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\n";
    return s;
}

TEST_P(VxctlOverLink, RouteTakeVerifySendsTheRouteThenTheTakeAndExitsZero) {
    StartSim();
    const CtlResult r = Ctl(GetParam(), {"route", "3", "5", "--take", "--verify"});
    EXPECT_EQ(r.Exit, 0) << r.Err;
    EXPECT_NE(r.Out.find("verified output 3: input 5 in force"), std::string::npos) << r.Out;
    const auto commands = Commands();
    const auto route = std::find(commands.begin(), commands.end(), "RTEMP 3 5");
    ASSERT_NE(route, commands.end()) << Joined(commands);
    ASSERT_NE(route + 1, commands.end()) << Joined(commands);
    EXPECT_EQ(*(route + 1), "TAKE 1");
}

TEST_P(VxctlOverLink, ReadJsonShowsTheSimulatorsRoutesGroupsPresetsAndLockout) {
    StartSim({"--model", "10"});
    // The state is set up by lines of its own, then read back.
    for (const QStringList& step :
         {QStringList{"route", "2", "4", "7", "0", "--take"}, QStringList{"preset", "store", "3"},
          QStringList{"route", "5", "1"}, QStringList{"lock", "on"}, QStringList{"reclock", "6", "on"},
          QStringList{"raw", "GADD 2 8 101"}, QStringList{"raw", "GADD 2 101 3"}}) {
        const CtlResult r = Ctl(GetParam(), step);
        ASSERT_EQ(r.Exit, 0) << step.join(' ').toStdString() << ": " << r.Err;
    }
    const CtlResult r = Ctl(GetParam(), {"read", "--json"});
    ASSERT_EQ(r.Exit, 0) << r.Err;
    QJsonParseError error{};
    const QJsonObject doc = QJsonDocument::fromJson(QByteArray::fromStdString(r.Out), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << r.Out;

    EXPECT_EQ(doc["model"].toObject()["code"].toInt(), 10);
    EXPECT_EQ(doc["model"].toObject()["outputs"].toInt(), 8);
    EXPECT_TRUE(doc["frontPanelLocked"].toBool());
    EXPECT_FALSE(doc["viState"].toBool());
    EXPECT_EQ(doc["firmware"].toString(), "1.07");
    const QJsonArray routes = doc["routes"].toArray();
    ASSERT_EQ(routes.size(), 8);
    EXPECT_EQ(routes[1].toObject()["input"].toInt(), 4);
    EXPECT_EQ(routes[1].toObject()["state"].toString(), "in force");
    EXPECT_TRUE(routes[6].toObject()["input"].isNull());
    EXPECT_EQ(routes[4].toObject()["input"].toInt(), 1);
    EXPECT_EQ(routes[4].toObject()["state"].toString(), "pending");
    EXPECT_TRUE(routes[5].toObject()["reclocker"].toBool());
    EXPECT_FALSE(routes[0].toObject()["reclocker"].toBool());
    const QJsonArray groups = doc["groups"].toArray();
    ASSERT_EQ(groups.size(), 1) << r.Out;
    EXPECT_EQ(groups[0].toObject()["group"].toInt(), 2);
    EXPECT_EQ(groups[0].toObject()["outputs"].toArray(), QJsonArray({8}));
    EXPECT_EQ(groups[0].toObject()["inputs"].toArray(), QJsonArray({3}));
    const QJsonArray presets = doc["presets"].toArray();
    ASSERT_EQ(presets.size(), 8);
    for (int p = 0; p < 8; ++p)
        EXPECT_EQ(presets[p].toObject()["stored"].toBool(), p == 2) << "preset " << p + 1;
}

TEST_P(VxctlOverLink, PresetRecallSendsTheRecallThenEveryReclockerAndVerifies) {
    StartSim({"--model", "10"});
    ASSERT_EQ(Ctl(GetParam(), {"route", "1", "2", "--take"}).Exit, 0);
    ASSERT_EQ(Ctl(GetParam(), {"reclock", "3", "on"}).Exit, 0);
    ASSERT_EQ(Ctl(GetParam(), {"preset", "store", "2"}).Exit, 0);
    ASSERT_EQ(Ctl(GetParam(), {"route", "1", "5", "--take"}).Exit, 0);
    ASSERT_EQ(Ctl(GetParam(), {"reclock", "3", "off"}).Exit, 0);

    const auto before = Commands().size();
    const CtlResult r = Ctl(GetParam(), {"preset", "recall", "2", "--verify"});
    EXPECT_EQ(r.Exit, 0) << r.Err;
    EXPECT_NE(r.Out.find("verified output 1: input 2 in force"), std::string::npos) << r.Out;
    const auto all = Commands();
    std::vector<std::string> sent(all.begin() + static_cast<std::ptrdiff_t>(before), all.end());
    sent.erase(std::remove(sent.begin(), sent.end(), std::string()), sent.end());
    EXPECT_EQ(sent,
              (std::vector<std::string>{"RPRST 2 0", "RCLOCK 1 0", "RCLOCK 2 0", "RCLOCK 3 1", "RCLOCK 4 0",
                                        "RCLOCK 5 0", "RCLOCK 6 0", "RCLOCK 7 0", "RCLOCK 8 0"}));
}

TEST_P(VxctlOverLink, ATakeTheSwitcherDoesNotAnswerFailsNamingTheOutput) {
    StartSim({"--no-answer", "TAKE"});
    const CtlResult r = Ctl(GetParam(), {"route", "3", "5", "--take", "--verify"});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_NE(r.Err.find("TAKE 1: no answer"), std::string::npos) << r.Err;
    EXPECT_NE(r.Err.find("output 3"), std::string::npos) << r.Err;
}

TEST_P(VxctlOverLink, VerifyNamesEachOutputTheSwitcherAcknowledgedButDidNotRoute) {
    // The switcher says OK to the route it refuses to carry out.
    StartSim({"--ignore", "RTEMP"});
    const CtlResult route = Ctl(GetParam(), {"route", "3", "5", "--take", "--verify"});
    EXPECT_EQ(route.Exit, 1);
    EXPECT_NE(
        route.Err.find("verification failed for output 3: asked input 5 in force, the switcher has no input"),
        std::string::npos)
        << route.Err;
}

TEST_P(VxctlOverLink, TakeVerifyNamesEveryPendingOutputThatWasNotTaken) {
    StartSim({"--ignore", "TAKE"});
    ASSERT_EQ(Ctl(GetParam(), {"route", "3", "5", "4", "6"}).Exit, 0);
    const CtlResult r = Ctl(GetParam(), {"take", "--verify"});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_NE(r.Err.find("output 3: asked input 5 in force, the switcher has input 5 pending"),
              std::string::npos)
        << r.Err;
    EXPECT_NE(r.Err.find("output 4: asked input 6 in force"), std::string::npos) << r.Err;
}

TEST_P(VxctlOverLink, AnErrorAnswerStopsTheCommandAndExitsOne) {
    StartSim();
    const CtlResult r = Ctl(GetParam(), {"preset", "recall", "4"});
    EXPECT_EQ(r.Exit, 1);
    EXPECT_NE(r.Err.find("RPRST 4 0: the switcher answered ERR"), std::string::npos) << r.Err;
    const auto commands = Commands();
    EXPECT_EQ(std::count_if(commands.begin(), commands.end(),
                            [](const std::string& l) { return l.rfind("RCLOCK", 0) == 0; }),
              0)
        << "no reclocker is set from a preset that was not recalled";
}

TEST_P(VxctlOverLink, ASilentSwitcherFailsWithinTheLinkLimitAndSaysSo) {
    StartSim({"--silent"});
    const CtlResult r = Ctl(GetParam(), {"read"}, 20000);
    EXPECT_EQ(r.Exit, 1) << r.Err;
    const char* expected =
        GetParam() == Via::Tcp ? "did not answer within 5000 ms" : "no switcher answered on";
    EXPECT_NE(r.Err.find(expected), std::string::npos) << r.Err;
    EXPECT_TRUE(r.Out.empty()) << r.Out;
}

TEST_P(VxctlOverLink, OutputsBeyondTheSwitchersSizeAreUsageErrorsWithNothingSent) {
    StartSim({"--model", "10"});
    struct Case {
        QStringList args;
        const char* named;
    };
    for (const Case& c :
         {Case{{"route", "9", "1"}, "output 9"}, Case{{"route", "2", "9", "--take"}, "input 9"},
          Case{{"reclock", "12", "on"}, "output 12"}}) {
        const CtlResult r = Ctl(GetParam(), c.args);
        EXPECT_EQ(r.Exit, 2) << c.args.join(' ').toStdString();
        EXPECT_NE(r.Err.find(c.named), std::string::npos) << r.Err;
        EXPECT_NE(r.Err.find("8 x 8"), std::string::npos) << r.Err;
    }
    // Only the size was asked for.
    for (const auto& l : Commands()) EXPECT_TRUE(l.empty()) << l;
}

INSTANTIATE_TEST_SUITE_P(Links, VxctlOverLink, ::testing::Values(Via::Tcp, Via::Serial),
                         [](const auto& info) { return std::string(ViaName(info.param)); });

class VxctlUsage : public VxctlSession {};

TEST_F(VxctlUsage, BadArgumentsExitTwoNamingTheArgumentAndSendNothing) {
    StartSim();
    struct Case {
        QStringList args;
        const char* named;
    };
    const QStringList tcp = Link(Via::Tcp);
    const Case cases[] = {
        {tcp + QStringList{"route", "0", "5"}, "'0'"},
        {tcp + QStringList{"route", "3", "x"}, "'x'"},
        {tcp + QStringList{"route", "3"}, "pairs"},
        {tcp + QStringList{"reclock", "2", "maybe"}, "'maybe'"},
        {tcp + QStringList{"preset", "recall", "9"}, "'9'"},
        {tcp + QStringList{"ip", "10.0.0.256"}, "10.0.0.256"},
        {tcp + QStringList{"reset"}, "--yes"},
        {tcp + QStringList{"clear", "--verify"}, "--verify"},
        {tcp + QStringList{"frobnicate"}, "'frobnicate'"},
        {tcp + QStringList{"read", "--bogus"}, "--bogus"},
        {{"route", "3", "5"}, "--serial DEVICE or --tcp"},
        {{"--tcp", "127.0.0.1:70000", "read"}, "70000"},
    };
    for (const Case& c : cases) {
        const CtlResult r = RunVxctl(c.args);
        EXPECT_EQ(r.Exit, 2) << c.args.join(' ').toStdString();
        EXPECT_NE(r.Err.find(c.named), std::string::npos) << c.args.join(' ').toStdString() << ": " << r.Err;
        EXPECT_EQ(std::count(r.Err.begin(), r.Err.end(), '\n'), 1) << r.Err;
    }
    EXPECT_TRUE(Wire().empty()) << Joined(Wire());
}

TEST_F(VxctlUsage, ReadWithAConfigurationFileNamesTheOutputsAndInputs) {
    StartSim({"--model", "10"});
    ASSERT_EQ(Ctl(Via::Tcp, {"route", "1", "5", "--take"}).Exit, 0);
    ConfigImage image{};
    InitDefaultLabels(image.Labels);
    WriteNameSlot(image.Labels.OutputLabels[0], "MON1");
    WriteNameSlot(image.Labels.InputLabels[4], "CAM5");
    {
        std::ofstream file(dir.Path() / "show.cfg", std::ios::binary);
        file.write(reinterpret_cast<const char*>(&image), sizeof image);
    }
    const CtlResult r = Ctl(Via::Tcp, {"read", "--config", Path("show.cfg")});
    EXPECT_EQ(r.Exit, 0) << r.Err;
    EXPECT_NE(r.Out.find("     1      5  in force  off        MON1         CAM5\n"), std::string::npos)
        << r.Out;

    // A file of another size is not a configuration file: nothing is asked of the switcher.
    const auto asked = Wire().size();
    {
        std::ofstream file(dir.Path() / "short.cfg", std::ios::binary);
        file.write(reinterpret_cast<const char*>(&image), sizeof image - 1);
    }
    const CtlResult bad = Ctl(Via::Tcp, {"read", "--config", Path("short.cfg")});
    EXPECT_EQ(bad.Exit, 2);
    EXPECT_NE(bad.Err.find("short.cfg"), std::string::npos) << bad.Err;
    EXPECT_EQ(Wire().size(), asked);
}

TEST_F(VxctlUsage, JsonGivesItsDocumentAlsoWhenTheSwitchersSizeCannotBeRead) {
    // Without its marker the information answer is not read; the commands that need
    // the switcher's size stop there.
    StartSim({"--no-marker", "MINFOVX"});
    for (const QStringList& args : {QStringList{"route", "3", "5"}, QStringList{"reclock", "2", "on"},
                                    QStringList{"take", "--verify"}, QStringList{"preset", "recall", "1"}}) {
        const std::string what = args.join(' ').toStdString();
        const CtlResult r = Ctl(Via::Tcp, args + QStringList{"--json"});
        EXPECT_EQ(r.Exit, 1) << what << ": " << r.Err;
        EXPECT_NE(r.Err.find("MINFOVX"), std::string::npos) << what << ": " << r.Err;
        QJsonParseError error{};
        const QJsonObject doc = QJsonDocument::fromJson(QByteArray::fromStdString(r.Out), &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << what << ": '" << r.Out << "'";
        EXPECT_FALSE(doc["ok"].toBool(true)) << what << ": " << r.Out;
        EXPECT_TRUE(doc["lines"].toArray().isEmpty()) << what << ": " << r.Out;
    }
}

TEST_F(VxctlUsage, ALongAnswerToTheConnectTestDoesNotSpoilTheFirstQuery) {
    StartSim({"--long-answer", "300"});
    const CtlResult r = Ctl(Via::Tcp, {"route", "3", "5", "--take", "--verify"});
    EXPECT_EQ(r.Exit, 0) << r.Err;
}

TEST_F(VxctlUsage, RawPrintsTheAnswerWithItsBytesEscaped) {
    StartSim();
    const CtlResult r = Ctl(Via::Tcp, {"raw", "FPLOCK 1"});
    EXPECT_EQ(r.Exit, 0) << r.Err;
    EXPECT_EQ(r.Out, "OK\\r\\n\n");
    const CtlResult bad = Ctl(Via::Tcp, {"raw", "NOSUCH 1"});
    EXPECT_EQ(bad.Exit, 1);
    EXPECT_EQ(bad.Out, "ERR UNKNOWN\\r\\n\n");
}

}  // namespace
}  // namespace vx::test
