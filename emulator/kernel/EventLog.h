#pragma once
#include <cstdint>
#include <functional>
#include <mutex>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "kernel/Utf8.h"

namespace emu {

class Clock;

using EventValue = std::variant<std::string, long long, bool>;

struct EventField {
    std::string name;
    EventValue value;
};

// One thing the platform did for a program: a line of the device's event log.
struct Event {
    std::uint64_t t = 0;  // milliseconds since boot
    std::string name;
    std::vector<EventField> fields;

    const EventValue* field(std::string_view field_name) const;
    std::string text(std::string_view field_name) const;       // "" when absent or not text
    long long number(std::string_view field_name) const;      // 0 when absent or not a number
    std::string json() const;                                  // one JSON object, no newline
};

// The device's event log. Thread-safe: device threads append, front-ends read at any time.
class EventLog {
public:
    explicit EventLog(const Clock& clock) : clock_(clock) {}

    void record(std::string name, std::vector<EventField> fields = {});
    std::vector<Event> events() const;
    std::vector<Event> events(std::string_view name) const;
    // The events from number `first` up to (not including) `last`, as far as there are any.
    std::vector<Event> events(std::size_t first, std::size_t last) const;
    std::size_t size() const;
    void write_jsonl(std::ostream& out) const;

    // Listeners are called (outside the log's lock, on the recording thread) for every new
    // event; the desktop front-end and its log file listen. A removed listener may still
    // be running on another thread when remove_listener returns.
    using Listener = std::function<void(const Event&)>;
    int add_listener(Listener listener);
    void remove_listener(int id);

private:
    const Clock& clock_;
    mutable std::mutex mutex_;
    std::vector<Event> events_;
    std::vector<std::pair<int, Listener>> listeners_;
    int next_listener_ = 0;
};

}  // namespace emu
