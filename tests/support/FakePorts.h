#pragma once
// Fakes of the core's services for tests: a clock that only moves when told, a serial
// port fed by a script of timed bytes, a TCP client fed the same way, a recording view.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "link/Ports.h"

namespace vx::test {

class FakeClock : public Clock {
public:
    std::int64_t NowMs() override { return now; }
    void SleepMs(int ms) override { now += ms; }
    std::int64_t now = 1'000'000;
};

// Bytes that become readable at a given time.
struct TimedBytes {
    std::deque<std::pair<std::int64_t, std::uint8_t>> queue;
    void Add(std::int64_t atMs, const std::string& bytes);
    bool ReadyBy(std::int64_t t) const { return !queue.empty() && queue.front().first <= t; }
    std::size_t CountReadyBy(std::int64_t t) const {
        std::size_t n = 0;
        while (n < queue.size() && queue[n].first <= t) ++n;
        return n;
    }
};

class FakeSerialPort : public SerialPortService {
public:
    explicit FakeSerialPort(FakeClock& clock) : clock_(clock) {}

    void SetListener(SerialPortListener* l) override { listener = l; }
    bool IsAvailable(int n) override { return availablePorts.count(n) && !(open && selected == n); }
    std::string OpenProblem(int n) override { return openProblems.count(n) ? openProblems.at(n) : ""; }
    void SelectPort(int n) override { selected = n; }
    int PortNumber() const override { return selected; }
    void Open() override;
    void Close() override;
    bool IsOpen() const override { return open; }
    void SetBaud(int b) override { baud = b; }
    void SetHardwareFlowControl(bool rts, bool cts) override { flowRts = rts, flowCts = cts; }
    std::uint16_t OutputFree() const override { return outputFree; }
    void Write(std::string_view text) override;
    void FlushInput() override;
    int ReadByte(int timeoutMs) override;
    std::size_t Read(std::uint8_t* dst, std::size_t max) override;
    void SetLineMonitoring(bool on) override { monitoring = on; }
    std::string FailureText() const override { return failure; }

    // The port goes away as a pulled adapter does: closed, with the lost notification.
    void Lose() {
        open = false;
        if (listener) listener->PortLost();
    }
    // Queues an answer that arrives delayMs from now.
    void Answer(const std::string& bytes, int delayMs = 0) { incoming.Add(clock_.now + delayMs, bytes); }

    SerialPortListener* listener = nullptr;
    std::set<int> availablePorts{1};
    std::map<int, std::string> openProblems;
    int selected = 1;
    bool open = false;
    bool failOpen = false;
    bool failReads = false;  // the blocking read raises the port's error
    std::string failure;     // what FailureText says
    bool notifyOnOpen = true;
    int baud = 57600;
    bool flowRts = false, flowCts = false;
    bool monitoring = false;
    std::uint16_t outputFree = 4096;
    std::string written;              // every byte written, in order
    std::vector<std::string> writes;  // one entry per Write call
    TimedBytes incoming;
    // Called after every write, so a test can play the switcher.
    std::function<void(const std::string&)> onWrite;
    int flushes = 0;

private:
    FakeClock& clock_;
};

class FakeTcpClient : public TcpClientService {
public:
    explicit FakeTcpClient(FakeClock& clock) : clock_(clock) {}

    void SetListener(TcpClientListener* l) override { listener = l; }
    void SetRemote(const std::string& a, int p) override { address = a, port = p; }
    void Open() override;
    void Close() override;
    bool IsActive() const override { return active; }
    void Send(std::string_view text) override;
    bool WaitForData(int timeoutMs) override;
    std::size_t Read(std::uint8_t* dst, std::size_t max, int timeoutMs) override;
    std::string FailureText() const override { return failure; }

    void Answer(const std::string& bytes, int delayMs = 0) { incoming.Add(clock_.now + delayMs, bytes); }

    TcpClientListener* listener = nullptr;
    std::string address;
    int port = 0;
    bool active = false;
    bool connectOnOpen = true;  // the connected notification comes from inside Open
    std::string failure;        // what FailureText says
    std::string sent;
    std::vector<std::string> sends;
    TimedBytes incoming;
    std::size_t maxReadChunk = 1'000'000;  // splits answers into small reads when lowered
    std::function<void(const std::string&)> onSend;

private:
    FakeClock& clock_;
};

class FakeEventPump : public EventPump {
public:
    explicit FakeEventPump(FakeClock& clock) : clock_(clock) {}
    void ProcessEvents() override;
    void WaitForEvents() override;
    // Runs at each ProcessEvents/WaitForEvents call, as the event loop would deliver events.
    std::function<void()> onEvents;
    int processed = 0;
    int stepMs = 10;  // how far the clock moves per WaitForEvents

private:
    FakeClock& clock_;
};

class FakeWatchdog : public Watchdog {
public:
    void SetHandler(std::function<void()> h) override { handler = std::move(h); }
    void Start() override { running = true, ++starts; }
    void Stop() override { running = false; }
    // Fires as the real timer would: only while armed.
    void Fire() {
        if (running && handler) handler();
    }
    std::function<void()> handler;
    bool running = false;
    int starts = 0;
};

// A one-shot timer that fires only when the test says so, and only while armed.
class FakeOneShotTimer : public OneShotTimer {
public:
    void SetHandler(std::function<void()> h) override { handler = std::move(h); }
    void Start(int ms) override {
        running = true;
        intervalMs = ms;
        starts.push_back(ms);
    }
    void Stop() override { running = false; }
    // Disarmed as it fires, like a single-shot timer.
    void Fire() {
        if (!running || !handler) return;
        running = false;
        handler();
    }
    std::function<void()> handler;
    bool running = false;
    int intervalMs = 0;
    std::vector<int> starts;  // the interval of every Start, in order
};

class ScriptedPrompter : public Prompter {
public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ShowMessage(const std::string& text, const std::string& caption) override {
        messages.push_back(text);
        captions.push_back(caption);
    }
    bool AskYesNo(const std::string& text, const std::string& caption) override;
    std::optional<std::string> ChooseFileToOpen(const std::string& title) override;
    std::optional<std::string> ChooseFileToSave(const std::string& title) override;
    std::vector<std::string> messages;
    std::vector<std::string> captions;
    std::vector<std::string> questions;
    std::deque<bool> answers;  // answers to AskYesNo in order; No when empty
    // Paths the file dialogs return in order; the operator cancels when none is left.
    std::deque<std::string> openPaths;
    std::deque<std::string> savePaths;
    std::vector<std::string> dialogTitles;
};

class RecordingLinkView : public LinkView {
public:
    void ShowStatus(const std::string& text) override { status = text, statusHistory.push_back(text); }
    void SetPageControlEnabled(bool on) override { pageControlEnabled = on; }
    bool IsHourglass() const override { return hourglass; }
    void SetHourglass(bool on) override { hourglass = on, hourglassHistory.push_back(on); }
    std::string status;
    std::vector<std::string> statusHistory;
    bool pageControlEnabled = true;
    bool hourglass = false;
    std::vector<bool> hourglassHistory;
};

}  // namespace vx::test
