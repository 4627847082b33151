// The activity log on the Qt side: View > Activity Log lists today's records newest first
// with a filter, exports them as CSV atomically, and the writer puts records into the day
// file and tells once when it cannot.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>

#include "FakeActivity.h"
#include "MatrixFormFixture.h"
#include "activity/ActivityCsv.h"
#include "activity/ActivityLog.h"
#include "platform/QtActivityLog.h"
#include "ui/MainMenu.h"

namespace vx::test {
namespace {

ActivityRecord At(int second, const std::string& kind, const std::string& text, const std::string& outcome) {
    ActivityRecord r;
    r.When = {2026, 12, 11, 10, 31, second, 415};
    r.User = "op";
    r.Link = "COM1";
    r.Kind = kind;
    r.Text = text;
    r.Outcome = outcome;
    return r;
}

class ActivityWindowTest : public MatrixFormTest {
protected:
    void Open() {
        form->SetActivityRecords([this] { return records; });
        form->Menu().ActivityLog1->trigger();
        ASSERT_NE(form->ActivityWindow(), nullptr);
    }
    QStringList Listed() const {
        QStringList out;
        auto* list = form->ActivityWindow()->findChild<QListView*>("ActivityList");
        for (int i = 0; i < list->model()->rowCount(); ++i) out << list->model()->index(i, 0).data().toString();
        return out;
    }
    std::vector<ActivityRecord> records{At(1, "Take", "Output 3: input 5 to 7", "answered"),
                                        At(2, "Line", "TAKE 1", "no answer"),
                                        At(3, "Link", "Switcher answered on COM1", "connected")};
};

TEST_F(ActivityWindowTest, ViewActivityLogIsCtrlLAndNeedsALog) {
    EXPECT_EQ(form->Menu().ActivityLog1->text(), "Activity Log");
    EXPECT_EQ(form->Menu().ActivityLog1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    EXPECT_FALSE(form->Menu().ActivityLog1->isEnabled()) << "no log given";
    Open();
    EXPECT_TRUE(form->Menu().ActivityLog1->isEnabled());
    EXPECT_TRUE(form->ActivityWindow()->isVisible());
}

TEST_F(ActivityWindowTest, ListsNewestFirstInWordsAndTheFilterNarrowsIt) {
    Open();
    EXPECT_EQ(Listed(), (QStringList{"10:31:03.415  Link  Switcher answered on COM1  connected",
                                     "10:31:02.415  Line  TAKE 1  no answer",
                                     "10:31:01.415  Take  Output 3: input 5 to 7  answered"}));
    auto* filter = form->ActivityWindow()->findChild<QLineEdit*>("ActivityFilterEdit");
    filter->setText("take");
    EXPECT_EQ(Listed().size(), 2);
    filter->setText("take ANSWERED");
    EXPECT_EQ(Listed(), (QStringList{"10:31:01.415  Take  Output 3: input 5 to 7  answered"}));
    filter->setText("nothing like it");
    EXPECT_TRUE(Listed().isEmpty());
    filter->clear();
    records.push_back(At(4, "Take", "Output 1: input 1 to 2", "answered"));
    form->ActivityWindow()->Refresh();
    EXPECT_EQ(Listed().size(), 4);
    EXPECT_TRUE(Listed().front().startsWith("10:31:04.415")) << "a new record comes on top";
}

TEST_F(ActivityWindowTest, WhileOpenItReadsOnlyTheRecordsThatCameSince) {
    std::vector<std::size_t> reads;  // where each read of the records began
    ui::ActivityLogWindow::RecordFeed feed;
    feed.Count = [this] { return records.size(); };
    feed.From = [this, &reads](std::size_t from) {
        reads.push_back(from);
        return std::vector<ActivityRecord>(records.begin() + static_cast<std::ptrdiff_t>(from), records.end());
    };
    form->SetActivityRecords(feed);
    form->Menu().ActivityLog1->trigger();
    ASSERT_NE(form->ActivityWindow(), nullptr);
    auto* filter = form->ActivityWindow()->findChild<QLineEdit*>("ActivityFilterEdit");
    filter->setText("take");
    reads.clear();
    form->ActivityWindow()->Refresh();
    EXPECT_TRUE(reads.empty()) << "nothing new: nothing read";
    records.push_back(At(4, "Take", "Output 1: input 1 to 2", "answered"));
    records.push_back(At(5, "Status", "OINFOVX", "answered"));
    form->ActivityWindow()->Refresh();
    EXPECT_EQ(reads, (std::vector<std::size_t>{3}));
    EXPECT_EQ(Listed(), (QStringList{"10:31:04.415  Take  Output 1: input 1 to 2  answered",
                                     "10:31:02.415  Line  TAKE 1  no answer",
                                     "10:31:01.415  Take  Output 3: input 5 to 7  answered"}))
        << "a new record the filter lets through comes on top";
    filter->clear();
    EXPECT_EQ(Listed().size(), 5);
    EXPECT_TRUE(Listed().front().startsWith("10:31:05.415"));
    // A new day: its records start afresh.
    records = {At(6, "Link", "Switcher answered on COM1", "connected")};
    form->ActivityWindow()->Refresh();
    EXPECT_EQ(Listed(), (QStringList{"10:31:06.415  Link  Switcher answered on COM1  connected"}));
}

TEST_F(ActivityWindowTest, ExportReplacesTheFileWithTheCsvAndReportsAMissingFolder) {
    Open();
    QTemporaryDir dir;
    const QString path = dir.filePath("today.csv");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    EXPECT_TRUE(form->ActivityWindow()->ExportTo(path).isEmpty());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), ActivityCsv(records));
    file.close();
    EXPECT_FALSE(form->ActivityWindow()->ExportTo(dir.filePath("no-such-folder/x.csv")).isEmpty());
}

TEST(QtActivityLogTest, RecordsReachTheDayFileAndAreReadBackForTheWindow) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("vxpanel-log");
    {
        platform::QtActivityLog log(folder);
        log.Start();
        ActivityLog core;
        core.Attach(&log.Environment(), &log.Sink());
        core.Note("Take", "Output 3: input 5 to 7", "answered", {{"output", "3"}});
    }  // the last records are written when the log ends
    const QStringList files = QDir(folder).entryList({"*.jsonl"}, QDir::Files);
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(files.front(), QDate::currentDate().toString("yyyy-MM-dd") + ".jsonl");

    platform::QtActivityLog again(folder);
    again.Start();
    const auto today = again.Today();
    ASSERT_EQ(today.size(), 1u);
    EXPECT_EQ(today[0].Text, "Output 3: input 5 to 7");
    EXPECT_EQ(today[0].Fields, (ActivityFields{{"output", "3"}}));
}

TEST(QtActivityLogTest, ADayFileLeftEndingInsideALineGetsANewlineBeforeTheFirstNewRecord) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("vxpanel-log");
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile day(folder + "/" + QDate::currentDate().toString("yyyy-MM-dd") + ".jsonl");
    ASSERT_TRUE(day.open(QIODevice::WriteOnly));
    day.write(R"({"time":"2026-12-11T09:00:00.000","user":"op","li)");  // a power cut
    day.close();
    {
        platform::QtActivityLog log(folder);
        log.Start();
        ActivityLog core;
        core.Attach(&log.Environment(), &log.Sink());
        core.Note("Take", "Output 3: input 5 to 7", "answered");
    }
    ASSERT_TRUE(day.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = day.readAll().split('\n');
    ASSERT_EQ(lines.size(), 3) << "the broken line, the new record, and the end";
    EXPECT_EQ(lines[0], R"({"time":"2026-12-11T09:00:00.000","user":"op","li)");
    ActivityRecord r;
    ASSERT_TRUE(platform::RecordFromJsonLine(lines[1], r));
    EXPECT_EQ(r.Text, "Output 3: input 5 to 7");
    EXPECT_TRUE(lines[2].isEmpty());
}

TEST(QtActivityLogTest, AFolderThatCannotBeWrittenIsToldOnceAndThePanelGoesOn) {
    QTemporaryDir dir;
    // A file where the folder should be: no folder can be made there, root or not.
    QFile blocker(dir.filePath("vxpanel-log"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    platform::QtActivityLog log(dir.filePath("vxpanel-log"));
    int notes = 0;
    log.OnStatusNote = [&](const std::string&) { ++notes; };
    log.Start();
    ActivityLog core;
    core.Attach(&log.Environment(), &log.Sink());
    for (int i = 0; i < 3; ++i) {
        core.Note("Line", "TAKE 1", "answered");
        log.Flush();
    }
    EXPECT_EQ(notes, 1);
    EXPECT_EQ(log.Today().size(), 3u) << "the window still lists them";
}

}  // namespace
}  // namespace vx::test
