// The cost of reading before a take: with an output protected (or follow mode on) a Take
// first reads the switcher's routes ("OINFOVX", "OPINFOVX") so that routes pending
// elsewhere are set aside; with nothing protected and follow off it sends "TAKE 1" at once.
// For 20 takes each way, over the pseudo-terminal at 57600 baud or over TCP, the time from
// the click to the take's answer (follow off, so no check follows), and the difference.
//   take VXSIM serial|tcp
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "SimPanel.h"

namespace {

constexpr int Takes = 20;

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Takes output 3 from a new input Takes times; the click's time in milliseconds each.
std::vector<double> TimeTakes(vx::PanelCore& core) {
    std::vector<double> times;
    for (int n = 0; n < Takes; ++n) {
        core.OutputButtonClick(2);
        core.InputButtonClick((core.Model().Routes[2].Input + 1 + n % 7) % 16);
        QElapsedTimer t;
        t.start();
        core.TakeButtonClick();
        times.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    return times;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) return BenchFail("take", "usage: take VXSIM serial|tcp");
    const bool tcp = QString(argv[2]) == "tcp";
    SimPanel rig(argv[1], 57600);
    if (!rig.Started()) return BenchFail("take", "vxsim did not start");
    vx::PanelCore& core = rig.form->Core();
    if (tcp) {
        if (!rig.ChooseEthernet()) return BenchFail("take", "no TCP link", rig.prompts.messages);
    } else {
        core.StartupConnection();
        if (!core.Link().SerialLinkActive) return BenchFail("take", "no serial link", rig.prompts.messages);
    }
    core.SetFollow({false, vx::DefaultFollowSeconds});
    const double plain = Median(TimeTakes(core));
    core.ProtectOutputClick(15);
    if (!core.IsProtected(15)) return BenchFail("take", "output 16 not protected", rig.prompts.messages);
    const double reading = Median(TimeTakes(core));
    if (!rig.prompts.messages.empty()) return BenchFail("take", "taking", rig.prompts.messages);
    std::printf(
        "take over %s, click to the take's answer, median of %d: %.1f ms with the read before it, %.1f ms "
        "without; the read costs %.1f ms\n",
        tcp ? "TCP" : "serial at 57600 baud", Takes, reading, plain, reading - plain);
    return 0;
}
