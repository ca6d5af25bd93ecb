#include "host/GremlinEvents.h"

#include <algorithm>
#include <array>

#include "gdi/Gdi.h"
#include "kernel/Device.h"
#include "window/WindowManager.h"

namespace emu {

namespace {

enum class Kind { Tap, Drag, LongPress, AppKey, Direction, Power, Battery, Mains, Memory, Store, Wait, Reopen };

// How often each kind comes, out of the sum of the weights.
constexpr std::array<std::pair<Kind, int>, 12> kWeights{{{Kind::Tap, 40},
                                                        {Kind::Drag, 10},
                                                        {Kind::LongPress, 5},
                                                        {Kind::AppKey, 5},
                                                        {Kind::Direction, 15},
                                                        {Kind::Power, 2},
                                                        {Kind::Battery, 3},
                                                        {Kind::Mains, 2},
                                                        {Kind::Memory, 2},
                                                        {Kind::Store, 2},
                                                        {Kind::Wait, 8},
                                                        {Kind::Reopen, 2}}};

constexpr std::array<const char*, 5> kAppKeys{"app1", "app2", "app3", "app4", "app5"};
constexpr std::array<const char*, 5> kDirections{"up", "down", "left", "right", "action"};

void visible_rects(const WindowManager& windows, const std::vector<Window*>& level, std::vector<RECT>& rects) {
    for (const Window* window : level) {
        if (!window->visible) continue;
        rects.push_back(windows.screen_rect(*window));
        visible_rects(windows, window->children, rects);
    }
}

ScriptAction action(std::string verb, std::vector<std::string> args) { return {0, std::move(verb), std::move(args)}; }

ScriptAction at(const char* verb, int x, int y) { return action(verb, {std::to_string(x), std::to_string(y)}); }

}  // namespace

GremlinEvents::GremlinEvents(std::uint64_t seed, std::string program_path)
    : random_(seed), program_path_(std::move(program_path)) {}

// Four points in five fall inside a visible window (a child as often as its parent's
// other parts), the rest anywhere on the screen.
GremlinEvents::Point GremlinEvents::somewhere(const Device& device) {
    std::vector<RECT> rects;
    if (device.windows) visible_rects(*device.windows, device.windows->top_level(), rects);
    if (rects.empty() || between(0, 4) == 0)
        return {between(0, Gdi::kScreenWidth - 1), between(0, Gdi::kScreenHeight - 1)};
    const RECT& r = rects[static_cast<std::size_t>(between(0, static_cast<int>(rects.size()) - 1))];
    return {between(std::max(0, static_cast<int>(r.left)), std::max(0, static_cast<int>(r.right) - 1)),
            between(std::max(0, static_cast<int>(r.top)), std::max(0, static_cast<int>(r.bottom) - 1))};
}

std::vector<ScriptAction> GremlinEvents::next(const Device& device) {
    int total = 0;
    for (auto [kind, weight] : kWeights) total += weight;
    int pick = between(0, total - 1);
    Kind kind = kWeights.back().first;
    for (auto [k, weight] : kWeights) {
        if (pick < weight) {
            kind = k;
            break;
        }
        pick -= weight;
    }
    auto on_off = [&] { return std::string(between(0, 1) ? "on" : "off"); };
    switch (kind) {
    case Kind::Tap: {
        auto p = somewhere(device);
        return {at("tap", p.x, p.y)};
    }
    case Kind::Drag: {
        auto from = somewhere(device), to = somewhere(device);
        std::vector<ScriptAction> drag{at("down", from.x, from.y)};
        for (int step = 1, steps = between(1, 4); step <= steps; ++step)
            drag.push_back(at("move", from.x + (to.x - from.x) * step / steps, from.y + (to.y - from.y) * step / steps));
        drag.push_back(at("up", to.x, to.y));
        return drag;
    }
    case Kind::LongPress: {
        auto p = somewhere(device);
        return {at("down", p.x, p.y), action("wait", {std::to_string(between(500, 2000))}), at("up", p.x, p.y)};
    }
    case Kind::AppKey: return {action("key", {kAppKeys[static_cast<std::size_t>(between(0, 4))]})};
    case Kind::Direction: return {action("key", {kDirections[static_cast<std::size_t>(between(0, 4))]})};
    case Kind::Power:
        return {action("power", {"off"}), action("wait", {std::to_string(between(0, 5000))}), action("power", {"on"})};
    case Kind::Battery: return {action("battery", {std::to_string(between(0, 100))})};
    case Kind::Mains: return {action("ac", {on_off()})};
    case Kind::Memory: return {action("memory", {std::to_string(between(0, 100))})};
    case Kind::Store: {
        const int size = between(1, 64) * 1024 * 1024;
        return {action("store", {std::to_string(size), std::to_string(between(0, size))})};
    }
    case Kind::Wait: return {action("wait", {std::to_string(between(10, 5000))})};
    case Kind::Reopen: return {action("open", {program_path_})};
    }
    return {};
}

std::string script_line(const ScriptAction& action) {
    std::string line = action.verb;
    for (const auto& arg : action.args) line += " " + arg;
    return line;
}

}  // namespace emu
