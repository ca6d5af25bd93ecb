#include "kernel/EventLog.h"

#include <algorithm>
#include <cstdio>

#include "kernel/Clock.h"
#include "kernel/CodePage1252.h"

namespace emu {

namespace {

void append_escaped(std::string& out, unsigned code) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04x", code);
    out += buffer;
}

// A JSON string of `text`; a byte that is not part of valid UTF-8 is escaped as the
// character it stands for in the device's code page, so that every line stays valid JSON.
void append_json_string(std::string& out, std::string_view text) {
    out += '"';
    for (std::size_t i = 0; i < text.size();) {
        auto c = static_cast<unsigned char>(text[i]);
        auto length = utf8_sequence_length(text, i);
        if (length == 0) append_escaped(out, static_cast<unsigned>(from_code_page(c)));
        else if (length > 1) out.append(text, i, length);
        else if (c == '"') out += "\\\"";
        else if (c == '\\') out += "\\\\";
        else if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else if (c == '\t') out += "\\t";
        else if (c < 0x20) append_escaped(out, c);
        else out += static_cast<char>(c);
        i += length ? length : 1;
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
    std::vector<std::pair<int, Listener>> listeners;
    {
        std::lock_guard lock(mutex_);
        events_.push_back(event);
        listeners = listeners_;
    }
    for (const auto& listener : listeners) listener.second(event);
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

std::vector<Event> EventLog::events(std::size_t first, std::size_t last) const {
    std::lock_guard lock(mutex_);
    last = std::min(last, events_.size());
    if (first >= last) return {};
    return {events_.begin() + static_cast<std::ptrdiff_t>(first), events_.begin() + static_cast<std::ptrdiff_t>(last)};
}

std::size_t EventLog::size() const {
    std::lock_guard lock(mutex_);
    return events_.size();
}

void EventLog::write_jsonl(std::ostream& out) const {
    for (const auto& e : events()) out << e.json() << '\n';
}

int EventLog::add_listener(Listener listener) {
    std::lock_guard lock(mutex_);
    listeners_.emplace_back(next_listener_, std::move(listener));
    return next_listener_++;
}

void EventLog::remove_listener(int id) {
    std::lock_guard lock(mutex_);
    std::erase_if(listeners_, [id](const auto& listener) { return listener.first == id; });
}

}  // namespace emu
