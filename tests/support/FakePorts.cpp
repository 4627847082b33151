#include "FakePorts.h"

#include <algorithm>

namespace vx::test {

void TimedBytes::Add(std::int64_t atMs, const std::string& bytes) {
    for (char ch : bytes) queue.emplace_back(atMs, static_cast<std::uint8_t>(ch));
}

void FakeSerialPort::Open() {
    if (failOpen) throw LinkError("cannot open");
    open = true;
    if (notifyOnOpen && listener) listener->PortOpened();
}

void FakeSerialPort::Close() {
    open = false;
    if (listener) listener->PortClosed();
}

void FakeSerialPort::Write(std::string_view text) {
    written.append(text);
    writes.emplace_back(text);
    if (onWrite) onWrite(std::string(text));
}

void FakeSerialPort::FlushInput() {
    ++flushes;
    while (incoming.ReadyBy(clock_.now)) incoming.queue.pop_front();
}

int FakeSerialPort::ReadByte(int timeoutMs) {
    if (failReads) throw LinkError("the port failed");
    if (incoming.ReadyBy(clock_.now + timeoutMs)) {
        clock_.now = std::max(clock_.now, incoming.queue.front().first);
        const int b = incoming.queue.front().second;
        incoming.queue.pop_front();
        return b;
    }
    clock_.now += std::max(timeoutMs, 1);
    return -1;
}

std::size_t FakeSerialPort::Read(std::uint8_t* dst, std::size_t max) {
    std::size_t n = 0;
    while (n < max && incoming.ReadyBy(clock_.now)) {
        dst[n++] = incoming.queue.front().second;
        incoming.queue.pop_front();
    }
    return n;
}

void FakeTcpClient::Open() {
    if (connectOnOpen) {
        active = true;
        if (listener) listener->Connected();
    }
}

void FakeTcpClient::Close() {
    const bool was = active;
    active = false;
    if (was && listener) listener->Disconnected();
}

void FakeTcpClient::Send(std::string_view text) {
    sent.append(text);
    sends.emplace_back(text);
    if (onSend) onSend(std::string(text));
}

bool FakeTcpClient::WaitForData(int timeoutMs) {
    if (incoming.ReadyBy(clock_.now + timeoutMs)) {
        clock_.now = std::max(clock_.now, incoming.queue.front().first);
        return true;
    }
    clock_.now += timeoutMs;
    return false;
}

std::size_t FakeTcpClient::Read(std::uint8_t* dst, std::size_t max, int timeoutMs) {
    if (!WaitForData(timeoutMs)) return 0;
    std::size_t n = 0;
    const std::size_t limit = std::min(max, maxReadChunk);
    const std::int64_t first = incoming.queue.front().first;
    while (n < limit && !incoming.queue.empty() && incoming.queue.front().first <= first) {
        dst[n++] = incoming.queue.front().second;
        incoming.queue.pop_front();
    }
    return n;
}

void FakeEventPump::ProcessEvents() {
    ++processed;
    if (onEvents) onEvents();
}

void FakeEventPump::WaitForEvents() {
    clock_.now += stepMs;
    ProcessEvents();
}

bool ScriptedPrompter::AskYesNo(const std::string& text, const std::string& caption) {
    questions.push_back(text);
    captions.push_back(caption);
    if (answers.empty()) return false;
    const bool a = answers.front();
    answers.pop_front();
    return a;
}

namespace {
std::optional<std::string> NextPath(std::deque<std::string>& paths) {
    if (paths.empty()) return std::nullopt;
    std::string p = paths.front();
    paths.pop_front();
    return p;
}
}  // namespace

std::optional<std::string> ScriptedPrompter::ChooseFileToOpen(const std::string& title) {
    dialogTitles.push_back(title);
    return NextPath(openPaths);
}

std::optional<std::string> ScriptedPrompter::ChooseFileToSave(const std::string& title) {
    dialogTitles.push_back(title);
    return NextPath(savePaths);
}

}  // namespace vx::test
