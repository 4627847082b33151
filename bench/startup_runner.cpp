// Runs the panel's start-up and a bare window's of the same size in turn, several rounds,
// and prints the medians of each and their ratios: time to first paint, CPU time to first
// paint and peak resident memory.
//   startup_runner PANEL_PROGRAM BARE_PROGRAM [ROUNDS]
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

struct Figures {
    double wallMs = 0, cpuMs = 0, rssKb = 0;
    int width = 0, height = 0;
};

long long MonotonicNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// Starts the program, reads its first-paint line; false when it did not give one.
bool RunOnce(const std::vector<std::string>& argv, Figures& out) {
    int fds[2];
    if (pipe(fds) != 0) return false;
    const std::string t0 = std::to_string(MonotonicNs());
    const pid_t pid = fork();
    if (pid < 0) return false;
    if (pid == 0) {
        dup2(fds[1], 1);
        close(fds[0]);
        close(fds[1]);
        setenv("VX_BENCH_T0_NS", t0.c_str(), 1);
        std::vector<char*> args;
        for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    close(fds[1]);
    std::string text;
    char buf[512];
    for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;) text.append(buf, static_cast<size_t>(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    const auto at = text.find("first-paint ");
    if (at == std::string::npos) {
        std::fprintf(stderr, "%s gave no first-paint line: %s\n", argv[0].c_str(), text.c_str());
        return false;
    }
    long rss = 0;
    if (std::sscanf(text.c_str() + at, "first-paint wall_ms=%lf cpu_ms=%lf maxrss_kb=%ld size=%dx%d",
                    &out.wallMs, &out.cpuMs, &rss, &out.width, &out.height) != 5)
        return false;
    out.rssKb = static_cast<double>(rss);
    return true;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

struct Series {
    std::vector<double> wall, cpu, rss;
    void Add(const Figures& f) {
        wall.push_back(f.wallMs);
        cpu.push_back(f.cpuMs);
        rss.push_back(f.rssKb);
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PANEL_PROGRAM BARE_PROGRAM [ROUNDS]\n", argv[0]);
        return 2;
    }
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 7;
    Figures panel, bare;
    // One start of each first, so that both find the libraries and fonts in the page cache.
    if (!RunOnce({argv[1]}, panel)) return 1;
    const std::vector<std::string> bareArgs = {argv[2], std::to_string(panel.width),
                                               std::to_string(panel.height)};
    if (!RunOnce(bareArgs, bare)) return 1;
    Series p, b;
    for (int r = 0; r < rounds; ++r) {
        if (!RunOnce({argv[1]}, panel) || !RunOnce(bareArgs, bare)) return 1;
        p.Add(panel);
        b.Add(bare);
    }
    std::printf("start-up to first paint, %dx%d window, median of %d rounds:\n", panel.width, panel.height,
                rounds);
    std::printf("  %-22s %10s %10s %10s\n", "", "panel", "bare", "ratio");
    const auto row = [](const char* what, double pv, double bv) {
        std::printf("  %-22s %10.1f %10.1f %9.2fx\n", what, pv, bv, bv > 0 ? pv / bv : 0.0);
    };
    row("time (ms)", Median(p.wall), Median(b.wall));
    row("CPU time (ms)", Median(p.cpu), Median(b.cpu));
    row("peak RSS (MB)", Median(p.rss) / 1024, Median(b.rss) / 1024);
    return 0;
}
