#include "frontend/desktop/EventLine.h"

#include <cstdio>
#include <map>
#include <variant>

namespace emu::desktop {

namespace {

std::wstring time_text(std::uint64_t ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%llu.%03llu", static_cast<unsigned long long>(ms / 1000),
                  static_cast<unsigned long long>(ms % 1000));
    return widen_utf8(text);
}

std::string value_text(const EventValue& value) {
    if (auto text = std::get_if<std::string>(&value)) return *text;
    if (auto flag = std::get_if<bool>(&value)) return *flag ? "yes" : "no";
    return std::to_string(std::get<long long>(value));
}

std::wstring details_text(const Event& event) {
    std::string text;
    for (const auto& field : event.fields) {
        if (!text.empty()) text += "  ";
        text += field.name + "=" + value_text(field.value);
    }
    return widen_utf8(text);
}

EventKind kind_of(const std::string& name) {
    static const std::map<std::string, EventKind> kinds{
        {"process-start", EventKind::Launch},  {"process-exit", EventKind::Launch},
        {"create-process", EventKind::Launch}, {"shell-execute", EventKind::Launch},
        {"control-panel", EventKind::Launch},  {"run-app-at-event", EventKind::Launch},
        {"beep", EventKind::Sound},            {"registry-set", EventKind::Settings},
        {"device-status", EventKind::Settings}, {"backlight", EventKind::Display},
        {"power", EventKind::Display},         {"fixme", EventKind::Problem},
        {"message-box", EventKind::Problem},   {"beep-silent", EventKind::Sound},
        {"window-zoom", EventKind::Display},   {"screenshot-failed", EventKind::Problem},
        {"file-drop-refused", EventKind::Problem}};
    auto found = kinds.find(name);
    return found == kinds.end() ? EventKind::Other : found->second;
}

}  // namespace

EventLine event_line(const Event& event) {
    return {time_text(event.t), widen_utf8(event.name), details_text(event), kind_of(event.name)};
}

}  // namespace emu::desktop
