#pragma once
// The activity log on the Qt side: the local clock and the operating-system user, the
// daily files in a folder, and a timer that writes the buffered records at least once a
// second and once more when the panel ends. It decides nothing: what a record holds and
// which files are old is the core's.
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "activity/ActivityPorts.h"
#include "activity/DailyLogWriter.h"

namespace vx::platform {

inline constexpr const char* LogFolderName = "vxpanel-log";
inline constexpr int LogFlushMs = 500;

class QtActivityEnvironment final : public ActivityEnvironment {
public:
    LocalTime Now() override;
    std::string User() override;  // the login name of the process's user
};

class QtLogFolder final : public LogFolder {
public:
    // makeFolder: the folder is made when missing (the panel's own); a folder named by
    // the user must be there.
    explicit QtLogFolder(QString path, bool makeFolder = true)
        : path_(std::move(path)), makeFolder_(makeFolder) {}
    std::optional<FileEnd> EndOf(const std::string& name) override;
    std::int64_t Append(const std::string& name, std::string_view bytes) override;
    bool Truncate(const std::string& name, std::uint64_t size) override;
    std::vector<std::string> List() override;
    bool Remove(const std::string& name) override;
    const QString& Path() const { return path_; }

private:
    QString path_;
    bool makeFolder_;
};

class QtActivityLog final : public QObject {
    Q_OBJECT
public:
    // folder: where the day files go, made when first written.
    explicit QtActivityLog(const QString& folder, QObject* parent = nullptr);
    ~QtActivityLog() override;

    // Removes the day files past their time (saying so in the log), loads today's earlier
    // records for the window and starts the timer.
    void Start();
    void Flush();

    ActivityEnvironment& Environment() { return env_; }
    ActivitySink& Sink() { return writer_; }
    // Today's records, oldest first: earlier sessions' from the file, then this one's.
    std::vector<ActivityRecord> Today() const;
    // How many records Today() holds, and its records from a place on: what the log window
    // reads each second, without copying the day.
    std::size_t TodayCount() const;
    std::vector<ActivityRecord> TodayFrom(std::size_t from) const;
    // Called with a note for the status line: once when writing fails, once when records
    // begin to be dropped, once when the log is written again.
    std::function<void(const std::string&)> OnStatusNote;

private:
    QtActivityEnvironment env_;
    QtLogFolder folder_;
    DailyLogWriter writer_{folder_};
    // Earlier sessions' records of the day the session's records are on.
    std::size_t EarlierToday() const;
    std::vector<ActivityRecord> earlier_;
    mutable std::string earlierDay_ = "-";  // the day EarlierToday() last counted for
    mutable std::size_t earlierCount_ = 0;
    QTimer timer_;
};

// A record read back from one line of a day file; false when the line is no record.
bool RecordFromJsonLine(const QByteArray& line, ActivityRecord& record);

}  // namespace vx::platform
