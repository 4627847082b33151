// What the server answers to each block a client sends: ACK and the block for a bare
// header, ACK and a job for the panel for a change, NAK for what it does not understand.
#include <algorithm>
#include <charconv>
#include <optional>
#include <set>

#include "routerserver/RouterHub.h"
#include "routerserver/Utf8Text.h"

namespace vx::router {

namespace {

// Blocks of parts this switcher does not have: a bare header gets an empty block, since
// clients take a NAK there for a broken router; any item in them names a port that is not.
const std::set<std::string, std::less<>> AbsentParts = {
    "VIDEO MONITORING OUTPUT LABELS:", "VIDEO MONITORING OUTPUT ROUTING:", "VIDEO MONITORING OUTPUT LOCKS:",
    "SERIAL PORT LABELS:", "SERIAL PORT ROUTING:", "SERIAL PORT LOCKS:", "SERIAL PORT DIRECTIONS:",
    "PROCESSING UNIT ROUTING:", "PROCESSING UNIT LOCKS:", "FRAME LABELS:", "FRAME BUFFER ROUTING:",
    "FRAME BUFFER LOCKS:", "VIDEO INPUT STATUS:", "VIDEO OUTPUT STATUS:", "SERIAL PORT STATUS:",
    "ALARM STATUS:", "MONITORING OUTPUT LABELS:"};

// "n rest": a port number, one space, the rest of the line. The number is decimal digits
// alone, and small.
struct Item {
    int Port = -1;
    std::string Rest;
};
std::optional<Item> SplitItem(const std::string& line, bool restMayBeEmpty) {
    const std::size_t space = line.find(' ');
    if (space == 0 || space == std::string::npos || space > 5) return std::nullopt;
    Item item;
    for (std::size_t i = 0; i < space; ++i)
        if (line[i] < '0' || line[i] > '9') return std::nullopt;
    std::from_chars(line.data(), line.data() + space, item.Port);
    item.Rest = line.substr(space + 1);
    if (item.Rest.empty() && !restMayBeEmpty) return std::nullopt;
    return item;
}

std::optional<int> Number(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    if (text.empty() || text.size() > 5) return std::nullopt;
    for (char c : text)
        if (c < '0' || c > '9') return std::nullopt;
    return std::stoi(text);
}

std::string OutputsWords(const std::vector<int>& outputs) {
    std::string words;
    for (int o : outputs) words += (words.empty() ? "" : ", ") + std::to_string(o + 1);
    return (outputs.size() == 1 ? "output " : "outputs ") + words;
}

}  // namespace

void RouterHub::Answer(int client, const Block& b) {
    const std::string& h = b.Header;
    const bool bare = b.Lines.empty();
    const auto ackWith = [&](const std::string& block) { ports_.Send(client, AckText + block); };
    if (h == "PING:" || h == "END PRELUDE:") return ackWith("");
    if (h == "PROTOCOL PREAMBLE:") return ackWith(PreambleBlock());
    if (h == "VIDEOHUB DEVICE:") return ackWith(DeviceBlock(picture_));
    if (h == "CONFIGURATION:") {
        // Take mode stays off: a client's route goes straight to the switcher.
        for (const auto& line : b.Lines)
            if (line.find(": ") == std::string::npos) return ports_.Send(client, NakText);
        return ackWith(ConfigurationBlock());
    }
    if (AbsentParts.count(h) != 0) return bare ? ackWith(WriteBlock(h)) : ports_.Send(client, NakText);
    const bool routing = h == "VIDEO OUTPUT ROUTING:";
    const bool locks = h == "VIDEO OUTPUT LOCKS:";
    const bool inputLabels = h == "INPUT LABELS:";
    const bool outputLabels = h == "OUTPUT LABELS:";
    if (!routing && !locks && !inputLabels && !outputLabels) return ports_.Send(client, NakText);
    if (bare) {
        // While there is no switcher there is nothing to tell about its ports.
        if (!picture_.Present) return ackWith(WriteBlock(h));
        if (routing) return ackWith(RoutingBlock(picture_));
        if (locks) return ackWith(LockBlock(AddressOf(client)));
        return ackWith(LabelBlock(picture_, outputLabels));
    }
    if (routing) return Routes(client, b);
    if (locks) return LockItems(client, b);
    return Labels(client, b, outputLabels);
}

void RouterHub::Refuse(int client, const std::string& words, const std::string& unchanged) {
    Record(client, "Refused", words);
    if (picture_.Present && !unchanged.empty()) ports_.Send(client, unchanged);
}

void RouterHub::Routes(int client, const Block& b) {
    std::vector<RouteAsk> asked;
    for (const auto& line : b.Lines) {
        const auto item = SplitItem(line, false);
        const auto input = item ? Number(item->Rest) : std::nullopt;
        if (!item || !input || item->Port >= picture_.Outputs || *input >= picture_.Inputs)
            return ports_.Send(client, NakText);
        // Two lines for one output: the later one stands.
        std::erase_if(asked, [&](const RouteAsk& a) { return a.Output == item->Port; });
        asked.push_back({item->Port, *input});
    }
    ports_.Send(client, AckText);
    std::vector<int> outputs;
    for (const auto& a : asked) outputs.push_back(a.Output);
    const std::string what = "route " + PortsWords(asked);
    if (!picture_.Present) return Refuse(client, what + ": the panel has no switcher", "");
    if (options_.ReadOnly) return Refuse(client, what + ": the server is read only", RoutingBlock(picture_, outputs));
    ports_.ToPanel({.What = PanelJob::Kind::Route, .Client = client, .Address = AddressOf(client),
                    .Routes = std::move(asked)});
}

void RouterHub::Labels(int client, const Block& b, bool outputs) {
    std::vector<std::pair<int, std::string>> asked;
    const int count = outputs ? picture_.Outputs : picture_.Inputs;
    for (const auto& line : b.Lines) {
        const auto item = SplitItem(line, true);
        if (!item || item->Port >= count) return ports_.Send(client, NakText);
        asked.emplace_back(item->Port, ValidUtf8(item->Rest));
    }
    ports_.Send(client, AckText);
    std::vector<int> items;
    for (const auto& [i, text] : asked) items.push_back(i);
    const std::string what = std::string(outputs ? "output" : "input") + " labels";
    if (!picture_.Present) return Refuse(client, what + ": the panel has no switcher", "");
    if (options_.ReadOnly)
        return Refuse(client, what + ": the server is read only", LabelBlock(picture_, outputs, items));
    if (!options_.LabelsAllowed)
        return Refuse(client, what + ": clients may not change labels", LabelBlock(picture_, outputs, items));
    ports_.ToPanel({.What = PanelJob::Kind::Labels, .Client = client, .Address = AddressOf(client),
                    .OutputLabels = outputs, .Labels = std::move(asked)});
}

void RouterHub::LockItems(int client, const Block& b) {
    std::vector<std::pair<int, char>> asked;
    for (const auto& line : b.Lines) {
        const auto item = SplitItem(line, false);
        std::string rest = item ? item->Rest : std::string();
        while (!rest.empty() && rest.back() == ' ') rest.pop_back();
        if (!item || item->Port >= picture_.Outputs || rest.size() != 1 || rest.find_first_of("OUF") != 0)
            return ports_.Send(client, NakText);
        asked.emplace_back(item->Port, rest[0]);
    }
    ports_.Send(client, AckText);
    const std::string address = AddressOf(client);
    std::vector<int> all;
    for (const auto& [o, ask] : asked) all.push_back(o);
    if (!picture_.Present) return Refuse(client, "locks of " + OutputsWords(all) + ": the panel has no switcher", "");
    if (options_.ReadOnly)
        return Refuse(client, "locks of " + OutputsWords(all) + ": the server is read only", LockBlock(address, all));
    std::vector<int> changed, unchanged;
    for (const auto& [o, ask] : asked) {
        const bool prot = picture_.Protected[static_cast<std::size_t>(o)];
        const std::string holder = locks_.Holder(o);
        const LockResult result = locks_.Apply(o, address, ask, prot);
        const std::string output = "output " + std::to_string(o + 1);
        if (result == LockResult::Changed) {
            changed.push_back(o);
            if (ask == 'O') Record(client, "Lock", output + " locked");
            else if (ask == 'U') Record(client, "Unlock", output + " unlocked");
            else Record(client, "Unlock", output + " forced open, held by router client " + holder);
            continue;
        }
        unchanged.push_back(o);
        if (result == LockResult::Refused)
            Record(client, "Refused",
                   (ask == 'O' ? "lock of " : ask == 'U' ? "unlock of " : "forcing open ") + output + ": " +
                       (prot ? "the output is protected" : "held by router client " + holder));
    }
    if (!unchanged.empty()) ports_.Send(client, LockBlock(address, unchanged));
    if (changed.empty()) return;
    LocksToAll(changed);
    MirrorLocks();
}

}  // namespace vx::router
