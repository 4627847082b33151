// Runs the panel's start-up, a bare window's of the same size and a window with one line of
// text, in turn, several rounds, and prints the medians and their ratios: time to first
// paint, CPU time to first paint, peak resident memory, and where the CPU time goes.
//   startup_runner PANEL_PROGRAM BARE_PROGRAM TEXT_PROGRAM [ROUNDS]
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Figures {
    double wallMs = 0, cpuMs = 0, rssKb = 0;
    int width = 0, height = 0;
    std::map<std::string, double> phases;
};

long long MonotonicNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// "phases name=ms name=ms ..." at the end of the line.
void ReadPhases(const std::string& line, Figures& out) {
    const auto at = line.find(" phases");
    if (at == std::string::npos) return;
    std::istringstream words(line.substr(at + 7));
    for (std::string word; words >> word;) {
        const auto eq = word.find('=');
        if (eq != std::string::npos) out.phases[word.substr(0, eq)] = std::atof(word.c_str() + eq + 1);
    }
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
    out.phases.clear();
    ReadPhases(text.substr(at, text.find('\n', at) - at), out);
    return true;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

struct Series {
    std::vector<double> wall, cpu, rss;
    std::map<std::string, std::vector<double>> phases;
    void Add(const Figures& f) {
        wall.push_back(f.wallMs);
        cpu.push_back(f.cpuMs);
        rss.push_back(f.rssKb);
        for (const auto& [name, ms] : f.phases) phases[name].push_back(ms);
    }
    double Phase(const char* name) const {
        const auto it = phases.find(name);
        return it == phases.end() ? 0 : Median(it->second);
    }
};

void Row(const char* what, double a, double b) {
    std::printf("  %-22s %10.1f %10.1f %9.2fx\n", what, a, b, b > 0 ? a / b : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s PANEL_PROGRAM BARE_PROGRAM TEXT_PROGRAM [ROUNDS]\n", argv[0]);
        return 2;
    }
    const int rounds = argc > 4 ? std::max(1, std::atoi(argv[4])) : 7;
    Figures panel, bare, text;
    // One start of each first, so that all find the libraries and fonts in the page cache.
    if (!RunOnce({argv[1]}, panel)) return 1;
    const std::string width = std::to_string(panel.width), height = std::to_string(panel.height);
    const std::vector<std::string> bareArgs = {argv[2], width, height};
    const std::vector<std::string> textArgs = {argv[3], width, height};
    if (!RunOnce(bareArgs, bare) || !RunOnce(textArgs, text)) return 1;
    Series p, b, t;
    for (int r = 0; r < rounds; ++r) {
        if (!RunOnce({argv[1]}, panel) || !RunOnce(bareArgs, bare) || !RunOnce(textArgs, text)) return 1;
        p.Add(panel);
        b.Add(bare);
        t.Add(text);
    }
    std::printf("start-up to first paint, %dx%d window, median of %d rounds:\n", panel.width, panel.height,
                rounds);
    std::printf("  %-22s %10s %10s %10s\n", "", "panel", "bare", "ratio");
    Row("time (ms)", Median(p.wall), Median(b.wall));
    Row("CPU time (ms)", Median(p.cpu), Median(b.cpu));
    Row("peak RSS (MB)", Median(p.rss) / 1024, Median(b.rss) / 1024);
    std::printf(
        "the least a window with any text costs (the bare window with one captioned\n"
        "button, linked with the panel's Qt libraries):\n");
    std::printf("  %-22s %10s %10s %10s\n", "", "text", "bare", "ratio");
    Row("CPU time (ms)", Median(t.cpu), Median(b.cpu));
    Row("peak RSS (MB)", Median(t.rss) / 1024, Median(b.rss) / 1024);
    std::printf("the panel against the window with text (goal: CPU time at most 1.3 x, peak memory at\n"
                "most 1.15 x):\n");
    std::printf("  %-22s %10s %10s %10s\n", "", "panel", "text", "ratio");
    Row("CPU time (ms)", Median(p.cpu), Median(t.cpu));
    Row("peak RSS (MB)", Median(p.rss) / 1024, Median(t.rss) / 1024);
    std::printf("where the CPU time goes (ms):\n");
    std::printf("  %-22s %10s %10s %10s\n", "", "panel", "text", "bare");
    const char* const phases[][2] = {{"main", "before main"},
                                     {"application", "application, style"},
                                     {"window", "building the window"},
                                     {"show", "showing it"},
                                     {"paint", "the first paint"}};
    for (const auto& [name, caption] : phases)
        std::printf("  %-22s %10.1f %10.1f %10.1f\n", caption, p.Phase(name), t.Phase(name), b.Phase(name));
    return 0;
}
