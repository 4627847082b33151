#include "FirstPaintProbe.h"

#include <sys/resource.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

namespace vx::bench {

namespace {

double MsSinceBenchStart() {
    const char* t0 = std::getenv("VX_BENCH_T0_NS");
    if (!t0) return -1;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const long long ns = static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
    return static_cast<double>(ns - std::atoll(t0)) / 1e6;
}

double CpuMs() {
    rusage self{};
    getrusage(RUSAGE_SELF, &self);
    return (self.ru_utime.tv_sec + self.ru_stime.tv_sec) * 1e3 +
           (self.ru_utime.tv_usec + self.ru_stime.tv_usec) / 1e3;
}

// " name=ms" for each phase marked so far.
std::string& Phases() {
    static std::string text;
    return text;
}
double& LastMarkMs() {
    static double at = 0;
    return at;
}

void Report(const QWidget& window) {
    const double wallMs = MsSinceBenchStart();
    MarkPhase("paint");
    rusage self{};
    getrusage(RUSAGE_SELF, &self);
    std::printf("first-paint wall_ms=%.1f cpu_ms=%.1f maxrss_kb=%ld size=%dx%d phases%s\n", wallMs,
                LastMarkMs(), self.ru_maxrss, window.width(), window.height(), Phases().c_str());
    std::fflush(stdout);
}

// Waits for the window's first paint; the report comes once that paint (the children's
// included, which follow in the same pass) is done.
class Probe : public QObject {
public:
    explicit Probe(QWidget& window) : QObject(&window), window_(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, this, [this] {
                Report(window_);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    QWidget& window_;
    bool seen_ = false;
};

}  // namespace

void MarkPhase(const char* name) {
    const double now = CpuMs();
    char text[64];
    std::snprintf(text, sizeof text, " %s=%.2f", name, now - LastMarkMs());
    Phases() += text;
    LastMarkMs() = now;
}

void ReportAtFirstPaint(QWidget& window) {
    window.installEventFilter(new Probe(window));
}

}  // namespace vx::bench
