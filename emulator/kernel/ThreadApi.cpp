// Threads, waiting, time and errors.
#include <windows.h>

#include "kernel/Device.h"

using namespace emu;

namespace {

thread_local DWORD t_host_last_error = 0;

KernelObject* kernel_object(HANDLE handle) {
    auto device = current_device();
    return device ? device->objects.handles.get(handle) : nullptr;
}

HANDLE open_thread_handle(Device& device, DeviceThread& thread) {
    auto object = std::make_shared<KernelObject>(KernelObject{KernelObject::Kind::Thread});
    object->thread = &thread;
    return device.objects.handles.add(object);
}

// Whether a waitable object is signalled; an auto-reset event is consumed by the caller's wait.
bool signalled(const KernelObject& object) {
    switch (object.kind) {
    case KernelObject::Kind::Thread: return object.thread->state == DeviceThread::State::Finished;
    case KernelObject::Kind::Process: return object.process->ended;
    case KernelObject::Kind::Event: return object.event->signalled;
    }
    return false;
}

}  // namespace

extern "C" {

DWORD WINAPI GetLastError(void) {
    auto thread = Scheduler::current();
    return thread ? thread->last_error : t_host_last_error;
}

void WINAPI SetLastError(DWORD code) {
    if (auto thread = Scheduler::current()) thread->last_error = code;
    else t_host_last_error = code;
}

DWORD WINAPI GetTickCount(void) {
    auto device = current_device();
    return device ? static_cast<DWORD>(device->clock.now_ms()) : 0;
}

DWORD WINAPI GetCurrentThreadId(void) {
    auto thread = Scheduler::current();
    return thread ? thread->id : 0;
}

DWORD WINAPI GetCurrentProcessId(void) {
    auto thread = Scheduler::current();
    return thread && thread->process ? thread->process->id : 0;
}

void WINAPI Sleep(DWORD milliseconds) {
    auto device = current_device();
    if (!device || !Scheduler::current()) return;
    auto deadline = device->clock.now_ms() + milliseconds;
    device->scheduler.wait([] { return false; }, deadline);
}

HANDLE WINAPI CreateThread(LPSECURITY_ATTRIBUTES, DWORD, LPTHREAD_START_ROUTINE start, LPVOID parameter, DWORD,
                           LPDWORD thread_id) {
    auto device = current_device();
    auto self = Scheduler::current();
    if (!device || !self || !start) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto& thread = device->scheduler.create(self->process, [start, parameter] { return start(parameter); });
    if (thread_id) *thread_id = thread.id;
    return open_thread_handle(*device, thread);
}

BOOL WINAPI TerminateThread(HANDLE handle, DWORD exit_code) {
    auto object = kernel_object(handle);
    if (!object || object->kind != KernelObject::Kind::Thread) {
        SetLastError(refuse_handle(ERROR_INVALID_HANDLE));
        return FALSE;
    }
    object->thread->device.scheduler.stop(*object->thread, exit_code);
    return TRUE;
}

void WINAPI ExitThread(DWORD exit_code) {
    auto self = Scheduler::current();
    if (self) self->device.scheduler.stop(*self, exit_code);
}

BOOL WINAPI GetExitCodeThread(HANDLE handle, LPDWORD exit_code) {
    auto object = kernel_object(handle);
    if (!object || object->kind != KernelObject::Kind::Thread || !exit_code) {
        SetLastError(refuse_handle(ERROR_INVALID_HANDLE));
        return FALSE;
    }
    *exit_code = object->thread->state == DeviceThread::State::Finished ? object->thread->exit_code : STILL_ACTIVE;
    return TRUE;
}

DWORD WINAPI WaitForSingleObject(HANDLE handle, DWORD milliseconds) {
    auto device = current_device();
    auto object = kernel_object(handle);
    if (!device || !object) {
        SetLastError(refuse_handle(ERROR_INVALID_HANDLE));
        return WAIT_FAILED;
    }
    std::optional<std::uint64_t> deadline;
    if (milliseconds != INFINITE) deadline = device->clock.now_ms() + milliseconds;
    auto keep = device->objects.handles.shared(handle);
    bool done = signalled(*keep);
    if (!done && Scheduler::current()) done = device->scheduler.wait([&] { return signalled(*keep); }, deadline);
    if (!done) return WAIT_TIMEOUT;
    if (keep->kind == KernelObject::Kind::Event && !keep->event->manual_reset) keep->event->signalled = false;
    return WAIT_OBJECT_0;
}

BOOL WINAPI CloseHandle(HANDLE handle) {
    auto device = current_device();
    if (!device) return FALSE;
    if (device->objects.handles.remove(handle)) return TRUE;
    for (auto& close : device->objects.close_handlers)
        if (close(handle)) return TRUE;
    SetLastError(refuse_handle(ERROR_INVALID_HANDLE));
    return FALSE;
}

void WINAPI OutputDebugStringW(LPCWSTR text) {
    auto device = current_device();
    if (device && text) device->log.record("debug", {{"text", utf8(text)}});
}

}  // extern "C"
