// The soak run: the panel (the real window on the real Qt links) against vxsim over the
// pseudo-terminal and TCP, operated at random by a busy operator while vxsim misbehaves,
// and compared with the switcher at every quiet moment.
//   soak VXSIM SECONDS [SEED]
// Each round injects at most one fault, runs a few actions, then clears the faults and
// waits for a quiet moment: the panel's model is compared with the switcher's state read
// by a second TCP client; what differs is read by the panel (its own "Read from Vextaro")
// and compared again, and what a read does not resolve is a disagreement left.
// Exit status: 0 passed; 1 a disagreement left, vxsim gone or the panel could not connect;
// 3 the panel hung (no progress for HangSeconds).
#include <sys/resource.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSpinBox>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <thread>

#include "SimPanel.h"
#include "SoakOperator.h"
#include "SoakSwitcher.h"
#include "ui/RadioGroup.h"

namespace {

constexpr int HangSeconds = 90;

std::atomic<long> heartbeat{0};
std::atomic<bool> finished{false};
std::atomic<const char*> doing{"starting"};

// Lets the panel run for ms: its timers, polls, sequence steps and answers.
void Pause(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, static_cast<int>(ms - t.elapsed()));
        ++heartbeat;
    }
}

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

double CpuSeconds() {
    rusage u{};
    ::getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

std::string Counts(const std::map<std::string, long>& counts) {
    std::string text;
    for (const auto& [kind, n] : counts) text += (text.empty() ? "" : ", ") + kind + " " + std::to_string(n);
    return text.empty() ? "none" : text;
}

// One fault switched on in vxsim for a round; the name says what was done.
struct Fault {
    std::string kind;
    std::vector<std::string> lines;  // control lines at the start of the round
    bool hangUp = false;             // the serial end hung up, plugged in halfway
    int lateMs = 0;                  // how long answers may still come after it ends
};

Fault ChooseFault(std::mt19937& random) {
    const auto any = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    switch (any(10)) {
        case 0:
        case 1: {
            static const int delays[] = {50, 300, 1200, 2500};
            const int ms = delays[any(4)];
            return {"answer delay", {"delay-ms " + std::to_string(ms)}, false, ms};
        }
        case 2:
        case 3:
            return {"answers in pieces",
                    {"chunk " + std::to_string(1 + any(7)), "chunk-pause-ms " + std::to_string(2 + any(20))},
                    false,
                    500};
        case 4:
            return {"silence", {"silent on"}, false, 0};
        case 5:
            return {"'#' in payloads", {"hash-in-payload on"}, false, 0};
        case 6:
            return {"dropped TCP connections", {"drop-tcp"}, false, 0};
        case 7:
            return {"serial end hung up", {}, true, 0};
        default:
            return {};  // a round without a fault
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) return BenchFail("soak", "usage: soak VXSIM SECONDS [SEED]");
    const int seconds = std::atoi(argv[2]);
    const std::uint32_t seed = argc > 3 ? static_cast<std::uint32_t>(std::strtoul(argv[3], nullptr, 10))
                                        : QRandomGenerator::system()->generate();
    std::printf("soak: seed %u (give it as SEED to repeat the same actions and faults)\n", seed);
    std::fflush(stdout);
    std::mt19937 random(seed);

    SimPanel rig(argv[1], 57600, {"--control"});
    if (!rig.Started()) return BenchFail("soak", "vxsim did not start");
    vx::ui::TMatrixForm& form = *rig.form;
    vx::PanelCore& core = form.Core();
    // The product's time limits, shortened as in the tests so that a silent switcher costs
    // seconds, not minutes; answers delayed past them arrive late on purpose.
    rig.services.Timer1.SetInterval(2000);
    core.Link().Limits.TickMs = 20;
    core.Link().Limits.StreamTimeoutMs = 1000;
    core.Link().Limits.QueryPauseMs = 20;
    SimControl control(rig.sim);

    // Watches that the panel gets on: a wait that never ends is a hang.
    std::thread([] {
        long seen = -1;
        int still = 0;
        while (!finished) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            const long now = heartbeat;
            still = now == seen ? still + 1 : 0;
            seen = now;
            if (still >= HangSeconds) {
                std::printf("soak: HANG: no progress for %d s while %s\n", HangSeconds, doing.load());
                std::fflush(stdout);
                std::_Exit(3);
            }
        }
    }).detach();

    const auto chooseSerial = [&] {
        auto* selector = form.findChild<vx::ui::RadioGroup*>("SerialModeRadioGroup");
        selector->SetItemIndex(0);
        emit selector->ItemClicked(0);
        if (!core.Link().SerialLinkActive) core.SearchAllClick();
        return core.Link().SerialLinkActive;
    };
    SoakOperator op(
        form, random, [&] { return rig.ChooseEthernet(); }, chooseSerial);
    core.StartupConnection();
    if (!core.Link().SerialLinkActive)
        return BenchFail("soak", "no serial link at the start", rig.prompts.messages);
    form.findChild<QSpinBox*>("FollowIntervalSpinBox")->setValue(1);

    std::map<std::string, long> faults;
    long quietMoments = 0, foundBeforeRead = 0, foundWithoutFault = 0, left = 0;
    long firstMinuteKb = 0;
    long long minutesSaid = 0;
    const int referenceAt = std::min(60, std::max(1, seconds / 2));
    const double cpuAtStart = CpuSeconds();
    QElapsedTimer clock;
    clock.start();
    bool last = false;
    while (!last) {
        last = clock.elapsed() >= seconds * 1000LL;
        Fault fault;
        if (!last) {
            fault = ChooseFault(random);
            if (!fault.kind.empty()) ++faults[fault.kind];
            doing = "injecting a fault";
            for (const auto& line : fault.lines)
                if (!control.Send(line)) return BenchFail("soak", control.Error().c_str());
            if (fault.hangUp && !control.Send("hang-up")) return BenchFail("soak", control.Error().c_str());
            const int actions = 4 + std::uniform_int_distribution<int>(0, 16)(random);
            for (int a = 0; a < actions; ++a) {
                doing = "an operator action";
                op.Act();
                ++heartbeat;
                Pause(std::uniform_int_distribution<int>(0, 120)(random));
                if (fault.hangUp && a == actions / 2 && !control.Send("plug-in"))
                    return BenchFail("soak", control.Error().c_str());
            }
        }

        // A quiet moment: the switcher behaves again, the operator stops, late answers come.
        doing = "a quiet moment";
        if (!control.Send("clear")) return BenchFail("soak", control.Error().c_str());
        op.Settle();
        Pause(fault.lateMs + 300);
        for (int tries = 0; tries < 3 && !op.Reconnect(); ++tries) Pause(500);
        if (!op.Reconnect()) {
            std::printf("soak: the panel could not connect again over %s\n",
                        op.OnEthernet() ? "TCP" : "RS-232");
            for (const auto& m : rig.prompts.messages) std::printf("  message: %s\n", m.c_str());
            ++left;
            break;
        }
        rig.prompts.messages.clear();
        ++quietMoments;
        doing = "reading the switcher with a second client";
        auto state = ReadSwitcher(rig.tcpPort);
        if (!state) return BenchFail("soak", "the second client could not read the switcher");
        const auto before = Differences(core.Model(), *state);
        foundBeforeRead += static_cast<long>(before.size());
        if (fault.kind.empty()) {
            // Without a fault the model should already hold what the switcher holds: said, to
            // be looked into, though a read resolves it.
            foundWithoutFault += static_cast<long>(before.size());
            for (const auto& d : before)
                std::printf("soak: difference before a read in a round without a fault (over %s): %s\n",
                            op.OnEthernet() ? "TCP" : "RS-232", d.c_str());
        }
        if (!before.empty()) {
            doing = "the panel's read";
            form.findChild<QAbstractButton*>("UpdateStatus")->click();
            Pause(50);
            state = ReadSwitcher(rig.tcpPort);
            if (!state) return BenchFail("soak", "the second client could not read the switcher");
            const auto after = Differences(core.Model(), *state);
            for (const auto& d : after)
                std::printf("soak: DISAGREEMENT after a read (round with %s, over %s): %s\n",
                            fault.kind.empty() ? "no fault" : fault.kind.c_str(),
                            op.OnEthernet() ? "TCP" : "RS-232", d.c_str());
            for (const auto& m : rig.prompts.messages) std::printf("  message: %s\n", m.c_str());
            left += static_cast<long>(after.size());
            std::fflush(stdout);
        }
        if (firstMinuteKb == 0 && clock.elapsed() >= referenceAt * 1000LL) firstMinuteKb = ResidentKb();
        // A line a minute on long runs, so that a reader sees it going.
        if (clock.elapsed() / 60000 > minutesSaid) {
            minutesSaid = clock.elapsed() / 60000;
            std::printf("soak: %lld min, %ld actions, %ld quiet moments, %ld disagreements left\n",
                        minutesSaid, op.Total(), quietMoments, left);
            std::fflush(stdout);
        }
        if (rig.sim.state() != QProcess::Running) return BenchFail("soak", "vxsim has ended");
    }
    const long endKb = ResidentKb();
    const double cpu = CpuSeconds() - cpuAtStart;
    finished = true;

    const long actions = op.Total();
    std::printf("soak: %.0f s, %ld actions: %s\n", clock.elapsed() / 1000.0, actions,
                Counts(op.Counts()).c_str());
    long faultCount = 0;
    for (const auto& f : faults) faultCount += f.second;
    std::printf("soak: %ld faults injected: %s\n", faultCount, Counts(faults).c_str());
    std::printf(
        "soak: %ld quiet moments; differences found before a read %ld (in rounds without a fault %ld); "
        "disagreements left after a read %ld\n",
        quietMoments, foundBeforeRead, foundWithoutFault, left);
    const double growth =
        firstMinuteKb > 0 ? 100.0 * static_cast<double>(endKb - firstMinuteKb) / firstMinuteKb : 0;
    std::printf("soak: panel memory %.1f MB after %d s, %.1f MB at the end (%+.1f %%)\n",
                firstMinuteKb / 1024.0, referenceAt, endKb / 1024.0, growth);
    std::printf("soak: CPU time %.2f ms per action\n",
                actions > 0 ? 1000.0 * cpu / static_cast<double>(actions) : 0.0);
    // Memory is judged on long runs only: the first minutes still fill caches.
    const bool memoryFlat = seconds < 600 || growth <= 5.0;
    if (!memoryFlat) std::printf("soak: FAILED: memory grew by more than 5 %%\n");
    if (left > 0) std::printf("soak: FAILED: %ld disagreements left after a read\n", left);
    const bool passed = left == 0 && memoryFlat;
    if (passed) std::printf("soak: passed\n");
    return passed ? 0 : 1;
}
