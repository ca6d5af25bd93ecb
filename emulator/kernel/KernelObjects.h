#pragma once
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "kernel/HandleTable.h"

namespace emu {

class DeviceThread;
struct Process;

struct EventState {
    std::wstring name;  // empty for an unnamed event
    bool manual_reset = false;
    bool signalled = false;
};

// What a kernel HANDLE names: a thread, a process or an event.
struct KernelObject {
    enum class Kind { Thread, Process, Event } kind;
    DeviceThread* thread = nullptr;
    Process* process = nullptr;
    std::shared_ptr<EventState> event;
};

struct KernelObjects {
    HandleTable<KernelObject> handles{kKernelObjectTag};
    // Named events live while a handle to them is open.
    std::map<std::wstring, std::weak_ptr<EventState>> named_events;
    // Called whenever an event is set, e.g. so the device applies a changed backlight.
    std::vector<std::function<void(const EventState&)>> set_hooks;
    // CloseHandle offers a handle that is not a kernel object to these (files, find handles...);
    // the first that owns it closes it and answers true.
    std::vector<std::function<bool(void*)>> close_handlers;
};

}  // namespace emu
