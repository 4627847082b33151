#pragma once
// The narrow services through which the core reaches the outside world.
// The Qt side implements them; tests use fakes.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vx {

// An error raised by the serial-port or TCP client service, with the text to show.
struct LinkError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Notifications of the serial-port service. Delivered while events are processed
// (or from inside Open/Close, as a real port may do).
struct SerialPortListener {
    virtual ~SerialPortListener() = default;
    virtual void PortOpened() = 0;
    virtual void PortClosed() = 0;
    virtual void DataAvailable(std::size_t count) = 0;
    // The port went away while open (a USB adapter pulled, the far end hung up). The
    // service has closed it already; no PortClosed follows.
    virtual void PortLost() = 0;
};

struct SerialPortService {
    virtual ~SerialPortService() = default;
    virtual void SetListener(SerialPortListener* listener) = 0;
    // True when COM n exists and can be opened now; a port in use (also by us) is unavailable.
    virtual bool IsAvailable(int n) = 0;
    // Why COM n could not be used, in words that name its device (a lock file and the
    // process holding it, no such device, ...); empty when nothing is known.
    virtual std::string OpenProblem(int n) = 0;
    virtual void SelectPort(int n) = 0;
    virtual int PortNumber() const = 0;
    virtual void Open() = 0;  // throws LinkError when the port cannot be opened
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    virtual void SetBaud(int baud) = 0;
    virtual void SetHardwareFlowControl(bool useRts, bool requireCts) = 0;
    virtual std::uint16_t OutputFree() const = 0;
    virtual void Write(std::string_view text) = 0;
    virtual void FlushInput() = 0;
    // Blocking read of one byte, without processing events: the byte, or -1 when
    // nothing came within timeoutMs. Throws LinkError when the port fails.
    virtual int ReadByte(int timeoutMs) = 0;
    // Block read of up to max bytes already received; returns the number read.
    virtual std::size_t Read(std::uint8_t* dst, std::size_t max) = 0;
    virtual void SetLineMonitoring(bool on) = 0;
    // Why the port last failed or went away while open, in words ("end of file on the
    // serial line", ...); empty when nothing failed since it was opened.
    virtual std::string FailureText() const { return {}; }
};

enum class SocketErrorKind { General, Send, Receive, Connect, Disconnect, Other };

struct TcpClientListener {
    virtual ~TcpClientListener() = default;
    virtual void Connected() = 0;
    virtual void Disconnected() = 0;
    virtual void Error(SocketErrorKind kind) = 0;  // always handled by the listener
};

struct TcpClientService {
    virtual ~TcpClientService() = default;
    virtual void SetListener(TcpClientListener* listener) = 0;
    virtual void SetRemote(const std::string& address, int port) = 0;
    virtual void Open() = 0;  // starts connecting; may throw LinkError
    virtual void Close() = 0;
    virtual bool IsActive() const = 0;
    virtual void Send(std::string_view text) = 0;  // may throw LinkError
    // Stream operations; they block without processing events.
    virtual bool WaitForData(int timeoutMs) = 0;
    // Reads up to max bytes, waiting up to timeoutMs for the first; 0 on time-out or end.
    virtual std::size_t Read(std::uint8_t* dst, std::size_t max, int timeoutMs) = 0;
    // Why the connection failed on this side (a local error sending or receiving), in
    // words; empty when it did not since it was opened, or when the far end closed it.
    virtual std::string FailureText() const { return {}; }
};

// Millisecond clock and the short pause of the queries.
struct Clock {
    virtual ~Clock() = default;
    virtual std::int64_t NowMs() = 0;
    virtual void SleepMs(int ms) = 0;
};

// The user-interface event loop, for the waits that keep the window alive.
struct EventPump {
    virtual ~EventPump() = default;
    virtual void ProcessEvents() = 0;  // handle what is pending, then return
    virtual void WaitForEvents() = 0;  // sleep until at least one event was handled
};

// The communication watchdog (Timer1): Start arms it, Stop disarms it; when it fires
// while events are processed it calls the handler the link layer installed.
struct Watchdog {
    virtual ~Watchdog() = default;
    virtual void SetHandler(std::function<void()> handler) = 0;
    virtual void Start() = 0;
    virtual void Stop() = 0;
};

// A timer that fires once (the preset sequencer's PresetSeqTimer): Start arms it to fire
// after ms milliseconds, replacing an earlier start; Stop disarms it. It fires while
// events are processed, also inside a wait, by calling the installed handler.
struct OneShotTimer {
    virtual ~OneShotTimer() = default;
    virtual void SetHandler(std::function<void()> handler) = 0;
    virtual void Start(int ms) = 0;
    virtual void Stop() = 0;
};

// Modal boxes the operator acknowledges, and the file dialogs.
struct Prompter {
    virtual ~Prompter() = default;
    virtual void ShowMessage(const std::string& text) = 0;
    virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
    virtual bool AskYesNo(const std::string& text, const std::string& caption) = 0;
    // The platform's open and save dialogs, showing all files and adding no extension:
    // the path chosen, or nothing when the operator cancels. A prompter without file
    // dialogs (a tool without a window) cancels them.
    virtual std::optional<std::string> ChooseFileToOpen(const std::string& /*title*/) { return std::nullopt; }
    virtual std::optional<std::string> ChooseFileToSave(const std::string& /*title*/) { return std::nullopt; }
};

// The parts of the main window that the link layer drives.
struct LinkView {
    virtual ~LinkView() = default;
    virtual void ShowStatus(const std::string& text) = 0;
    virtual void SetPageControlEnabled(bool on) = 0;
    virtual bool IsHourglass() const = 0;
    virtual void SetHourglass(bool on) = 0;
};

}  // namespace vx
