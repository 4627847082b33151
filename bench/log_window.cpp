// The activity log window over a long day of follow records: the time to open it (built,
// filled and painted once) and the CPU time it takes while open and nothing new comes, then
// while one record a second comes.
//   log_window [RECORDS] [SECONDS]
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "ui/ActivityLogWindow.h"

namespace {

double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

vx::ActivityRecord Poll(std::size_t k) {
    vx::ActivityRecord r;
    r.When = {2026, 12, 11, static_cast<int>(k / 3600 % 24), static_cast<int>(k / 60 % 60), static_cast<int>(k % 60),
              415};
    r.User = "operator1";
    r.Link = "COM1";
    r.Kind = "Status";
    r.Text = k % 2 ? "OINFOVX" : "MINFOVX";
    r.Outcome = "answered";
    return r;
}

void RunFor(int ms) {
    QTimer::singleShot(ms, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::size_t count = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100'000;
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 5;
    std::vector<vx::ActivityRecord> records;
    records.reserve(count + 100);
    for (std::size_t k = 0; k < count; ++k) records.push_back(Poll(k));

    vx::ui::ActivityLogWindow::RecordFeed feed;
    feed.Count = [&] { return records.size(); };
    feed.From = [&](std::size_t from) {
        return std::vector<vx::ActivityRecord>(records.begin() + static_cast<std::ptrdiff_t>(from), records.end());
    };
    QElapsedTimer open;
    open.start();
    vx::ui::ActivityLogWindow window(feed);
    window.show();
    window.repaint();
    QCoreApplication::processEvents();
    const double openSeconds = static_cast<double>(open.nsecsElapsed()) / 1e9;

    double cpu = CpuSeconds();
    RunFor(seconds * 1000);
    const double idle = CpuSeconds() - cpu;

    QTimer more;
    more.setInterval(1000);
    QObject::connect(&more, &QTimer::timeout, [&] { records.push_back(Poll(records.size())); });
    more.start();
    cpu = CpuSeconds();
    RunFor(seconds * 1000);
    const double busy = CpuSeconds() - cpu;
    std::printf(
        "activity log window over %zu records: opened in %.3f s (goal: under 1 s); open %d s with nothing new: "
        "%.1f %% of a core; with a record a second: %.1f %% of a core\n",
        count, openSeconds, seconds, 100 * idle / seconds, 100 * busy / seconds);
    return 0;
}
