#pragma once
// Test side of vxsim: starts the real program as a child process and talks to it
// as a client over loopback TCP or its pseudo-terminal. Every wait is bounded.
#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

namespace vxsim::test {

constexpr int WaitMs = 5000;  // generous: the sanitizer build starts slowly

class SimProcess {
public:
    // Starts vxsim with these options and waits for the link lines it prints; with
    // maxDescriptors the program runs under that RLIMIT_NOFILE, with maxFileBytes under
    // that RLIMIT_FSIZE (a disk that fills up).
    explicit SimProcess(std::vector<std::string> args, int maxDescriptors = 0, long maxFileBytes = 0);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    int Port() const { return port_; }
    const std::string& SerialPath() const { return serialPath_; }
    bool Running();
    // What the program printed (stdout and stderr) since it started, collected for ms.
    std::string OutputFor(int ms);
    // One control line (the simulator runs with --control); its answer after "control: ",
    // or empty when none came.
    std::string Control(const std::string& line);
    // SIGTERM, then the exit status (or -1 when it had to be killed).
    int Stop();

private:
    pid_t pid_ = -1;
    int port_ = 0;
    std::string serialPath_;
    int out_ = -1;
    int in_ = -1;
    std::string output_;
};

// A fresh empty directory under /tmp, removed with its files at destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Runs vxsim to its end; returns the exit status and collects stdout and stderr.
int RunToExit(const std::vector<std::string>& args, std::string& output);

// A client end of either link: a TCP socket or the opened pseudo-terminal.
class Client {
public:
    static Client Tcp(int port);
    static Client Serial(const std::string& path);
    Client(Client&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    ~Client();

    void Send(std::string_view bytes);
    // Bytes up to and including a '#' that has CR LF before it and at least
    // minLength bytes before it, the way the panel finds the end of an answer.
    std::string ReadAnswer(std::size_t minLength = 0);
    // Exactly n bytes, or fewer when the wait runs out.
    std::string ReadExactly(std::size_t n);
    // Whatever arrives within ms milliseconds.
    std::string ReadFor(int ms);
    // The first piece that arrives, as one read returns it.
    std::string ReadOnce();
    // True when the peer closes the connection within the wait.
    bool ClosedByPeer();
    std::string Exchange(std::string_view line, std::size_t minLength = 0) {
        Send(line);
        return ReadAnswer(minLength);
    }

private:
    explicit Client(int fd) : fd_(fd) {}
    int fd_;
    std::string pending_;  // read past the end of the last answer
};

// A status answer taken apart: where the marker is and what follows it.
struct StatusFrame {
    std::size_t MarkerAt = std::string::npos;  // first 0x01 in the answer
    std::string Payload;                       // the n bytes after the skipped byte
    std::string After;                         // everything after the payload
};
StatusFrame SplitStatus(const std::string& answer, std::size_t payloadLength);

}  // namespace vxsim::test
