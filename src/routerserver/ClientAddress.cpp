#include "routerserver/ClientAddress.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <optional>

namespace vx::router {

namespace {

using Bytes = std::array<std::uint8_t, 16>;

std::optional<std::array<std::uint8_t, 4>> ParseV4(std::string_view s) {
    std::array<std::uint8_t, 4> out{};
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (s.empty() || s.front() != '.') return std::nullopt;
            s.remove_prefix(1);
        }
        unsigned v = 0;
        const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
        const auto used = static_cast<std::size_t>(end - s.data());
        if (ec != std::errc() || used == 0 || used > 3 || v > 255) return std::nullopt;
        out[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v);
        s.remove_prefix(used);
    }
    if (!s.empty()) return std::nullopt;
    return out;
}

// Sixteen bytes, with an IPv4 address as ::ffff:a.b.c.d.
std::optional<Bytes> ParseAny(std::string_view s) {
    Bytes out{};
    if (auto v4 = ParseV4(s)) {
        out[10] = out[11] = 0xff;
        for (int i = 0; i < 4; ++i) out[12 + static_cast<std::size_t>(i)] = (*v4)[static_cast<std::size_t>(i)];
        return out;
    }
    if (s.empty() || s.size() > 45) return std::nullopt;
    std::vector<std::uint16_t> head, tail;
    bool gap = false;
    std::vector<std::uint16_t>* part = &head;
    std::size_t i = 0;
    if (s.substr(0, 2) == "::") {
        gap = true;
        part = &tail;
        i = 2;
    }
    while (i < s.size()) {
        // A dotted quad may end an IPv6 address.
        const std::size_t next = s.find(':', i);
        const std::string_view word = s.substr(i, next == std::string_view::npos ? std::string_view::npos : next - i);
        if (next == std::string_view::npos && word.find('.') != std::string_view::npos) {
            auto v4 = ParseV4(word);
            if (!v4) return std::nullopt;
            part->push_back(static_cast<std::uint16_t>((*v4)[0] << 8 | (*v4)[1]));
            part->push_back(static_cast<std::uint16_t>((*v4)[2] << 8 | (*v4)[3]));
            i = s.size();
            break;
        }
        unsigned v = 0;
        const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), v, 16);
        if (ec != std::errc() || word.empty() || word.size() > 4 || end != word.data() + word.size())
            return std::nullopt;
        part->push_back(static_cast<std::uint16_t>(v));
        if (next == std::string_view::npos) {
            i = s.size();
            break;
        }
        i = next + 1;
        if (i < s.size() && s[i] == ':') {
            if (gap) return std::nullopt;
            gap = true;
            part = &tail;
            ++i;
        } else if (i == s.size()) {
            return std::nullopt;  // a single colon at the end
        }
    }
    const std::size_t words = head.size() + tail.size();
    if (words > 8 || (!gap && words != 8) || (gap && words == 8)) return std::nullopt;
    std::size_t at = 0;
    for (auto w : head) {
        out[at++] = static_cast<std::uint8_t>(w >> 8);
        out[at++] = static_cast<std::uint8_t>(w & 0xff);
    }
    at = 16 - tail.size() * 2;
    for (auto w : tail) {
        out[at++] = static_cast<std::uint8_t>(w >> 8);
        out[at++] = static_cast<std::uint8_t>(w & 0xff);
    }
    return out;
}

bool IsMappedV4(const Bytes& b) {
    for (int i = 0; i < 10; ++i)
        if (b[static_cast<std::size_t>(i)] != 0) return false;
    return b[10] == 0xff && b[11] == 0xff;
}

bool IsV6Loopback(const Bytes& b) {
    for (int i = 0; i < 15; ++i)
        if (b[static_cast<std::size_t>(i)] != 0) return false;
    return b[15] == 1;
}

std::string V4Text(const Bytes& b) {
    return std::to_string(b[12]) + "." + std::to_string(b[13]) + "." + std::to_string(b[14]) + "." +
           std::to_string(b[15]);
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// An entry as (address bytes, prefix bits); an IPv4 prefix counts from the mapped form.
std::optional<std::pair<Bytes, int>> ParseEntry(std::string_view entry) {
    const std::size_t slash = entry.find('/');
    const auto address = ParseAny(entry.substr(0, slash));
    if (!address) return std::nullopt;
    const bool v4 = IsMappedV4(*address) && entry.substr(0, slash).find(':') == std::string_view::npos;
    int bits = 128;
    if (slash != std::string_view::npos) {
        const std::string_view b = entry.substr(slash + 1);
        int v = -1;
        const auto [end, ec] = std::from_chars(b.data(), b.data() + b.size(), v);
        if (ec != std::errc() || b.empty() || end != b.data() + b.size() || v < 0 || v > (v4 ? 32 : 128))
            return std::nullopt;
        bits = v4 ? 96 + v : v;
    }
    return std::make_pair(*address, bits);
}

bool InPrefix(const Bytes& a, const Bytes& prefix, int bits) {
    for (int i = 0; i < 16 && bits > 0; ++i, bits -= 8) {
        const auto idx = static_cast<std::size_t>(i);
        const std::uint8_t mask = bits >= 8 ? 0xff : static_cast<std::uint8_t>(0xff << (8 - bits));
        if ((a[idx] & mask) != (prefix[idx] & mask)) return false;
    }
    return true;
}

}  // namespace

std::string NormalAddress(std::string_view address) {
    // A scope (fe80::1%eth0) is the interface's, not the client's.
    const std::string_view bare = address.substr(0, address.find('%'));
    const auto b = ParseAny(bare);
    if (!b) return Lower(bare);
    if (IsMappedV4(*b) || IsV6Loopback(*b)) return IsV6Loopback(*b) ? "127.0.0.1" : V4Text(*b);
    return Lower(bare);
}

bool IsLoopback(const std::string& normalAddress) {
    const auto b = ParseAny(normalAddress);
    return b && ((IsMappedV4(*b) && (*b)[12] == 127) || IsV6Loopback(*b));
}

AllowedList ParseAllowedList(std::string_view text) {
    AllowedList list;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t end = text.find_first_of(", \t\r\n;", i);
        const std::string_view entry = text.substr(i, end == std::string_view::npos ? std::string_view::npos : end - i);
        i = end == std::string_view::npos ? text.size() : end + 1;
        if (entry.empty()) continue;
        if (!ParseEntry(entry)) {
            list.Error = "\"" + std::string(entry) + "\" is neither an address nor a prefix such as 10.1.2.0/24";
            list.Entries.clear();
            return list;
        }
        list.Entries.push_back(Lower(entry));
    }
    return list;
}

bool AddressAllowed(const std::string& normalAddress, const std::vector<std::string>& entries) {
    if (entries.empty()) return IsLoopback(normalAddress);
    const auto a = ParseAny(normalAddress);
    if (!a) return false;
    for (const auto& entry : entries) {
        const auto e = ParseEntry(entry);
        if (!e) continue;
        // The loopback written either way is one address.
        const auto normalEntry = ParseAny(NormalAddress(entry.substr(0, entry.find('/'))));
        if (e->second == 128 && normalEntry && *normalEntry == *a) return true;
        if (InPrefix(*a, e->first, e->second)) return true;
    }
    return false;
}

}  // namespace vx::router
