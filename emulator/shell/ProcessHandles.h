#pragma once
#include <memory>

#include "kernel/Device.h"

namespace emu {

// A new kernel handle on a process or a thread; the caller's program closes it.
inline HANDLE open_kernel_handle(Device& device, KernelObject object) {
    return device.objects.handles.add(std::make_shared<KernelObject>(std::move(object)));
}

inline HANDLE open_process_handle(Device& device, Process& process) {
    return open_kernel_handle(device, {KernelObject::Kind::Process, nullptr, &process});
}

}  // namespace emu
