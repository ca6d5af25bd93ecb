#include "kernel/EventLog.h"

#include <cstdio>

#include "kernel/Clock.h"

namespace emu {

namespace {

void append_json_string(std::string& out, std::string_view text) {
    out += '"';
    for (unsigned char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
                out += buffer;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    out += '"';
}

void append_json_value(std::string& out, const EventValue& value) {
    if (auto text = std::get_if<std::string>(&value)) append_json_string(out, *text);
    else if (auto number = std::get_if<long long>(&value)) out += std::to_string(*number);
    else out += std::get<bool>(value) ? "true" : "false";
}

}  // namespace

const EventValue* Event::field(std::string_view field_name) const {
    for (const auto& f : fields)
        if (f.name == field_name) return &f.value;
    return nullptr;
}

std::string Event::text(std::string_view field_name) const {
    auto value = field(field_name);
    auto text = value ? std::get_if<std::string>(value) : nullptr;
    return text ? *text : std::string();
}

long long Event::number(std::string_view field_name) const {
    auto value = field(field_name);
    if (!value) return 0;
    if (auto number = std::get_if<long long>(value)) return *number;
    if (auto flag = std::get_if<bool>(value)) return *flag ? 1 : 0;
    return 0;
}

std::string Event::json() const {
    std::string out = "{\"t\":" + std::to_string(t) + ",\"event\":";
    append_json_string(out, name);
    for (const auto& f : fields) {
        out += ',';
        append_json_string(out, f.name);
        out += ':';
        append_json_value(out, f.value);
    }
    out += '}';
    return out;
}

void EventLog::record(std::string name, std::vector<EventField> fields) {
    Event event{clock_.now_ms(), std::move(name), std::move(fields)};
    std::function<void(const Event&)> listener;
    {
        std::lock_guard lock(mutex_);
        events_.push_back(event);
        listener = listener_;
    }
    if (listener) listener(event);
}

std::vector<Event> EventLog::events() const {
    std::lock_guard lock(mutex_);
    return events_;
}

std::vector<Event> EventLog::events(std::string_view name) const {
    std::lock_guard lock(mutex_);
    std::vector<Event> matching;
    for (const auto& e : events_)
        if (e.name == name) matching.push_back(e);
    return matching;
}

std::size_t EventLog::size() const {
    std::lock_guard lock(mutex_);
    return events_.size();
}

void EventLog::write_jsonl(std::ostream& out) const {
    for (const auto& e : events()) out << e.json() << '\n';
}

void EventLog::set_listener(std::function<void(const Event&)> listener) {
    std::lock_guard lock(mutex_);
    listener_ = std::move(listener);
}

}  // namespace emu
