// The panel's files on a disk that fails: the settings file keeps every protected output
// whatever its reads and writes do, and every line of the activity log is whole and there
// once, in order, whatever the appends do.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "FakeActivity.h"
#include "FakeTextFileStore.h"
#include "TakeHistoryRig.h"
#include "activity/ActivityLog.h"
#include "activity/ActivityText.h"
#include "activity/DailyLogWriter.h"
#include "activity/LogRetention.h"
#include "activity/WholeLineAppend.h"
#include "panel/PanelSettingsKeeper.h"

namespace vx {
namespace {

using Lines = std::vector<std::string>;

Lines SplitLines(const std::string& text) {
    Lines lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// ---- the settings file ----

constexpr const char* SettingsPath = "VXPanel.ini";
const std::string SettingsBefore = "FollowSwitcher=0\nProtectedOutputs.10.0.0.7=3,5\nLaterPanelKey=1\n";

struct SettingsFault {
    const char* name;
    std::function<void(test::FakeTextFileStore&)> apply;
    bool unreadable;  // the read fails: the file's protection is not known yet
};

class SettingsFileFaults : public testing::TestWithParam<SettingsFault> {
protected:
    void SetUp() override {
        store.Files[SettingsPath] = SettingsBefore;
        h.rig.core.AttachActivity(&env, &sink);
    }
    PanelCore& core() { return h.rig.core; }
    int Count(const Lines& lines, const std::string& text) {
        return static_cast<int>(std::count(lines.begin(), lines.end(), text));
    }

    test::TakeHistoryRig h;  // switcher 10.0.0.7, read
    test::FakeTextFileStore store;
    test::FakeActivityEnvironment env;
    test::RecordingActivitySink sink;
};

TEST_P(SettingsFileFaults, TheFileIsNeverRewrittenFromAFaultAndNoProtectionIsLost) {
    const SettingsFault& fault = GetParam();
    fault.apply(store);
    core().LoadPanelSettings(SettingsPath, store);
    EXPECT_EQ(core().IsProtected(2), !fault.unreadable) << "what could be read is in force";
    core().ProtectOutputClick(6);  // output 7, while the disk fails
    core().SetFollow({true, 5});
    EXPECT_TRUE(core().IsProtected(6)) << "the panel keeps what the operator did";
    EXPECT_EQ(store.Files[SettingsPath], SettingsBefore) << "the file stays as it was";

    if (fault.unreadable) {
        const std::string told = SettingsUnreadableText(SettingsPath, "Input/output error");
        EXPECT_EQ(Count(h.rig.window.statusHistory, told), 1) << "said once on the status line";
        EXPECT_EQ(sink.Of("File"), (Lines{told + " | not read"})) << "and once in the log";
        EXPECT_TRUE(h.rig.prompts.messages.empty()) << "no box: nothing failed to be written";
    } else {
        EXPECT_EQ(Count(h.rig.prompts.messages, SettingsWriteFailedText(SettingsPath)), 2)
            << "each write refused is said, once each";
    }

    // The disk recovers: the next change writes the file with everything in it.
    store.Heal();
    core().ProtectOutputClick(7);  // output 8
    EXPECT_EQ(SplitLines(store.Files[SettingsPath]),
              (Lines{"LaterPanelKey=1", "FollowSwitcher=1", "FollowIntervalSeconds=5",
                     "ProtectedOutputs.10.0.0.7=3,5,7,8"}))
        << (fault.unreadable ? "the file's protection joins the panel's"
                             : "the follow lines were written last, the protection after them");
    for (int o : {2, 4, 6, 7}) EXPECT_TRUE(core().IsProtected(o)) << "output " << o + 1;
}

INSTANTIATE_TEST_SUITE_P(
    Disk, SettingsFileFaults,
    testing::Values(SettingsFault{"ReadsFail", [](test::FakeTextFileStore& s) { s.ReadsFail = true; }, true},
                    SettingsFault{"WritesFail", [](test::FakeTextFileStore& s) { s.WritesFail = true; },
                                  false},
                    SettingsFault{"ShortWrite", [](test::FakeTextFileStore& s) { s.RoomLeft = 20; }, false}),
    [](const testing::TestParamInfo<SettingsFault>& info) { return std::string(info.param.name); });

TEST(SettingsFileMissing, AMissingFileIsNoFaultAndIsMadeAtTheFirstChange) {
    test::TakeHistoryRig h;
    test::FakeTextFileStore store;
    h.rig.core.LoadPanelSettings(SettingsPath, store);
    EXPECT_FALSE(h.rig.core.IsProtected(2));
    h.rig.core.ProtectOutputClick(2);
    EXPECT_EQ(store.Files[SettingsPath], "ProtectedOutputs.10.0.0.7=3\n");
    EXPECT_TRUE(h.rig.prompts.messages.empty());
}

TEST(SettingsFileRecovery, AFileUnreadableAtTheStartBringsItsProtectionOnceTheSwitcherIsReadAgain) {
    test::TakeHistoryRig h;
    test::FakeTextFileStore store;
    store.Files[SettingsPath] = SettingsBefore;
    store.ReadsFail = true;
    h.rig.core.LoadPanelSettings(SettingsPath, store);
    EXPECT_FALSE(h.rig.core.IsProtected(2));
    store.ReadsFail = false;
    h.rig.core.ReadfromVextaros1Click();
    EXPECT_TRUE(h.rig.core.IsProtected(2));
    EXPECT_TRUE(h.rig.core.IsProtected(4));
    EXPECT_EQ(store.Files[SettingsPath], SettingsBefore) << "reading it changes nothing in it";
}

// ---- the activity log's day file ----

ActivityRecord Rec(int n, const std::string& kind = "Take", const std::string& outcome = "answered") {
    ActivityRecord r;
    r.When = {2026, 12, 11, 10, 31, n, 0};
    r.User = "op";
    r.Link = "COM1";
    r.Kind = kind;
    r.Text = "record " + std::to_string(n);
    r.Outcome = outcome;
    return r;
}

constexpr const char* Day = "2026-12-11.jsonl";

struct LogFault {
    const char* name;
    std::string before;  // the day file as the earlier session left it
    std::function<void(test::MemoryLogFolder&)> apply;
    int tornLines;  // lines left that are no record (a fragment nothing could cut back)
};

class LogFileFaults : public testing::TestWithParam<LogFault> {};

TEST_P(LogFileFaults, EveryRecordLandsWholeOnceAndInOrder) {
    const LogFault& fault = GetParam();
    test::MemoryLogFolder folder;
    if (!fault.before.empty()) folder.Files[Day] = fault.before;
    DailyLogWriter writer{folder};
    writer.Add(Rec(1));
    writer.Add(Rec(2));
    ASSERT_EQ(writer.Flush(), DailyLogWriter::FlushResult::Written);
    fault.apply(folder);
    for (int n = 3; n <= 6; ++n) writer.Add(Rec(n));
    EXPECT_EQ(writer.Flush(), DailyLogWriter::FlushResult::FailedFirst);
    EXPECT_EQ(writer.Flush(), DailyLogWriter::FlushResult::Failed);
    folder.Heal();
    writer.Add(Rec(7));
    EXPECT_EQ(writer.Flush(), DailyLogWriter::FlushResult::WrittenAgain);

    Lines expected;
    for (int n = 1; n <= 7; ++n) expected.push_back(RecordJson(Rec(n)));
    Lines records;
    int others = 0;
    Lines lines = SplitLines(folder.Files[Day]);
    if (!fault.before.empty()) {
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.front() + "\n", fault.before.back() == '\n' ? fault.before : fault.before + "\n")
            << "the earlier line stays as it was, ended";
        lines.erase(lines.begin());
    }
    for (const auto& line : lines) {
        if (std::find(expected.begin(), expected.end(), line) != expected.end()) {
            records.push_back(line);
        } else {
            ++others;
        }
    }
    EXPECT_EQ(records, expected) << folder.Files[Day];
    EXPECT_EQ(others, fault.tornLines) << folder.Files[Day];
    EXPECT_EQ(folder.Files[Day].back(), '\n');
}

const std::string TornEarlier = R"({"time":"2026-12-11T09:00:00.000","user":"op","li)";

INSTANTIATE_TEST_SUITE_P(
    Disk, LogFileFaults,
    testing::Values(LogFault{"WritesFail", "", [](test::MemoryLogFolder& f) { f.Full = true; }, 0},
                    LogFault{"ShortWriteInsideTheSecondRecord", "",
                             [](test::MemoryLogFolder& f) { f.RoomLeft = RecordJson(Rec(3)).size() + 20; },
                             0},
                    LogFault{"ShortWriteOnARecordsEnd", "",
                             [](test::MemoryLogFolder& f) { f.RoomLeft = RecordJson(Rec(3)).size() + 1; }, 0},
                    LogFault{"ShortWriteThatCannotBeCutBack", "",
                             [](test::MemoryLogFolder& f) {
                                 f.RoomLeft = RecordJson(Rec(3)).size() + 20;
                                 f.TruncateFails = true;
                             },
                             1},
                    LogFault{"FileEndUnknown", "", [](test::MemoryLogFolder& f) { f.EndUnknown = true; }, 0},
                    LogFault{"EarlierFileEndsInsideALine", TornEarlier,
                             [](test::MemoryLogFolder& f) { f.Full = true; }, 0},
                    LogFault{"EarlierFileEndsInsideALineAndTheWriteIsCut", TornEarlier,
                             [](test::MemoryLogFolder& f) { f.RoomLeft = 7; }, 0}),
    [](const testing::TestParamInfo<LogFault>& info) { return std::string(info.param.name); });

TEST(WholeLineAppend, AFileEndingInsideALineGetsItsNewlineBeforeTheFirstNewLine) {
    test::MemoryLogFolder folder;
    folder.Files["a.jsonl"] = "{\"cut";
    EXPECT_EQ(AppendWholeLines(folder, "a.jsonl", {"{}", "{\"x\":1}"}), 2u);
    EXPECT_EQ(folder.Files["a.jsonl"], "{\"cut\n{}\n{\"x\":1}\n");
}

TEST(WholeLineAppend, AShortWriteIsCompletedByWritingTheRest) {
    // A disk that takes a few bytes a call, as a pipe or a slow network file system does.
    struct Dribbling final : LogFolder {
        std::string text;
        std::optional<FileEnd> EndOf(const std::string&) override {
            return FileEnd{text.size(), text.empty() || text.back() == '\n'};
        }
        std::int64_t Append(const std::string&, std::string_view bytes) override {
            const auto n = std::min<std::size_t>(bytes.size(), 3);
            text.append(bytes.substr(0, n));
            return static_cast<std::int64_t>(n);
        }
        bool Truncate(const std::string&, std::uint64_t) override { return false; }
        std::vector<std::string> List() override { return {}; }
        bool Remove(const std::string&) override { return false; }
    } folder;
    EXPECT_EQ(AppendWholeLines(folder, "a.jsonl", {"{\"a\":1}", "{\"b\":2}"}), 2u);
    EXPECT_EQ(folder.text, "{\"a\":1}\n{\"b\":2}\n");
}

// ---- memory full while the disk refuses ----

TEST(LogMemoryFull, OperatorActionsLinkEventsAndFailuresOutlastRoutineStatusRecords) {
    test::MemoryLogFolder folder;
    folder.Full = true;
    DailyLogWriter writer{folder, 5};
    writer.Add(Rec(1, "Take"));
    for (int n = 2; n <= 7; ++n) writer.Add(Rec(n, "Status"));
    writer.Add(Rec(8, "Status", "no answer"));
    writer.Add(Rec(9, "Link", "lost"));
    EXPECT_EQ(writer.Flush(), DailyLogWriter::FlushResult::FailedFirst);
    EXPECT_TRUE(writer.DroppingStarted()) << "the moment to tell the operator";
    EXPECT_FALSE(writer.DroppingStarted()) << "told once";
    EXPECT_EQ(writer.Dropped(), 4u);

    folder.Full = false;
    EXPECT_EQ(writer.Flush(), DailyLogWriter::FlushResult::WrittenAgain);
    EXPECT_EQ(writer.DropsReported(), 4u);
    const Lines lines = SplitLines(folder.Files[Day]);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], RecordJson(DroppedRecordsNote(Rec(1), 4))) << "the first record written says it";
    EXPECT_NE(lines[0].find("\"text\":\"4 records were dropped while the log could not be written\""),
              std::string::npos);
    EXPECT_EQ(lines[1], RecordJson(Rec(1, "Take")));
    EXPECT_EQ(lines[2], RecordJson(Rec(6, "Status")));
    EXPECT_EQ(lines[3], RecordJson(Rec(7, "Status")));
    EXPECT_EQ(lines[4], RecordJson(Rec(8, "Status", "no answer")));
    EXPECT_EQ(lines[5], RecordJson(Rec(9, "Link", "lost")));
}

TEST(LogMemoryFull, WithNothingRoutineLeftTheOldestGoes) {
    test::MemoryLogFolder folder;
    folder.Full = true;
    DailyLogWriter writer{folder, 2};
    for (int n = 1; n <= 4; ++n) writer.Add(Rec(n, "Take"));
    folder.Full = false;
    writer.Flush();
    EXPECT_EQ(SplitLines(folder.Files[Day]),
              (Lines{RecordJson(DroppedRecordsNote(Rec(3), 2)), RecordJson(Rec(3)), RecordJson(Rec(4))}));
}

// ---- retention ----

struct RetentionCase {
    const char* name;
    LocalTime today;
    Lines files;
    Lines left;
    Lines notes;
};

class LogRetentionCases : public testing::TestWithParam<RetentionCase> {};

TEST_P(LogRetentionCases, RemovesOnlyWhatTheDaysSeenAllow) {
    const RetentionCase& c = GetParam();
    test::MemoryLogFolder folder;
    for (const auto& name : c.files) folder.Files[name] = "{}\n";
    const LogRetentionPlan plan = PlanLogRetention(folder.List(), c.today);
    std::vector<std::string> removed;
    EXPECT_EQ(RemoveExpiredLogFiles(folder, c.today, LogKeptDays, &removed), 0);
    EXPECT_EQ(folder.List(), c.left);
    EXPECT_EQ(RetentionNotes(plan, removed, c.today), c.notes);
}

INSTANTIATE_TEST_SUITE_P(
    Days, LogRetentionCases,
    testing::Values(
        RetentionCase{"ClockRight",
                      {2026, 12, 11},
                      {"2026-09-12.jsonl", "2026-09-13.jsonl", "2026-12-11.jsonl"},
                      {"2026-09-13.jsonl", "2026-12-11.jsonl"},
                      {"Day file 2026-09-12.jsonl removed: older than 90 days"}},
        RetentionCase{"ClockAHundredDaysAhead",
                      {2027, 3, 21},
                      {"2026-12-08.jsonl", "2026-12-11.jsonl", "2026-06-01.jsonl"},
                      {"2026-06-01.jsonl", "2026-12-08.jsonl", "2026-12-11.jsonl"},
                      {"No day file removed: the clock (2027-03-21) is more than 2 days past the newest day "
                       "file (2026-12-11)"}},
        RetentionCase{"ClockTwoDaysAheadCountsFromTheNewestDay",
                      {2026, 12, 13},
                      {"2026-09-12.jsonl", "2026-09-13.jsonl", "2026-12-11.jsonl"},
                      {"2026-09-13.jsonl", "2026-12-11.jsonl"},
                      {"Day file 2026-09-12.jsonl removed: older than 90 days"}},
        RetentionCase{"ClockBehindKeepsTheDaysAfterIt",
                      {2026, 6, 1},
                      {"2026-02-01.jsonl", "2026-03-05.jsonl", "2026-12-11.jsonl"},
                      {"2026-03-05.jsonl", "2026-12-11.jsonl"},
                      {"Day file 2026-02-01.jsonl removed: older than 90 days"}},
        RetentionCase{"NoDayFiles", {2026, 12, 11}, {"notes.txt"}, {"notes.txt"}, {}}),
    [](const testing::TestParamInfo<RetentionCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vx
