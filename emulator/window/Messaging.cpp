// Sending, posting and taking messages, in the platform's order.
#include "kernel/Device.h"
#include "window/WindowManager.h"

namespace emu {

MessageQueue& WindowManager::queue(const DeviceThread& thread) { return queues_[thread.id]; }

LRESULT WindowManager::call(Window& window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto keep = windows_.shared(window.handle);
    auto procedure = window.window_class->procedure;
    return procedure(window.handle, message, wparam, lparam);
}

// A send to a window of the calling thread is a nested call. A send to another thread's
// window waits until that thread has handled it, handling what is sent to the caller meanwhile.
LRESULT WindowManager::send(Window& window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto self = Scheduler::current();
    if (!self) return 0;
    if (window.thread == self) return call(window, message, wparam, lparam);
    auto sent = std::make_shared<SentMessage>(SentMessage{window.handle, message, wparam, lparam, self});
    queue(*window.thread).sent.push_back(sent);
    auto& mine = queue(*self);
    auto outer = mine.waiting_on;
    mine.waiting_on = sent;
    while (!sent->done) {
        device_.scheduler.wait([&] { return sent->done || !mine.sent.empty(); });
        handle_incoming_sends(*self);
    }
    mine.waiting_on = outer;
    return sent->result;
}

void WindowManager::handle_incoming_sends(DeviceThread& thread) {
    auto& q = queue(thread);
    while (!q.sent.empty()) {
        auto sent = q.sent.front();
        q.sent.pop_front();
        auto target = window(sent->window);
        sent->result = target ? call(*target, sent->message, sent->wparam, sent->lparam) : 0;
        sent->done = true;
    }
}

void WindowManager::post(DeviceThread& thread, const MSG& message) { queue(thread).posted.push_back(message); }

bool WindowManager::matches(const MSG& message, HWND filter, UINT first, UINT last) const {
    if (filter && message.hwnd != filter) return false;
    if (first == 0 && last == 0) return true;
    return message.message >= first && message.message <= last;
}

bool WindowManager::has_work(const DeviceThread& thread) const {
    auto it = queues_.find(thread.id);
    if (it != queues_.end()) {
        const auto& q = it->second;
        if (!q.sent.empty() || !q.posted.empty() || !q.input.empty() || q.quit) return true;
    }
    return next_to_paint(thread) != nullptr;
}

// Sent messages are handled in place; then a posted message, an input message, the quit
// message, and last a WM_PAINT for a window of this thread that needs painting.
bool WindowManager::take_message(DeviceThread& thread, MSG& message, HWND filter, UINT first, UINT last,
                                 bool remove) {
    handle_incoming_sends(thread);
    auto& q = queue(thread);
    for (auto* list : {&q.posted, &q.input}) {
        for (auto it = list->begin(); it != list->end(); ++it) {
            if (!matches(*it, filter, first, last)) continue;
            message = *it;
            if (remove) list->erase(it);
            return true;
        }
    }
    if (q.quit) {
        message = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(q.quit_code), 0, static_cast<DWORD>(device_.clock.now_ms())};
        if (remove) q.quit = false;
        return true;
    }
    if (auto w = next_to_paint(thread)) {
        MSG paint{w->handle, WM_PAINT, 0, 0, static_cast<DWORD>(device_.clock.now_ms())};
        if (matches(paint, filter, first, last)) {
            message = paint;
            return true;
        }
    }
    return false;
}

}  // namespace emu
