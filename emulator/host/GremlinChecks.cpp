#include "host/GremlinChecks.h"

#include <fstream>
#include <sstream>

#include "files/FileSystem.h"
#include "gdi/Gdi.h"
#include "host/DeviceHost.h"
#include "registry/Registry.h"
#include "registry/RegistryText.h"
#include "shell/Shell.h"
#include "window/MessageQueue.h"
#include "window/WindowManager.h"

namespace emu {

namespace {

// How much device time a top-level window's thread gets to take a message posted to it.
constexpr std::uint64_t kAnswerWithinMs = 2000;
constexpr int kRepaintEvery = 100;

std::vector<std::pair<HWND, RECT>> layout(const Device& device) {
    std::vector<std::pair<HWND, RECT>> windows;
    for (const Window* window : device.windows->top_level())
        if (window->visible) windows.emplace_back(window->handle, window->rect);
    return windows;
}

bool same_layout(const std::vector<std::pair<HWND, RECT>>& a, const std::vector<std::pair<HWND, RECT>>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].first != b[i].first || a[i].second.left != b[i].second.left || a[i].second.top != b[i].second.top ||
            a[i].second.right != b[i].second.right || a[i].second.bottom != b[i].second.bottom)
            return false;
    return true;
}

LiveObjects count_live(const Device& device) {
    return {device.gdi->live_objects(), device.gdi->live_dcs(), device.gdi->live_icons(),
            device.registry ? device.registry->open_handles() : 0, device.files ? device.files->open_searches() : 0};
}

void invalidate_all(WindowManager& windows, const std::vector<Window*>& level) {
    for (Window* window : level) {
        windows.invalidate(*window, nullptr, true);
        invalidate_all(windows, window->children);
    }
}

bool has_null_message(const MessageQueue& queue) {
    for (const MSG& message : queue.posted)
        if (message.message == WM_NULL) return true;
    return false;
}

bool changes_status(const std::vector<ScriptAction>& event) {
    for (const auto& action : event)
        for (const char* verb : {"battery", "ac", "memory", "store", "power"})
            if (action.verb == verb) return true;
    return false;
}

}  // namespace

std::string LiveObjects::describe() const {
    std::ostringstream text;
    text << gdi_objects << " GDI objects, " << dcs << " DCs, " << icons << " icons, " << registry_keys
         << " registry keys, " << find_handles << " find handles";
    return text.str();
}

GremlinChecks::GremlinChecks(DeviceHost& host)
    : host_(host), registry_file_(host.device().image_root / ".device" / "registry.reg") {
    rest_layout_ = host_.inspect([](Device& d) { return layout(d); });
    std::error_code ignored;
    for (const auto& folder : {host.device().image_root.parent_path(), std::filesystem::current_path(ignored)})
        outside_.emplace_back(folder, std::filesystem::last_write_time(folder, ignored));
}

std::string GremlinChecks::before_event(const std::vector<ScriptAction>& event) {
    return changes_status(event) ? repaint_keeps_screen() : std::string();
}

std::string GremlinChecks::after_event(int number, const std::vector<ScriptAction>& event) {
    if (changes_status(event)) repaint_all();
    for (auto check : {&GremlinChecks::refused_handles, &GremlinChecks::live_objects_at_rest,
                       &GremlinChecks::windows_answer, &GremlinChecks::nothing_written_outside})
        if (auto broken = (this->*check)(); !broken.empty()) return broken;
    if (auto broken = registry_parses(false); !broken.empty()) return broken;
    return number % kRepaintEvery == 0 ? repaint_keeps_screen() : std::string();
}

std::string GremlinChecks::at_end() { return registry_parses(true); }

std::string GremlinChecks::refused_handles() {
    auto refused = host_.inspect([](Device& d) { return d.refused_handles; });
    return refused ? std::to_string(refused) + " API call(s) refused a stale or invalid handle" : std::string();
}

std::string GremlinChecks::live_objects_at_rest() {
    return host_.inspect([&](Device& d) -> std::string {
        const bool at_rest = (!d.shell || d.shell->message_boxes().empty()) && same_layout(layout(d), rest_layout_);
        if (!at_rest) return "";
        auto now = count_live(d);
        if (!rest_objects_) rest_objects_ = now;
        if (now == *rest_objects_) return "";
        return "at rest the device holds " + now.describe() + "; the first time at rest it held " +
               rest_objects_->describe();
    });
}

// WM_NULL goes to the thread of every visible top-level window; each must take it from its
// queue before kAnswerWithinMs of device time has passed.
std::string GremlinChecks::windows_answer() {
    std::vector<DeviceThread*> threads = host_.inspect([](Device& d) {
        std::vector<DeviceThread*> owners;
        for (const Window* window : d.windows->top_level())
            if (window->visible && window->thread) {
                d.windows->post(*window->thread, MSG{window->handle, WM_NULL, 0, 0});
                owners.push_back(window->thread);
            }
        return owners;
    });
    auto waiting = [&] {
        return host_.inspect([&](Device& d) {
            for (DeviceThread* thread : threads)
                if (has_null_message(d.windows->queue(*thread))) return true;
            return false;
        });
    };
    host_.wait_idle();
    for (std::uint64_t waited = 0; waiting(); waited += 100) {
        if (waited >= kAnswerWithinMs) return "a top-level window did not take a message within 2 s of device time";
        host_.advance(100);
    }
    return "";
}

// A file made or removed changes its folder's time: the folder holding the device folder
// and the working folder must keep theirs.
std::string GremlinChecks::nothing_written_outside() {
    std::error_code ignored;
    for (const auto& [folder, time] : outside_)
        if (std::filesystem::last_write_time(folder, ignored) != time)
            return "a file was made or removed outside the device folder, in " + folder.string();
    return "";
}

std::string GremlinChecks::registry_parses(bool always) {
    std::error_code failure;
    auto written = std::filesystem::last_write_time(registry_file_, failure);
    if (failure || (!always && written == registry_written_)) return "";
    registry_written_ = written;
    std::ifstream in(registry_file_, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto parsed = parse_registry_text(text);
    if (parsed.error.empty()) return "";
    return "the registry file does not read: line " + std::to_string(parsed.error_line) + ": " + parsed.error;
}

// Every window painted again must give the same screen: a difference is something left
// unpainted or painted from stale state.
void GremlinChecks::repaint_all() {
    host_.inspect([](Device& d) { invalidate_all(*d.windows, d.windows->top_level()); });
    host_.wait_idle();
}

std::string GremlinChecks::repaint_keeps_screen() {
    auto before = host_.screen();
    repaint_all();
    auto after = host_.screen();
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i] == after[i]) continue;
        screen_before_repaint_ = std::move(before);
        return "repainting every window changed the screen at (" + std::to_string(i % Gdi::kScreenWidth) + ", " +
               std::to_string(i / Gdi::kScreenWidth) + ")";
    }
    return "";
}

}  // namespace emu
