#pragma once
#include <cstdint>
#include <functional>
#include <mutex>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "kernel/WideText.h"

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
    std::size_t size() const;
    void write_jsonl(std::ostream& out) const;
    // Called (outside the log's lock) for every new event; the desktop front-end listens.
    void set_listener(std::function<void(const Event&)> listener);

private:
    const Clock& clock_;
    mutable std::mutex mutex_;
    std::vector<Event> events_;
    std::function<void(const Event&)> listener_;
};

}  // namespace emu
