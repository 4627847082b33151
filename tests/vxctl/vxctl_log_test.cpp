// vxctl --log FILE: the records of what the command sent and what the switcher answered,
// appended in the panel's activity log form.
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "VxctlRun.h"

namespace vx::test {
namespace {

class VxctlLog : public VxctlSession, public ::testing::WithParamInterface<Via> {};

TEST_P(VxctlLog, AppendsARecordForEachLineWithItsAnswerAndTheUser) {
    StartSim();
    QTemporaryDir dir;
    const QString path = dir.filePath("vxctl.jsonl");
    for (int run = 0; run < 2; ++run) {
        const CtlResult r = Ctl(GetParam(), {"route", "3", "5", "--take", "--log", path});
        ASSERT_EQ(r.Exit, 0) << r.Err;
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    int routes = 0, takes = 0;
    while (!file.atEnd()) {
        const QJsonObject o = QJsonDocument::fromJson(file.readLine()).object();
        ASSERT_FALSE(o.isEmpty()) << "every line is one JSON object";
        EXPECT_FALSE(o.value("user").toString().isEmpty());
        EXPECT_EQ(o.value("time").toString().size(), 23);
        if (o.value("kind") == "Line" && o.value("text") == "RTEMP 3 5") {
            EXPECT_EQ(o.value("outcome").toString(), "answered");
            ++routes;
        }
        if (o.value("kind") == "Line" && o.value("text") == "TAKE 1") ++takes;
        EXPECT_NE(o.value("outcome").toString(), "lost") << "the tool's own close is no lost link";
    }
    EXPECT_EQ(routes, 2) << "appended, not replaced";
    EXPECT_EQ(takes, 2);
}

TEST_P(VxctlLog, ALogThatCannotBeWrittenIsToldAndTheCommandStillRuns) {
    StartSim();
    const CtlResult r = Ctl(GetParam(), {"route", "3", "5", "--log", "/nonexistent-folder/vxctl.jsonl"});
    EXPECT_EQ(r.Exit, 0) << r.Err;
    EXPECT_NE(r.Err.find("cannot write the log"), std::string::npos) << r.Err;
    EXPECT_NE(r.Out.find("RTEMP 3 5: OK"), std::string::npos) << r.Out;
}

TEST_P(VxctlLog, AFileLeftEndingInsideALineKeepsItAndStartsTheFirstRecordOnALineOfItsOwn) {
    StartSim();
    QTemporaryDir dir;
    const QString path = dir.filePath("vxctl.jsonl");
    {
        QFile cut(path);
        ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
        cut.write(R"({"time":"2026-12-11T09:00:00.000","us)");
    }
    const CtlResult r = Ctl(GetParam(), {"route", "3", "5", "--log", path});
    ASSERT_EQ(r.Exit, 0) << r.Err;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines.front(), R"({"time":"2026-12-11T09:00:00.000","us)");
    for (qsizetype i = 1; i + 1 < lines.size(); ++i)
        EXPECT_TRUE(QJsonDocument::fromJson(lines[i]).isObject()) << lines[i].toStdString();
    EXPECT_TRUE(lines.back().isEmpty()) << "the file ends with a whole line";
}

INSTANTIATE_TEST_SUITE_P(Links, VxctlLog, ::testing::Values(Via::Tcp, Via::Serial),
                         [](const auto& info) { return std::string(ViaName(info.param)); });

}  // namespace
}  // namespace vx::test
