#pragma once
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include <windef.h>

#include "kernel/WakeSignal.h"

namespace emu {

class Device;
struct Process;

// Thrown inside a device thread that has been stopped, to unwind it off the CPU.
struct ThreadStopped {};

// A thread of the emulated device: a host thread that runs only while it holds the
// device's single CPU (see Scheduler).
class DeviceThread {
public:
    enum class State { Ready, Running, Waiting, Finished };

    DeviceThread(Device& device, Process* process, DWORD id, std::function<DWORD()> body)
        : device(device), process(process), id(id), body(std::move(body)) {}

    Device& device;
    Process* process;
    const DWORD id;
    std::function<DWORD()> body;

    State state = State::Ready;
    bool stop_requested = false;
    DWORD exit_code = 259;  // STILL_ACTIVE
    DWORD last_error = 0;

    // While waiting: the condition that makes the thread runnable again, and an optional deadline.
    std::function<bool()> ready_when;
    std::optional<std::uint64_t> deadline;

    // Released when the thread is given the CPU.
    WakeSignal wake;
    std::unique_lock<std::mutex>* lock = nullptr;
    std::thread host;
};

}  // namespace emu
