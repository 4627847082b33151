// The router-protocol server's parser and sessions under whatever a network client sends:
// bytes cut into random pieces, to two clients, between picture changes. Checked: the
// parser keeps its limits, every block gets exactly one ACK or NAK in order, a client
// closed is never written to again, and the other client always still gets its PING's ACK.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "routerserver/RouterBlocks.h"
#include "routerserver/RouterHub.h"

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}
void Check(bool ok, const char* what) {
    if (!ok) Fail(what);
}

struct Ports : vx::router::RouterHubPorts {
    std::string sent[3];
    std::set<int> closed;
    void Send(int client, const std::string& bytes) override {
        Check(closed.count(client) == 0, "a closed client was written to");
        sent[client] += bytes;
    }
    void Close(int client) override { closed.insert(client); }
    void ToPanel(vx::router::PanelJob job) override {
        for (const auto& r : job.Routes) Check(r.Output >= 0 && r.Output < 16 && r.Input >= 0 && r.Input < 16,
                                               "a route out of range reached the panel");
    }
};

vx::router::RouterPicture Picture(int size, bool present) {
    vx::router::RouterPicture p;
    p.Present = present;
    p.Inputs = p.Outputs = size;
    for (int i = 0; i < size; ++i) {
        p.InputLabels.push_back("In " + std::to_string(i));
        p.OutputLabels.push_back("Out " + std::to_string(i));
        p.Routes.push_back(i % 3 == 0 ? -1 : i);
        p.Protected.push_back(i % 5 == 0);
    }
    return p;
}

// The blocks a parser finds in what a client sent.
std::size_t BlocksIn(const std::string& bytes, vx::router::StreamFault& fault) {
    vx::router::BlockParser p;
    std::vector<vx::router::Block> blocks;
    p.Feed(bytes, blocks);
    fault = p.Fault();
    for (const auto& b : blocks) {
        Check(b.Header.size() <= vx::router::MaxLineBytes, "a header past the line limit");
        Check(b.Lines.size() < vx::router::MaxBlockLines, "a block past the line limit");
        for (const auto& l : b.Lines) Check(l.size() <= vx::router::MaxLineBytes, "a line past the limit");
    }
    return blocks.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    Ports ports;
    vx::router::RouterHub hub(ports, {.ReadOnly = in.ConsumeBool(), .LabelsAllowed = in.ConsumeBool()});
    hub.Show(Picture(in.ConsumeBool() ? 8 : 16, true));
    hub.Open(1, "127.0.0.1");
    hub.Open(2, "::1");
    ports.sent[1].clear();
    std::string fed;
    while (in.remaining_bytes() > 0) {
        switch (in.ConsumeIntegralInRange(0, 7)) {
            case 0: hub.Show(Picture(in.ConsumeBool() ? 8 : 16, in.ConsumeIntegralInRange(0, 3) != 0)); break;
            case 1: hub.Unlock(in.ConsumeIntegralInRange(-1, 17)); break;
            case 2: hub.RouteAnswered(1, {in.ConsumeIntegralInRange(-2, 20)}); break;
            default: {
                const std::string piece = in.ConsumeRandomLengthString(2048);
                fed += piece;
                hub.Receive(1, piece);
            }
        }
    }
    // Every block the client completed got one answer, in order, unless its stream broke.
    vx::router::StreamFault fault{};
    const std::size_t blocks = BlocksIn(fed, fault);
    std::size_t answers = 0;
    for (std::size_t at = 0; (at = ports.sent[1].find("ACK\n\n", at)) != std::string::npos; at += 5) ++answers;
    for (std::size_t at = 0; (at = ports.sent[1].find("NAK\n\n", at)) != std::string::npos; at += 5) ++answers;
    if (fault == vx::router::StreamFault::None) {
        Check(ports.closed.count(1) == 0, "a client closed without a fault");
        Check(answers >= blocks, "a block went unanswered");
    } else {
        Check(ports.closed.count(1) == 1, "a client that broke a limit stays connected");
    }
    ports.sent[2].clear();
    hub.Receive(2, "PING:\n\n");
    Check(ports.sent[2] == "ACK\n\n", "the other client's PING went unanswered");
    return 0;
}
