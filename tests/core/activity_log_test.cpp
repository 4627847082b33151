#include <gtest/gtest.h>

#include "FakeActivity.h"
#include "activity/ActivityCsv.h"
#include "activity/ActivityFilter.h"
#include "activity/ActivityLog.h"
#include "activity/ActivityText.h"
#include "activity/DailyLogWriter.h"
#include "activity/LogRetention.h"

using namespace vx;
using namespace vx::test;

namespace {

struct ActivityLogFixture : ::testing::Test {
    FakeActivityEnvironment env;
    MemoryLogFolder folder;
    DailyLogWriter writer{folder};
    ActivityLog log;
    void SetUp() override {
        log.Attach(&env, &writer);
        log.SetLinkName([] { return std::string("COM1"); });
    }
};

TEST_F(ActivityLogFixture, RecordIsStampedAndWrittenAsOneJsonLineInTheFileOfItsDay) {
    log.Note("Take", "Output 3: input 5 to 7", "answered", {{"output", "3"}, {"input", "7"}});
    EXPECT_TRUE(folder.Files.empty()) << "nothing is written before a flush";
    EXPECT_EQ(writer.Flush(), DailyLogWriter::FlushResult::Written);
    ASSERT_EQ(folder.Files.count("2026-12-11.jsonl"), 1u);
    EXPECT_EQ(
        folder.Files["2026-12-11.jsonl"],
        "{\"time\":\"2026-12-11T10:31:02.415\",\"user\":\"operator1\",\"link\":\"COM1\",\"kind\":\"Take\","
        "\"text\":\"Output 3: input 5 to 7\",\"outcome\":\"answered\",\"fields\":{\"output\":\"3\","
        "\"input\":\"7\"}}\n");
    EXPECT_EQ(RecordWords(writer.Session().at(0)), "10:31:02.415  Take  Output 3: input 5 to 7  answered");
}

TEST_F(ActivityLogFixture, QuotesAndControlCharactersCannotBreakTheLine) {
    log.Note("Line", "A \"name\"\r\n\\x\x01", "");
    writer.Flush();
    const std::string& text = folder.Files["2026-12-11.jsonl"];
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1);
    EXPECT_NE(text.find("\"text\":\"A \\\"name\\\"\\r\\n\\\\x\\u0001\""), std::string::npos) << text;
}

TEST_F(ActivityLogFixture, RecordsPastMidnightGoToTheNextDaysFile) {
    env.Time = {2026, 12, 31, 23, 59, 59, 999};
    log.Note("Line", "TAKE 1", "answered");
    env.Time = {2027, 1, 1, 0, 0, 0, 1};
    log.Note("Line", "TAKE 1", "answered");
    writer.Flush();
    EXPECT_EQ(folder.Files.size(), 2u);
    EXPECT_EQ(folder.Files.count("2026-12-31.jsonl"), 1u);
    EXPECT_EQ(folder.Files.count("2027-01-01.jsonl"), 1u);
    EXPECT_EQ(writer.Session().size(), 1u) << "the window lists the new day only";
}

TEST_F(ActivityLogFixture, AFullOrReadOnlyDiskIsReportedOnceAndTheRecordsAreWrittenWhenItRecovers) {
    for (bool readOnly : {false, true}) {
        SCOPED_TRACE(readOnly ? "read-only" : "full");
        MemoryLogFolder disk;
        DailyLogWriter w{disk};
        log.Attach(&env, &w);
        (readOnly ? disk.ReadOnly : disk.Full) = true;
        log.Note("Line", "TAKE 1", "answered");
        EXPECT_EQ(w.Flush(), DailyLogWriter::FlushResult::FailedFirst);
        log.Note("Line", "CANCEL 1", "answered");
        EXPECT_EQ(w.Flush(), DailyLogWriter::FlushResult::Failed) << "told once, not every second";
        EXPECT_EQ(w.Pending(), 2u);
        disk.Full = disk.ReadOnly = false;
        EXPECT_EQ(w.Flush(), DailyLogWriter::FlushResult::WrittenAgain) << "told once it writes again";
        EXPECT_EQ(w.Pending(), 0u);
        const std::string& text = disk.Files["2026-12-11.jsonl"];
        EXPECT_LT(text.find("TAKE 1"), text.find("CANCEL 1")) << "nothing lost, order kept";
    }
}

TEST_F(ActivityLogFixture, AFailingDiskHoldsOnlyABoundedNumberOfRecords) {
    folder.Full = true;
    for (std::size_t i = 0; i < DailyLogWriter::KeptWhileFailing + 5; ++i) log.Note("Line", "TAKE 1");
    writer.Flush();
    EXPECT_EQ(writer.Pending(), DailyLogWriter::KeptWhileFailing);
    EXPECT_EQ(writer.Dropped(), 5u);
}

TEST(ActivityLogOff, WithoutASinkNothingIsAskedOrKept) {
    ActivityLog log;
    EXPECT_FALSE(log.On());
    log.Note("Take", "Output 1: input 1 to 2");  // must not crash
}

TEST(LogRetention, RemovesOnlyDayFilesOlderThanNinetyDays) {
    MemoryLogFolder folder;
    for (const char* name : {"2026-12-11.jsonl", "2026-09-13.jsonl", "2026-09-12.jsonl", "2025-01-01.jsonl",
                             "notes.txt", "2026-02-30.jsonl", "2026-01-01.jsonl.bak", "IPSave.ini"})
        folder.Files[name] = "x";
    const LocalTime today{2026, 12, 11, 0, 0, 0, 0};
    EXPECT_EQ(RemoveExpiredLogFiles(folder, today), 0);
    std::vector<std::string> left = folder.List();
    EXPECT_EQ(left, (std::vector<std::string>{"2026-01-01.jsonl.bak", "2026-02-30.jsonl", "2026-09-13.jsonl",
                                              "2026-12-11.jsonl", "IPSave.ini", "notes.txt"}));
}

TEST(LogRetention, AReadOnlyFolderCountsTheFilesLeft) {
    MemoryLogFolder folder;
    folder.Files["2020-01-01.jsonl"] = "x";
    folder.Files["2026-12-10.jsonl"] = "x";
    folder.ReadOnly = true;
    EXPECT_EQ(RemoveExpiredLogFiles(folder, {2026, 12, 11}), 1);
    EXPECT_EQ(folder.Files.size(), 2u);
}

ActivityRecord Rec(const std::string& kind, const std::string& text, const std::string& outcome,
                   ActivityFields fields = {}) {
    ActivityRecord r;
    r.When = {2026, 12, 11, 10, 31, 2, 415};
    r.User = "op";
    r.Link = "TCP";
    r.Kind = kind;
    r.Text = text;
    r.Outcome = outcome;
    r.Fields = std::move(fields);
    return r;
}

TEST(ActivityCsv, QuotesWhatNeedsItAndDefusesFormulas) {
    const std::string csv = ActivityCsv({Rec("Take", "Output 3: input 5 to 7", "answered", {{"output", "3"}}),
                                         Rec("Name", "say \"hi\", then", "", {}), Rec("Name", "=1+2", "")});
    EXPECT_EQ(csv,
              "time,user,link,kind,text,outcome,fields\r\n"
              "2026-12-11T10:31:02.415,op,TCP,Take,Output 3: input 5 to 7,answered,output=3\r\n"
              "2026-12-11T10:31:02.415,op,TCP,Name,\"say \"\"hi\"\", then\",,\r\n"
              "2026-12-11T10:31:02.415,op,TCP,Name,'=1+2,,\r\n");
}

TEST(ActivityFilter, EveryWordMustAppearInAnyCase) {
    const ActivityRecord r = Rec("Take", "Output 3: input 5 to 7", "no answer", {{"line", "RTEMP 3 7"}});
    struct Case {
        const char* filter;
        bool shown;
    } cases[] = {
        {"", true},    {"take", true}, {"TAKE output 3", true}, {"no answer", true},      {"rtemp", true},
        {"tcp", true}, {"OP", true},   {"answered", false},     {"take output 9", false}, {"   ", true}};
    for (const auto& c : cases)
        EXPECT_EQ(MatchesFilter(r, c.filter), c.shown) << "filter '" << c.filter << "'";
}

}  // namespace
