#include "routerserver/RouterHub.h"

#include "routerserver/ClientAddress.h"

namespace vx::router {

namespace {

std::vector<int> Changed(const std::vector<std::string>& was, const std::vector<std::string>& now) {
    std::vector<int> items;
    for (std::size_t i = 0; i < now.size(); ++i)
        if (i >= was.size() || was[i] != now[i]) items.push_back(static_cast<int>(i));
    return items;
}

}  // namespace

RouterHub::RouterHub(RouterHubPorts& ports, RouterOptions options) : ports_(ports), options_(std::move(options)) {}

std::string RouterHub::AddressOf(int client) const {
    const auto it = sessions_.find(client);
    return it == sessions_.end() ? std::string() : it->second.Address;
}

bool RouterHub::Open(int client, std::string_view peer) {
    const std::string address = NormalAddress(peer);
    const auto refuse = [&](const std::string& words) {
        ports_.ToPanel({.What = PanelJob::Kind::Record, .Client = client, .Address = address,
                        .Record = "Connection refused", .Words = words});
        ports_.Close(client);
        return false;
    };
    if (!AddressAllowed(address, options_.Allowed)) return refuse("the address is not in the allowed list");
    if (sessions_.size() >= options_.MaxClients)
        return refuse("already " + std::to_string(options_.MaxClients) + " clients connected");
    sessions_[client].Address = address;
    Record(client, "Connected", "router client " + address + " connected");
    ports_.Send(client, Dump(address, true));
    return true;
}

void RouterHub::End(int client) {
    if (sessions_.find(client) == sessions_.end()) return;
    Record(client, "Disconnected", "router client " + AddressOf(client) + " disconnected");
    sessions_.erase(client);
}

void RouterHub::Receive(int client, std::string_view bytes) {
    auto it = sessions_.find(client);
    if (it == sessions_.end()) return;
    std::vector<Block> blocks;
    const bool whole = it->second.Parser.Feed(bytes, blocks);
    const StreamFault fault = it->second.Parser.Fault();
    for (const Block& b : blocks) {
        if (sessions_.find(client) == sessions_.end()) return;
        Answer(client, b);
    }
    if (whole || sessions_.find(client) == sessions_.end()) return;
    ports_.Send(client, NakText);
    Drop(client, fault == StreamFault::LineTooLong
                     ? "closed: a line longer than " + std::to_string(MaxLineBytes) + " bytes"
                     : "closed: a block of more than " + std::to_string(MaxBlockLines) + " lines");
}

void RouterHub::Drop(int client, const std::string& why) {
    Record(client, "Disconnected", "router client " + AddressOf(client) + " " + why);
    sessions_.erase(client);
    ports_.Close(client);
}

void RouterHub::Record(int client, const std::string& name, const std::string& words) {
    ports_.ToPanel({.What = PanelJob::Kind::Record, .Client = client, .Address = AddressOf(client),
                    .Record = name, .Words = words});
}

std::string RouterHub::LockBlock(const std::string& address, const std::vector<int>& items) const {
    std::vector<std::string> lines;
    const auto line = [&](int o) {
        const bool prot = static_cast<std::size_t>(o) < picture_.Protected.size() &&
                          picture_.Protected[static_cast<std::size_t>(o)];
        lines.push_back(std::to_string(o) + " " + locks_.StateFor(o, address, prot));
    };
    if (items.empty())
        for (int o = 0; o < picture_.Outputs; ++o) line(o);
    for (int o : items)
        if (o >= 0 && o < picture_.Outputs) line(o);
    return WriteBlock("VIDEO OUTPUT LOCKS:", lines);
}

std::string RouterHub::Dump(const std::string& address, bool preamble) const {
    std::string text = preamble ? PreambleBlock() : std::string();
    text += DeviceBlock(picture_);
    if (picture_.Present) {
        text += LabelBlock(picture_, false);
        text += LabelBlock(picture_, true);
        text += LockBlock(address);
        text += RoutingBlock(picture_);
        text += ConfigurationBlock();
    }
    text += EndPreludeBlock();
    return text;
}

void RouterHub::ToAll(const std::string& bytes) {
    for (const auto& [client, session] : sessions_) ports_.Send(client, bytes);
}

void RouterHub::LocksToAll(const std::vector<int>& outputs) {
    if (outputs.empty()) return;
    for (const auto& [client, session] : sessions_) ports_.Send(client, LockBlock(session.Address, outputs));
}

void RouterHub::MirrorLocks() {
    ports_.ToPanel({.What = PanelJob::Kind::Locks, .Locks = locks_.All()});
}

void RouterHub::Show(const RouterPicture& picture) {
    const RouterPicture was = std::move(picture_);
    picture_ = picture;
    if (!picture_.Present) {
        // Nothing more about a device that is not there.
        if (was.Present) ToAll(DeviceBlock(picture_));
        return;
    }
    const bool anew = !was.Present || was.Inputs != picture_.Inputs || was.Outputs != picture_.Outputs ||
                      was.ModelName != picture_.ModelName || was.UniqueId != picture_.UniqueId;
    if (anew) {
        for (const auto& [client, session] : sessions_) ports_.Send(client, Dump(session.Address, false));
        return;
    }
    if (auto items = Changed(was.InputLabels, picture_.InputLabels); !items.empty())
        ToAll(LabelBlock(picture_, false, items));
    if (auto items = Changed(was.OutputLabels, picture_.OutputLabels); !items.empty())
        ToAll(LabelBlock(picture_, true, items));
    std::vector<int> locks, routes;
    for (int o = 0; o < picture_.Outputs; ++o) {
        const auto i = static_cast<std::size_t>(o);
        if (i >= was.Protected.size() || was.Protected[i] != picture_.Protected[i]) locks.push_back(o);
        // A route that became unknown is left out: the clients keep the last one they knew.
        if ((i >= was.Routes.size() || was.Routes[i] != picture_.Routes[i]) && picture_.Routes[i] >= 0)
            routes.push_back(o);
    }
    LocksToAll(locks);
    if (!routes.empty()) ToAll(RoutingBlock(picture_, routes));
}

void RouterHub::RouteAnswered(int client, const std::vector<int>& outputs) {
    if (sessions_.find(client) == sessions_.end() || outputs.empty() || !picture_.Present) return;
    ports_.Send(client, RoutingBlock(picture_, outputs));
}

void RouterHub::LabelsAnswered(int client, bool outputs, const std::vector<std::pair<int, std::string>>& asked) {
    if (sessions_.find(client) == sessions_.end() || !picture_.Present) return;
    const auto& labels = outputs ? picture_.OutputLabels : picture_.InputLabels;
    std::vector<int> items;
    for (const auto& [i, text] : asked)
        if (i >= 0 && static_cast<std::size_t>(i) < labels.size() && labels[static_cast<std::size_t>(i)] != text)
            items.push_back(i);
    if (!items.empty()) ports_.Send(client, LabelBlock(picture_, outputs, items));
}

void RouterHub::Unlock(int output) {
    if (!locks_.Release(output)) return;
    if (picture_.Present) LocksToAll({output});
    MirrorLocks();
}

std::string PortsWords(const std::vector<RouteAsk>& routes) {
    std::string words;
    for (const auto& r : routes) {
        if (!words.empty()) words += ", ";
        words += "output " + std::to_string(r.Output + 1) + " from input " + std::to_string(r.Input + 1);
    }
    return words;
}

}  // namespace vx::router
