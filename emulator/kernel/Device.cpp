#include "kernel/Device.h"

namespace emu {

namespace {
thread_local Device* t_device = nullptr;
}

Device* current_device() { return t_device; }
void bind_current_device(Device* device) { t_device = device; }

DWORD refuse_handle(DWORD error) {
    if (t_device) ++t_device->refused_handles;
    return error;
}

Device::Device(std::filesystem::path root, Clock::Mode mode)
    : clock(mode), log(clock), scheduler(*this, clock), image_root(std::move(root)) {
    scheduler.exit_hooks.push_back([this](DeviceThread& thread) {
        if (thread.process && thread.process->main_thread == &thread) end_process(*thread.process, thread);
    });
}

Device::~Device() { power_off(); }

void Device::power_off() {
    if (powered_off_) return;
    powered_off_ = true;
    std::unique_lock lock(scheduler.mutex());
    scheduler.stop_all(lock);
}

const Module& Device::install(std::wstring path, EntryFunction entry, std::span<const ResourceBlob> resources) {
    auto module = std::make_unique<Module>();
    module->path = std::move(path);
    module->entry = entry;
    module->resources = resources;
    modules_.push_back(std::move(module));
    return *modules_.back();
}

const Module* Device::find_module(std::wstring_view path) const {
    for (const auto& module : modules_)
        if (same_name(module->path, path)) return module.get();
    return nullptr;
}

const Module* Device::module_of(HINSTANCE instance) const {
    for (const auto& module : modules_)
        if (reinterpret_cast<HINSTANCE>(const_cast<Module*>(module.get())) == instance) return module.get();
    return nullptr;
}

Process& Device::start_process(const Module& module, std::wstring command_line) {
    return launch(module, std::move(command_line), {});
}

Process& Device::start_process(std::wstring path, std::function<int()> body) {
    return launch(install(std::move(path), nullptr), L"", std::move(body));
}

Process& Device::launch(const Module& module, std::wstring command_line, std::function<int()> body) {
    auto process = std::make_unique<Process>();
    process->id = next_process_id_;
    next_process_id_ += 4;
    process->module = &module;
    process->command_line = std::move(command_line);
    auto& started = *process;
    processes_.push_back(std::move(process));
    log.record("process-start", {{"path", utf8(module.path)}});
    if (!body) {
        body = [&started] {
            auto instance = reinterpret_cast<HINSTANCE>(const_cast<Module*>(started.module));
            return started.module->entry(instance, nullptr, started.command_line.data(), 5);
        };
    }
    started.main_thread = &scheduler.create(&started, [body = std::move(body)] { return static_cast<DWORD>(body()); });
    if (!Scheduler::current()) scheduler.kick();
    return started;
}

void Device::end_process(Process& process, DeviceThread& main_thread) {
    process.ended = true;
    process.exit_code = static_cast<int>(main_thread.exit_code);
    for (const auto& thread : scheduler.threads())
        if (thread->process == &process && thread.get() != &main_thread) scheduler.stop(*thread, main_thread.exit_code);
    log.record("process-exit", {{"path", utf8(process.module->path)}, {"code", static_cast<long long>(process.exit_code)}});
}

bool Device::all_processes_ended() const {
    for (const auto& process : processes_)
        if (!process->ended) return false;
    return true;
}

}  // namespace emu
