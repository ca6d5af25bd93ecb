// Events: named or unnamed, manual or auto-reset.
#include <windows.h>

#include "kernel/Device.h"

using namespace emu;

namespace {

EventState* event_of(HANDLE handle) {
    auto device = current_device();
    auto object = device ? device->objects.handles.get(handle) : nullptr;
    return object && object->kind == KernelObject::Kind::Event ? object->event.get() : nullptr;
}

}  // namespace

extern "C" {

HANDLE WINAPI CreateEventW(LPSECURITY_ATTRIBUTES, BOOL manual_reset, BOOL initial_state, LPCWSTR name) {
    auto device = current_device();
    if (!device) return nullptr;
    std::shared_ptr<EventState> event;
    std::wstring event_name = name ? name : L"";
    if (!event_name.empty()) event = device->objects.named_events[event_name].lock();
    SetLastError(event ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    if (!event) {
        event = std::make_shared<EventState>(EventState{event_name, manual_reset != FALSE, initial_state != FALSE});
        if (!event_name.empty()) device->objects.named_events[event_name] = event;
    }
    auto object = std::make_shared<KernelObject>(KernelObject{KernelObject::Kind::Event});
    object->event = event;
    return device->objects.handles.add(object);
}

BOOL WINAPI SetEvent(HANDLE handle) {
    auto event = event_of(handle);
    if (!event) {
        SetLastError(refuse_handle(ERROR_INVALID_HANDLE));
        return FALSE;
    }
    event->signalled = true;
    for (auto& hook : current_device()->objects.set_hooks) hook(*event);
    return TRUE;
}

BOOL WINAPI ResetEvent(HANDLE handle) {
    auto event = event_of(handle);
    if (!event) {
        SetLastError(refuse_handle(ERROR_INVALID_HANDLE));
        return FALSE;
    }
    event->signalled = false;
    return TRUE;
}

}  // extern "C"
