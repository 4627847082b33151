#pragma once
// A loopback TCP proxy in front of the simulator that changes one payload byte of every
// answer to one status query, as a noisy line would: the answer keeps its frame.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <string>
#include <thread>

namespace vx::test {

class CorruptingProxy {
public:
    // Answers to query get payload byte `at` (0-based, after the marker and the skipped
    // byte) replaced by value.
    CorruptingProxy(int simPort, std::string query, std::size_t at, unsigned char value)
        : simPort_(simPort), query_(std::move(query)), at_(at), value_(value) {
        listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof addr;
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&addr), len) == 0 && ::listen(listener_, 4) == 0 &&
            ::getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len) == 0)
            port_ = ntohs(addr.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }
    ~CorruptingProxy() {
        stop_ = true;
        thread_.join();
        ::close(listener_);
    }
    int Port() const { return port_; }

private:
    static int ConnectTo(int port) {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_port = htons(static_cast<std::uint16_t>(port));
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
            ::close(fd);
            return -1;
        }
        return fd;
    }

    // One client at a time; every wait is bounded by the stop flag's 50 ms polls.
    void Serve() {
        while (!stop_) {
            pollfd p{listener_, POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0) continue;
            const int client = ::accept(listener_, nullptr, nullptr);
            const int sim = ConnectTo(simPort_);
            if (client >= 0 && sim >= 0) Relay(client, sim);
            if (client >= 0) ::close(client);
            if (sim >= 0) ::close(sim);
        }
    }

    void Relay(int client, int sim) {
        std::string lastLine, pending;
        bool corrupt = false;
        std::size_t payloadSeen = 0;
        bool inPayload = false, skipped = false;
        while (!stop_) {
            pollfd p[2] = {{client, POLLIN, 0}, {sim, POLLIN, 0}};
            if (::poll(p, 2, 50) <= 0) continue;
            char buf[4096];
            if (p[0].revents) {
                const ssize_t n = ::read(client, buf, sizeof buf);
                if (n <= 0) return;
                pending.append(buf, static_cast<std::size_t>(n));
                for (auto cr = pending.find('\r'); cr != std::string::npos; cr = pending.find('\r')) {
                    lastLine = pending.substr(0, cr);
                    pending.erase(0, cr + 1);
                }
                corrupt = lastLine == query_;
                inPayload = skipped = false;
                payloadSeen = 0;
                if (::write(sim, buf, static_cast<std::size_t>(n)) != n) return;
            }
            if (p[1].revents) {
                const ssize_t n = ::read(sim, buf, sizeof buf);
                if (n <= 0) return;
                for (ssize_t k = 0; corrupt && k < n; ++k) {
                    if (!inPayload) {
                        inPayload = buf[k] == 0x01;
                    } else if (!skipped) {
                        skipped = true;
                    } else if (payloadSeen++ == at_) {
                        buf[k] = static_cast<char>(value_);
                        corrupt = false;
                    }
                }
                if (::write(client, buf, static_cast<std::size_t>(n)) != n) return;
            }
        }
    }

    int simPort_;
    std::string query_;
    std::size_t at_;
    unsigned char value_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace vx::test
