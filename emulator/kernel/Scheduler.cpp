#include "kernel/Scheduler.h"

#include <algorithm>
#include <chrono>
#include <exception>

#include "kernel/Clock.h"
#include "kernel/Device.h"

namespace emu {

namespace {
thread_local DeviceThread* t_current = nullptr;
}

DeviceThread* Scheduler::current() { return t_current; }

Scheduler::~Scheduler() {
    std::unique_lock lock(mutex_);
    stop_all(lock);
}

DeviceThread& Scheduler::create(Process* process, std::function<DWORD()> body) {
    auto thread = std::make_unique<DeviceThread>(device_, process, next_id_, std::move(body));
    next_id_ += 4;
    auto& created = *thread;
    threads_.push_back(std::move(thread));
    created.host = std::thread([this, &created] { run(created); });
    return created;
}

void Scheduler::run(DeviceThread& thread) {
    thread.wake.acquire();
    std::unique_lock lock(mutex_);
    t_current = &thread;
    bind_current_device(&device_);
    thread.lock = &lock;
    try {
        if (!thread.stop_requested) thread.exit_code = thread.body();
    } catch (const ThreadStopped&) {
        // The thread was stopped; its exit code was set by stop().
    }
    thread.state = DeviceThread::State::Finished;
    for (auto& hook : exit_hooks) hook(thread);
    thread.lock = nullptr;
    bind_current_device(nullptr);
    t_current = nullptr;
    auto next = choose_next(&thread);
    lock.unlock();
    if (next) next->wake.release();
}

bool Scheduler::can_run(const DeviceThread& thread) const {
    switch (thread.state) {
    case DeviceThread::State::Ready: return true;
    case DeviceThread::State::Waiting:
        return thread.stop_requested || (thread.deadline && clock_.now_ms() >= *thread.deadline) ||
               (thread.ready_when && thread.ready_when());
    default: return false;
    }
}

DeviceThread* Scheduler::choose_next(const DeviceThread* after) {
    std::size_t count = threads_.size();
    std::size_t start = 0;
    if (after) {
        for (std::size_t i = 0; i < count; ++i)
            if (threads_[i].get() == after) start = i + 1;
    }
    for (std::size_t k = 0; k < count; ++k) {
        auto& candidate = *threads_[(start + k) % count];
        if (can_run(candidate)) {
            candidate.state = DeviceThread::State::Running;
            running_ = &candidate;
            last_ran_ = &candidate;
            return &candidate;
        }
    }
    running_ = nullptr;
    idle_changed_.notify_all();
    return nullptr;
}

bool Scheduler::wait(const std::function<bool()>& ready, std::optional<std::uint64_t> deadline) {
    DeviceThread& self = *t_current;
    auto stopped = [&] {
        if (std::uncaught_exceptions() > 0) return false;  // already unwinding
        throw ThreadStopped{};
    };
    if (self.stop_requested) return stopped();
    if (ready()) return true;
    if (deadline && clock_.now_ms() >= *deadline) return false;

    self.ready_when = ready;
    self.deadline = deadline;
    self.state = DeviceThread::State::Waiting;
    // The CPU passes without the mutex held, so the next thread takes it at once.
    auto next = choose_next(&self);
    self.lock->unlock();
    if (next) next->wake.release();
    self.wake.acquire();
    self.lock->lock();
    self.ready_when = nullptr;
    self.deadline.reset();
    if (self.stop_requested) return stopped();
    return ready();
}

void Scheduler::kick() {
    if (running_ != nullptr) return;
    if (auto next = choose_next(last_ran_)) next->wake.release();
}

void Scheduler::wait_idle(std::unique_lock<std::mutex>& lock) {
    kick();
    idle_changed_.wait(lock, [&] { return running_ == nullptr; });
}

bool Scheduler::wait_idle_for(std::unique_lock<std::mutex>& lock, std::uint64_t timeout_ms) {
    kick();
    return idle_changed_.wait_for(lock, std::chrono::milliseconds(timeout_ms), [&] { return running_ == nullptr; });
}

std::optional<std::uint64_t> Scheduler::next_deadline() const {
    std::optional<std::uint64_t> earliest;
    for (const auto& thread : threads_)
        if (thread->state == DeviceThread::State::Waiting && thread->deadline)
            earliest = earliest ? std::min(*earliest, *thread->deadline) : *thread->deadline;
    return earliest;
}

void Scheduler::stop(DeviceThread& thread, DWORD exit_code) {
    if (thread.state == DeviceThread::State::Finished || thread.stop_requested) return;
    thread.stop_requested = true;
    thread.exit_code = exit_code;
    if (&thread == t_current) throw ThreadStopped{};
    for (auto& hook : stop_hooks) hook(thread);
}

void Scheduler::stop_all(std::unique_lock<std::mutex>& lock) {
    for (auto& thread : threads_)
        if (thread->state != DeviceThread::State::Finished && !thread->stop_requested) {
            thread->stop_requested = true;
            for (auto& hook : stop_hooks) hook(*thread);
        }
    kick();
    idle_changed_.wait(lock, [&] { return running_ == nullptr && all_finished(); });
    for (auto& thread : threads_) {
        if (!thread->host.joinable()) continue;
        lock.unlock();
        thread->host.join();
        lock.lock();
    }
}

bool Scheduler::all_finished() const {
    return std::all_of(threads_.begin(), threads_.end(),
                       [](const auto& t) { return t->state == DeviceThread::State::Finished; });
}

DeviceThread* Scheduler::find(DWORD id) const {
    for (const auto& thread : threads_)
        if (thread->id == id) return thread.get();
    return nullptr;
}

}  // namespace emu
