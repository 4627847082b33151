#include "SimClient.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <utility>

namespace vxsim::test {

namespace {

using Clock = std::chrono::steady_clock;

int MsLeft(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// One read of whatever is there, waiting until the deadline. Empty on time-out; -1 in
// closed when the peer has gone.
std::string ReadSome(int fd, Clock::time_point deadline, bool* closed = nullptr) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, MsLeft(deadline)) <= 0) return {};
    char buf[8192];
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n <= 0) {
        if (closed) *closed = true;
        return {};
    }
    return std::string(buf, static_cast<std::size_t>(n));
}

pid_t Spawn(const std::vector<std::string>& args, int outFd, int maxDescriptors = 0, long maxFileBytes = 0,
            int inFd = -1) {
    std::vector<char*> argv;
    std::string program = VXSIM_PATH;
    argv.push_back(program.data());
    std::vector<std::string> copy = args;
    for (auto& a : copy) argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(outFd, STDOUT_FILENO);
        ::dup2(outFd, STDERR_FILENO);
        if (inFd >= 0) ::dup2(inFd, STDIN_FILENO);
        if (maxDescriptors > 0) {
            const rlimit limit{static_cast<rlim_t>(maxDescriptors), static_cast<rlim_t>(maxDescriptors)};
            ::setrlimit(RLIMIT_NOFILE, &limit);
        }
        if (maxFileBytes > 0) {
            const rlimit limit{static_cast<rlim_t>(maxFileBytes), static_cast<rlim_t>(maxFileBytes)};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    return pid;
}

int WaitExit(pid_t pid, int ms) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    int status = 0;
    while (Clock::now() < deadline) {
        if (::waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
        ::usleep(10'000);
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    return -1;
}

}  // namespace

SimProcess::SimProcess(std::vector<std::string> args, int maxDescriptors, long maxFileBytes) {
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
    // With --control the simulator reads control lines from a pipe of the test's.
    int in[2] = {-1, -1};
    const bool control = std::find(args.begin(), args.end(), "--control") != args.end();
    if (control && ::pipe2(in, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
    pid_ = Spawn(args, out[1], maxDescriptors, maxFileBytes, in[0]);
    ::close(out[1]);
    if (control) ::close(in[0]);
    in_ = in[1];
    bool wantTcp = false, wantSerial = false;
    for (const auto& a : args) {
        wantTcp = wantTcp || a.rfind("--tcp", 0) == 0;
        wantSerial = wantSerial || a.rfind("--serial", 0) == 0;
    }
    std::string text;
    const auto deadline = Clock::now() + std::chrono::milliseconds(WaitMs);
    bool closed = false;
    while (!closed && MsLeft(deadline) > 0) {
        text += ReadSome(out[0], deadline, &closed);
        const auto tcp = text.find("tcp ");
        const auto serial = text.find("serial ");
        if (tcp != std::string::npos && text.find('\n', tcp) != std::string::npos)
            port_ = std::atoi(text.c_str() + text.find(':', tcp) + 1);
        if (serial != std::string::npos && text.find('\n', serial) != std::string::npos)
            serialPath_ = text.substr(serial + 7, text.find(" -> ", serial) - serial - 7);
        if ((!wantTcp || port_ > 0) && (!wantSerial || !serialPath_.empty())) break;
    }
    if ((wantTcp && port_ == 0) || (wantSerial && serialPath_.empty())) {
        ::close(out[0]);
        throw std::runtime_error("vxsim did not start: " + text);
    }
    out_ = out[0];
    output_ = text;
}

SimProcess::~SimProcess() {
    if (in_ >= 0) ::close(in_);
    Stop();
    if (out_ >= 0) ::close(out_);
}

std::string SimProcess::Control(const std::string& line) {
    const std::size_t seen = output_.size();
    const std::string bytes = line + "\n";
    if (in_ < 0 || ::write(in_, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) return {};
    const auto deadline = Clock::now() + std::chrono::milliseconds(WaitMs);
    bool closed = false;
    while (!closed && MsLeft(deadline) > 0) {
        const auto at = output_.find("control: ", seen);
        if (at != std::string::npos && output_.find('\n', at) != std::string::npos)
            return output_.substr(at + 9, output_.find('\n', at) - at - 9);
        output_ += ReadSome(out_, deadline, &closed);
    }
    return {};
}

std::string SimProcess::OutputFor(int ms) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    bool closed = false;
    while (!closed && MsLeft(deadline) > 0) output_ += ReadSome(out_, deadline, &closed);
    return output_;
}

bool SimProcess::Running() {
    if (pid_ < 0) return false;
    int status = 0;
    return ::waitpid(pid_, &status, WNOHANG) == 0;
}

int SimProcess::Stop() {
    if (pid_ < 0) return -1;
    ::kill(pid_, SIGTERM);
    const int code = WaitExit(pid_, WaitMs);
    pid_ = -1;
    return code;
}

TempDir::TempDir() {
    char name[] = "/tmp/vxsim-test-XXXXXX";
    if (!::mkdtemp(name)) throw std::runtime_error("mkdtemp");
    path_ = name;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

int RunToExit(const std::vector<std::string>& args, std::string& output) {
    int out[2];
    if (::pipe(out) != 0) return -1;
    const pid_t pid = Spawn(args, out[1]);
    ::close(out[1]);
    const auto deadline = Clock::now() + std::chrono::milliseconds(WaitMs);
    bool closed = false;
    while (!closed && MsLeft(deadline) > 0) output += ReadSome(out[0], deadline, &closed);
    ::close(out[0]);
    return WaitExit(pid, WaitMs);
}

Client Client::Tcp(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<std::uint16_t>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0)
        throw std::runtime_error("connect");
    return Client(fd);
}

Client Client::Serial(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) throw std::runtime_error("open " + path);
    termios t{};
    ::tcgetattr(fd, &t);
    ::cfmakeraw(&t);
    ::cfsetspeed(&t, B57600);
    ::tcsetattr(fd, TCSANOW, &t);
    return Client(fd);
}

Client::~Client() {
    if (fd_ >= 0) ::close(fd_);
}

void Client::Send(std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n <= 0) throw std::runtime_error("write");
        done += static_cast<std::size_t>(n);
    }
}

std::string Client::ReadAnswer(std::size_t minLength) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(WaitMs);
    std::string got = std::move(pending_);
    pending_.clear();
    std::size_t scanned = 0;
    for (;;) {
        for (; scanned < got.size(); ++scanned) {
            if (got[scanned] == '#' && scanned >= minLength && scanned >= 2 && got[scanned - 2] == '\r' &&
                got[scanned - 1] == '\n') {
                pending_ = got.substr(scanned + 1);
                return got.substr(0, scanned + 1);
            }
        }
        if (MsLeft(deadline) == 0) return got;
        bool closed = false;
        got += ReadSome(fd_, deadline, &closed);
        if (closed) return got;
    }
}

std::string Client::ReadExactly(std::size_t n) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(WaitMs);
    std::string got = std::move(pending_);
    pending_.clear();
    bool closed = false;
    while (got.size() < n && !closed && MsLeft(deadline) > 0) got += ReadSome(fd_, deadline, &closed);
    if (got.size() > n) {
        pending_ = got.substr(n);
        got.resize(n);
    }
    return got;
}

std::string Client::ReadFor(int ms) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    std::string got = std::move(pending_);
    pending_.clear();
    bool closed = false;
    while (!closed && MsLeft(deadline) > 0) got += ReadSome(fd_, deadline, &closed);
    return got;
}

std::string Client::ReadOnce() {
    if (!pending_.empty()) return std::exchange(pending_, {});
    return ReadSome(fd_, Clock::now() + std::chrono::milliseconds(WaitMs));
}

bool Client::ClosedByPeer() {
    const auto deadline = Clock::now() + std::chrono::milliseconds(WaitMs);
    bool closed = false;
    while (!closed && MsLeft(deadline) > 0) ReadSome(fd_, deadline, &closed);
    return closed;
}

StatusFrame SplitStatus(const std::string& answer, std::size_t payloadLength) {
    StatusFrame f;
    f.MarkerAt = answer.find('\x01');
    if (f.MarkerAt == std::string::npos || answer.size() < f.MarkerAt + 2 + payloadLength) return f;
    f.Payload = answer.substr(f.MarkerAt + 2, payloadLength);
    f.After = answer.substr(f.MarkerAt + 2 + payloadLength);
    return f;
}

}  // namespace vxsim::test
