#include "host/DeviceHost.h"

#include <algorithm>

#include "gdi/Gdi.h"
#include "host/Boot.h"
#include "host/RealTimeWaker.h"
#include "shell/Shell.h"
#include "window/WindowManager.h"

namespace emu {

std::unique_ptr<DeviceHost> DeviceHost::boot(const BootOptions& options, std::string& error) {
    auto lock = claim_device_folder(options, error);
    if (!lock) return nullptr;
    auto device = assemble_device(options, error);
    if (!device) return nullptr;
    return std::unique_ptr<DeviceHost>(new DeviceHost(std::move(lock), std::move(device)));
}

DeviceHost::DeviceHost(std::unique_ptr<DeviceFolderLock> lock, std::unique_ptr<Device> device)
    : lock_(std::move(lock)), device_(std::move(device)) {
    if (device_->clock.mode() == Clock::Mode::Real) waker_ = std::make_unique<RealTimeWaker>(*device_);
}

DeviceHost::~DeviceHost() {
    waker_.reset();
    device_->power_off();
}

void DeviceHost::settle(std::unique_lock<std::mutex>& lock) {
    device_->scheduler.wait_idle(lock);
    if (waker_) waker_->deadlines_changed();
}

void DeviceHost::set_wake_listener(std::function<void()> listener) {
    std::unique_lock lock(device_->scheduler.mutex());
    if (waker_) waker_->set_listener(std::move(listener));
}

void DeviceHost::install(std::wstring path, EntryFunction entry, std::span<const ResourceBlob> resources) {
    std::unique_lock lock(device_->scheduler.mutex());
    device_->install(std::move(path), entry, resources);
}

bool DeviceHost::start(std::wstring_view path, std::wstring command_line) {
    std::unique_lock lock(device_->scheduler.mutex());
    auto module = device_->find_module(path);
    if (!module || !module->entry) return false;
    device_->start_process(*module, std::move(command_line));
    settle(lock);
    return true;
}

void DeviceHost::run(std::wstring path, std::function<int()> body) {
    std::unique_lock lock(device_->scheduler.mutex());
    device_->start_process(std::move(path), std::move(body));
    settle(lock);
}

void DeviceHost::inject(const std::function<void(Device&)>& action) {
    std::unique_lock lock(device_->scheduler.mutex());
    action(*device_);
    settle(lock);
}

void DeviceHost::stylus_down(int x, int y) {
    inject([&](Device& d) { d.windows->stylus(WM_LBUTTONDOWN, POINT{x, y}); });
}

void DeviceHost::stylus_move(int x, int y) {
    inject([&](Device& d) { d.windows->stylus(WM_MOUSEMOVE, POINT{x, y}); });
}

void DeviceHost::stylus_up(int x, int y) {
    inject([&](Device& d) { d.windows->stylus(WM_LBUTTONUP, POINT{x, y}); });
}

void DeviceHost::tap(int x, int y) {
    stylus_down(x, y);
    stylus_up(x, y);
}

void DeviceHost::key(UINT virtual_key) {
    inject([&](Device& d) { d.windows->key(virtual_key, true); });
    inject([&](Device& d) { d.windows->key(virtual_key, false); });
}

void DeviceHost::press_power_button() {
    inject([](Device& d) {
        if (d.shell) d.shell->press_power_button();
    });
}

void DeviceHost::wait_idle() {
    std::unique_lock lock(device_->scheduler.mutex());
    settle(lock);
}

void DeviceHost::advance(std::uint64_t ms) {
    std::unique_lock lock(device_->scheduler.mutex());
    auto& scheduler = device_->scheduler;
    auto target = device_->clock.now_ms() + ms;
    settle(lock);
    for (auto next = scheduler.next_deadline(); next && *next <= target; next = scheduler.next_deadline()) {
        device_->clock.advance_to(*next);
        settle(lock);
    }
    device_->clock.advance_to(target);
    settle(lock);
}

bool DeviceHost::wait_for_exit(std::uint64_t max_ms, OpenBoxes boxes) {
    std::unique_lock lock(device_->scheduler.mutex());
    auto& scheduler = device_->scheduler;
    auto limit = device_->clock.now_ms() + max_ms;
    int answers_left = 100;
    for (;;) {
        if (device_->clock.mode() == Clock::Mode::Real) {
            auto now = device_->clock.now_ms();
            if (now >= limit) return device_->all_processes_ended();
            scheduler.wait_idle_for(lock, limit - now);
            if (waker_) waker_->deadlines_changed();
        } else {
            settle(lock);
        }
        if (device_->all_processes_ended()) return true;
        if (boxes == OpenBoxes::AnswerWithDefault && answers_left > 0 && post_answer(std::nullopt)) {
            --answers_left;
            continue;
        }
        if (device_->clock.mode() == Clock::Mode::Real) continue;
        auto next = scheduler.next_deadline();
        if (!next || *next > limit) return false;
        device_->clock.advance_to(*next);
    }
}

std::optional<OpenMessageBox> DeviceHost::message_box() {
    return inspect([](Device& d) -> std::optional<OpenMessageBox> {
        if (!d.shell || d.shell->message_boxes().empty()) return std::nullopt;
        return d.shell->message_boxes().back();
    });
}

bool DeviceHost::post_answer(std::optional<int> id) {
    if (!device_->shell || device_->shell->message_boxes().empty()) return false;
    const OpenMessageBox& box = device_->shell->message_boxes().back();
    const int answer = id.value_or(box.default_id);
    const bool has_button = std::any_of(box.buttons.begin(), box.buttons.end(),
                                        [&](const OpenMessageBox::Button& button) { return button.id == answer; });
    Window* window = device_->windows->window(box.window);
    if (!has_button || !window || !window->thread) return false;
    device_->windows->post(*window->thread, MSG{box.window, WM_COMMAND, MAKEWPARAM(answer, 0), 0});
    return true;
}

bool DeviceHost::answer_message_box(std::optional<int> id) {
    std::unique_lock lock(device_->scheduler.mutex());
    settle(lock);
    const bool posted = post_answer(id);
    settle(lock);
    return posted;
}

int DeviceHost::answer_message_boxes(int limit) {
    int answered = 0;
    while (answered < limit && answer_message_box()) ++answered;
    return answered;
}

std::optional<int> DeviceHost::exit_code(std::wstring_view path) {
    std::unique_lock lock(device_->scheduler.mutex());
    std::optional<int> code;
    for (const auto& process : device_->processes())
        if (process->ended && same_name(process->module->path, path)) code = process->exit_code;
    return code;
}

std::vector<std::uint32_t> DeviceHost::screen() {
    return inspect([](Device& d) { return d.gdi->displayed(); });
}

COLORREF DeviceHost::pixel(int x, int y) {
    auto pixels = screen();
    auto value = pixels.at(static_cast<std::size_t>(y) * Gdi::kScreenWidth + x);
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

bool DeviceHost::screenshot(const std::filesystem::path& file) {
    return inspect([&](Device& d) { return d.gdi->write_png(file); });
}

void DeviceHost::shutdown(std::uint64_t max_ms) {
    inject([](Device& d) {
        for (auto w : d.windows->top_level())
            if (w->thread) d.windows->post(*w->thread, MSG{w->handle, WM_CLOSE, 0, 0});
    });
    wait_for_exit(max_ms);
    device_->power_off();
}

void DeviceHost::reset() { device_->power_off(); }

}  // namespace emu
