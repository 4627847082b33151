#include "WatchLines.h"

#include <ctime>

namespace vxctl {
namespace {

std::string Number(vx::byte input) {
    return input < vx::MaxInputs ? std::to_string(input + 1) : std::string("null");
}

const char* State(const vx::RouteEntry& r) {
    return r.Committed != 0 ? "in force" : "pending";
}

}  // namespace

std::string WatchText(const std::string& time, const vx::RouteChange& c) {
    return time + " output " + std::to_string(c.Output + 1) + ": " + vx::InputWords(c.Before.Input) + " -> " +
           vx::InputWords(c.After.Input) + ", " + State(c.After);
}

std::string WatchJson(const std::string& time, const vx::RouteChange& c) {
    return "{\"time\": \"" + time + "\", \"output\": " + std::to_string(c.Output + 1) +
           ", \"inputBefore\": " + Number(c.Before.Input) + ", \"inputAfter\": " + Number(c.After.Input) +
           ", \"state\": \"" + State(c.After) + "\"}";
}

std::string WatchTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32] = {};
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return text;
}

}  // namespace vxctl
