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

bool QtLogFolder::Append(const std::string& name, const std::string& text) {
    if (!QDir().mkpath(path_)) return false;
    QFile file(QDir(path_).filePath(QString::fromStdString(name)));
    if (!file.open(QIODevice::Append)) return false;
    const qint64 before = file.size();
    const bool ok =
        file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size()) &&
        file.flush();
    // A half-written batch is taken back, so the retry does not write its first lines twice.
    if (!ok) file.resize(before);
    return ok;
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
    RemoveExpiredLogFiles(folder_, today);
    QFile file(QDir(folder_.Path()).filePath(QString::fromStdString(LogFileName(today))));
    if (file.open(QIODevice::ReadOnly)) {
        while (!file.atEnd()) {
            ActivityRecord r;
            if (RecordFromJsonLine(file.readLine(), r)) earlier_.push_back(std::move(r));
        }
    }
    timer_.start();
}

void QtActivityLog::Flush() {
    if (writer_.Pending() == 0) return;
    if (writer_.Flush() == DailyLogWriter::FlushResult::FailedFirst && OnWriteFailure)
        OnWriteFailure("The activity log cannot be written in " + folder_.Path().toStdString() +
                       " (disk full or write-protected); the panel goes on.");
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
