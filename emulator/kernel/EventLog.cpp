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

std::string utf8(std::wstring_view text) {
    std::string out;
    for (wchar_t wc : text) {
        auto c = static_cast<std::uint32_t>(wc);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::wstring widen_utf8(std::string_view text) {
    std::wstring out;
    for (std::size_t i = 0; i < text.size();) {
        auto c = static_cast<unsigned char>(text[i]);
        int extra = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
        std::uint32_t code = extra == 0 ? c : c & (0x3F >> extra);
        for (int k = 1; k <= extra && i + k < text.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        out += static_cast<wchar_t>(code);
        i += extra + 1;
    }
    return out;
}

}  // namespace emu
