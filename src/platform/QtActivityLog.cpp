#include "platform/QtActivityLog.h"

#include <pwd.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include "activity/ActivityText.h"
#include "activity/LogRetention.h"
#include "activity/LogWriterTexts.h"

namespace vx::platform {

LocalTime QtActivityEnvironment::Now() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec()};
}

std::string QtActivityEnvironment::User() {
    if (const passwd* pw = getpwuid(geteuid()); pw && pw->pw_name && *pw->pw_name) return pw->pw_name;
    for (const char* name : {"USER", "LOGNAME"})
        if (const QByteArray v = qgetenv(name); !v.isEmpty()) return v.toStdString();
    return "uid " + std::to_string(geteuid());
}

std::optional<LogFolder::FileEnd> QtLogFolder::EndOf(const std::string& name) {
    QFile file(QDir(path_).filePath(QString::fromStdString(name)));
    if (!file.exists()) return FileEnd{};
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    FileEnd end;
    end.Size = static_cast<std::uint64_t>(file.size());
    if (end.Size > 0) {
        char last = 0;
        if (!file.seek(file.size() - 1) || file.read(&last, 1) != 1) return std::nullopt;
        end.EndsLine = last == '\n';
    }
    return end;
}

std::int64_t QtLogFolder::Append(const std::string& name, std::string_view bytes) {
    if (makeFolder_ && !QDir().mkpath(path_)) return -1;
    QFile file(QDir(path_).filePath(QString::fromStdString(name)));
    // Unbuffered: a write goes to the disk at once and says how much it took, and nothing
    // is left in a buffer to be written again by a later flush or close.
    if (!file.open(QIODevice::Append | QIODevice::Unbuffered)) return -1;
    return file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

bool QtLogFolder::Truncate(const std::string& name, std::uint64_t size) {
    return QFile::resize(QDir(path_).filePath(QString::fromStdString(name)), static_cast<qint64>(size));
}

std::vector<std::string> QtLogFolder::List() {
    std::vector<std::string> names;
    for (const QString& n : QDir(path_).entryList({"*.jsonl"}, QDir::Files)) names.push_back(n.toStdString());
    return names;
}

bool QtLogFolder::Remove(const std::string& name) {
    return QFile::remove(QDir(path_).filePath(QString::fromStdString(name)));
}

bool RecordFromJsonLine(const QByteArray& line, ActivityRecord& r) {
    const QJsonDocument doc = QJsonDocument::fromJson(line);
    if (!doc.isObject()) return false;
    const QJsonObject o = doc.object();
    static const QRegularExpression stamp(R"(^(\d{4})-(\d{2})-(\d{2})T(\d{2}):(\d{2}):(\d{2})\.(\d{3})$)");
    const auto m = stamp.match(o.value("time").toString());
    if (!m.hasMatch()) return false;
    r.When = {m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4).toInt(),
              m.captured(5).toInt(), m.captured(6).toInt(), m.captured(7).toInt()};
    r.User = o.value("user").toString().toStdString();
    r.Link = o.value("link").toString().toStdString();
    r.Kind = o.value("kind").toString().toStdString();
    r.Text = o.value("text").toString().toStdString();
    r.Outcome = o.value("outcome").toString().toStdString();
    r.Fields.clear();
    const QJsonObject fields = o.value("fields").toObject();
    for (auto it = fields.begin(); it != fields.end(); ++it)
        r.Fields.emplace_back(it.key().toStdString(), it.value().toString().toStdString());
    return true;
}

QtActivityLog::QtActivityLog(const QString& folder, QObject* parent) : QObject(parent), folder_(folder) {
    timer_.setInterval(LogFlushMs);
    connect(&timer_, &QTimer::timeout, this, &QtActivityLog::Flush);
}

QtActivityLog::~QtActivityLog() {
    Flush();
}

void QtActivityLog::Start() {
    const LocalTime today = env_.Now();
    const LogRetentionPlan plan = PlanLogRetention(folder_.List(), today);
    std::vector<std::string> removed;
    for (const auto& name : plan.Expired)
        if (folder_.Remove(name)) removed.push_back(name);
    for (const auto& text : RetentionNotes(plan, removed, today)) {
        ActivityRecord r;
        r.When = today;
        r.User = env_.User();
        r.Link = "none";
        r.Kind = "Log";
        r.Text = text;
        writer_.Add(r);
    }
    QFile file(QDir(folder_.Path()).filePath(QString::fromStdString(LogFileName(today))));
    if (file.open(QIODevice::ReadOnly)) {
        while (!file.atEnd()) {
            ActivityRecord r;
            if (RecordFromJsonLine(file.readLine(), r)) earlier_.push_back(std::move(r));
        }
    }
    earlierDay_ = "-";  // counted afresh
    timer_.start();
}

void QtActivityLog::Flush() {
    if (writer_.Pending() == 0) return;
    const std::string folder = folder_.Path().toStdString();
    std::string note;
    switch (writer_.Flush()) {
        case DailyLogWriter::FlushResult::FailedFirst:
            note = LogCannotBeWrittenText(folder);
            break;
        case DailyLogWriter::FlushResult::WrittenAgain:
            note = LogWrittenAgainText(folder, writer_.DropsReported());
            break;
        case DailyLogWriter::FlushResult::Failed:
        case DailyLogWriter::FlushResult::Written:
            break;
    }
    if (writer_.DroppingStarted()) note = LogDroppingText(folder);
    if (!note.empty() && OnStatusNote) OnStatusNote(note);
}

std::vector<ActivityRecord> QtActivityLog::Today() const {
    std::vector<ActivityRecord> all;
    const auto& session = writer_.Session();
    const std::string day = session.empty() ? std::string() : DayText(session.front().When);
    for (const auto& r : earlier_)
        if (day.empty() || DayText(r.When) == day) all.push_back(r);
    all.insert(all.end(), session.begin(), session.end());
    return all;
}

}  // namespace vx::platform

namespace vx::platform {

std::size_t QtActivityLog::EarlierToday() const {
    const auto& session = writer_.Session();
    const std::string day = session.empty() ? std::string() : DayText(session.front().When);
    if (day != earlierDay_) {
        earlierDay_ = day;
        earlierCount_ = 0;
        for (const auto& r : earlier_)
            if (day.empty() || DayText(r.When) == day) ++earlierCount_;
    }
    return earlierCount_;
}

std::size_t QtActivityLog::TodayCount() const {
    return EarlierToday() + writer_.Session().size();
}

std::vector<ActivityRecord> QtActivityLog::TodayFrom(std::size_t from) const {
    const std::size_t earlier = EarlierToday();
    const auto& session = writer_.Session();
    if (from >= earlier) {
        const std::size_t at = std::min(from - earlier, session.size());
        return {session.begin() + static_cast<std::ptrdiff_t>(at), session.end()};
    }
    auto all = Today();
    all.erase(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(std::min(from, all.size())));
    return all;
}

}  // namespace vx::platform
