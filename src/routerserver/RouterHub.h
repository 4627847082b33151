#pragma once
// The router-protocol server without its sockets: every client's session, the server's own
// copy of the panel's picture and the lock table. It answers each block at once from that
// copy (ACK, NAK, PING, a block asked for), hands what must change the panel (routes,
// labels) to the panel side, and pushes every change of the picture to every client.
//
// Thread-agnostic and single-threaded: whoever owns it calls it from one thread, the one
// its sockets live on, and reaches the panel only through the jobs it is given, so no
// answer waits for the panel's thread.
#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "request/Request.h"
#include "routerserver/LockTable.h"
#include "routerserver/RouterBlocks.h"
#include "routerserver/RouterPicture.h"

namespace vx::router {

inline constexpr std::size_t DefaultMaxClients = 32;
inline constexpr int DefaultRouterPort = 9990;

struct RouterOptions {
    bool ReadOnly = false;       // clients read, and change nothing
    bool LabelsAllowed = false;  // clients may rename inputs and outputs
    std::vector<std::string> Allowed;  // addresses and prefixes; empty: the loopback alone
    std::size_t MaxClients = DefaultMaxClients;
};

// What the server asks of the panel, or tells it.
struct PanelJob {
    enum class Kind {
        Route,   // Routes put in force as one operation, the client as requester
        Labels,  // Labels renamed as if typed on the Labeling page
        Locks,   // Locks: every lock held now, for the door's guard and the marks
        Record,  // Record and Words: an activity record with the client as its user
    };
    Kind What = Kind::Record;
    int Client = -1;
    std::string Address{};
    std::vector<RouteAsk> Routes{};
    bool OutputLabels = false;
    std::vector<std::pair<int, std::string>> Labels{};
    std::map<int, std::string> Locks{};
    std::string Record{};
    std::string Words{};
};

class RouterHubPorts {
public:
    virtual ~RouterHubPorts() = default;
    virtual void Send(int client, const std::string& bytes) = 0;
    // Ends the connection; the hub has forgotten the client already.
    virtual void Close(int client) = 0;
    virtual void ToPanel(PanelJob job) = 0;
};

class RouterHub {
public:
    explicit RouterHub(RouterHubPorts& ports, RouterOptions options = {});

    void SetOptions(RouterOptions options) { options_ = std::move(options); }
    const RouterOptions& Options() const { return options_; }

    // A new connection from peer: the opening dump, or (over the limit, or from an address
    // not allowed) closed with one record. False when closed.
    bool Open(int client, std::string_view peer);
    void Receive(int client, std::string_view bytes);
    // The connection ended from the other side or the network's.
    void End(int client);

    // The panel's picture now: what changed goes to every client.
    void Show(const RouterPicture& picture);
    const RouterPicture& Picture() const { return picture_; }

    // The panel did not carry out the client's routes for these outputs: the client gets
    // their unchanged state, the protocol's "no".
    void RouteAnswered(int client, const std::vector<int>& outputs);
    // The panel took (or refused) the client's labels: the client gets those that do not
    // stand as it sent them; every change went to everyone with the picture already.
    void LabelsAnswered(int client, bool outputs, const std::vector<std::pair<int, std::string>>& asked);
    // The operator's Unlock: the lock goes, and every client is told.
    void Unlock(int output);

    std::size_t ClientCount() const { return sessions_.size(); }
    const LockTable& Locks() const { return locks_; }
    std::string AddressOf(int client) const;

private:
    struct Session {
        std::string Address;
        BlockParser Parser;
    };

    void Answer(int client, const Block& b);
    void Routes(int client, const Block& b);
    void Labels(int client, const Block& b, bool outputs);
    void LockItems(int client, const Block& b);
    void Refuse(int client, const std::string& words, const std::string& unchanged);
    void Record(int client, const std::string& name, const std::string& words);
    void Drop(int client, const std::string& why);
    // The dump from the device block on; with the preamble for a client that just came.
    std::string Dump(const std::string& address, bool preamble) const;
    std::string LockBlock(const std::string& address, const std::vector<int>& items = {}) const;
    void ToAll(const std::string& bytes);
    void LocksToAll(const std::vector<int>& outputs);
    void MirrorLocks();

    RouterHubPorts& ports_;
    RouterOptions options_;
    RouterPicture picture_;
    LockTable locks_;
    std::map<int, Session> sessions_;
};

// "Output 3, input 5" style words for records: ports counted from 1, as the panel counts.
std::string PortsWords(const std::vector<RouteAsk>& routes);

}  // namespace vx::router
