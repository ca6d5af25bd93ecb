#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "kernel/Clock.h"
#include "kernel/EventLog.h"
#include "kernel/KernelObjects.h"
#include "kernel/Module.h"
#include "kernel/Scheduler.h"
#include "kernel/SameName.h"

namespace emu {

class Gdi;
class WindowManager;
class Registry;
class FileSystem;
class Shell;
class DeviceStatus;
class Libraries;

// A running program: one module, its main thread and any threads it started.
struct Process {
    DWORD id = 0;
    const Module* module = nullptr;
    std::wstring command_line;
    DeviceThread* main_thread = nullptr;
    bool ended = false;
    int exit_code = 0;
};

// The emulated Pocket PC. It owns every subsystem; the boot code in host/ assembles them
// (unit tests assemble only those they need, so any subsystem pointer may be null).
// Device state belongs to the scheduler's mutex: device threads hold it while they run,
// host threads take it (see Scheduler) before touching anything here.
class Device {
public:
    Device(std::filesystem::path image_root, Clock::Mode mode);
    ~Device();
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    Clock clock;
    EventLog log;
    Scheduler scheduler;
    KernelObjects objects;
    // API calls refused because a handle named no live object of its kind (stale,
    // foreign or garbage): a program that gets any has a fault worth finding.
    std::uint64_t refused_handles = 0;
    const std::filesystem::path image_root;

    std::shared_ptr<Gdi> gdi;
    std::shared_ptr<WindowManager> windows;
    std::shared_ptr<Registry> registry;
    std::shared_ptr<FileSystem> files;
    std::shared_ptr<Shell> shell;
    std::shared_ptr<DeviceStatus> status;
    std::shared_ptr<Libraries> libraries;

    // Executables the device can run, by device path (compared without regard to case).
    const Module& install(std::wstring path, EntryFunction entry, std::span<const ResourceBlob> resources = {});
    const Module* find_module(std::wstring_view path) const;
    const Module* module_of(HINSTANCE instance) const;

    // Starts a process on a new device thread. Caller holds the mutex.
    Process& start_process(const Module& module, std::wstring command_line);
    // Starts a process named `path` that runs `body` (tests run their code on the device so).
    Process& start_process(std::wstring path, std::function<int()> body);
    const std::vector<std::unique_ptr<Process>>& processes() const { return processes_; }
    bool all_processes_ended() const;

    // Stops every thread at once (a reset, or the end of the device). Host only.
    void power_off();

private:
    Process& launch(const Module& module, std::wstring command_line, std::function<int()> body);
    void end_process(Process& process, DeviceThread& main_thread);

    std::vector<std::unique_ptr<Module>> modules_;
    std::vector<std::unique_ptr<Process>> processes_;
    DWORD next_process_id_ = 0x1000;
    bool powered_off_ = false;
};

// The device of the calling device thread, or of a host thread bound with DeviceBinding.
Device* current_device();
void bind_current_device(Device* device);

// Lets a host thread (a unit test) call the Win32 API of a device directly.
class DeviceBinding {
public:
    explicit DeviceBinding(Device& device) : previous_(current_device()) { bind_current_device(&device); }
    ~DeviceBinding() { bind_current_device(previous_); }
    DeviceBinding(const DeviceBinding&) = delete;
    DeviceBinding& operator=(const DeviceBinding&) = delete;

private:
    Device* previous_;
};

// Counts a refusal of a handle on the calling thread's device and answers `error`
// (ERROR_INVALID_HANDLE or ERROR_INVALID_WINDOW_HANDLE), for the API to return or set.
DWORD refuse_handle(DWORD error);

}  // namespace emu
