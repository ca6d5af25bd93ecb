#include "frontend/web/EventJson.h"

#include <cstdio>

#include "frontend/desktop/EventLine.h"

namespace emu::web {

namespace {

const char* kind_name(desktop::EventKind kind) {
    switch (kind) {
    case desktop::EventKind::Launch: return "launch";
    case desktop::EventKind::Sound: return "sound";
    case desktop::EventKind::Settings: return "settings";
    case desktop::EventKind::Display: return "display";
    case desktop::EventKind::Problem: return "problem";
    case desktop::EventKind::Other: return "other";
    }
    return "other";
}

// A JSON string of UTF-8 text: quotes, backslashes and control characters escaped.
std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

}  // namespace

std::string event_lines_json(std::span<const Event> events) {
    std::string json = "[";
    for (const auto& event : events) {
        const auto line = desktop::event_line(event);
        if (json.size() > 1) json += ",";
        json += "{\"time\":" + quoted(utf8(line.time)) + ",\"name\":" + quoted(utf8(line.name)) +
                ",\"details\":" + quoted(utf8(line.details)) + ",\"kind\":\"" + kind_name(line.kind) + "\"}";
    }
    return json + "]";
}

}  // namespace emu::web
