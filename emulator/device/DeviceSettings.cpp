#include "device/DeviceSettings.h"

#include <charconv>
#include <cstdio>
#include <optional>

#include "kernel/Utf8.h"

namespace emu {

namespace {

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// A decimal or 0x-prefixed hexadecimal number no greater than `limit`.
std::optional<DWORD> parse_number(std::string_view text, DWORD limit) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    unsigned long long value = 0;
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (failure != std::errc() || end != text.data() + text.size() || value > limit) return std::nullopt;
    return static_cast<DWORD>(value);
}

std::optional<AcLine> parse_ac_line(std::string_view text) {
    if (text == "on") return AcLine::Online;
    if (text == "off") return AcLine::Offline;
    if (text == "unknown") return AcLine::Unknown;
    return std::nullopt;
}

std::optional<BYTE> parse_battery(std::string_view text) {
    if (text == "unknown") return BYTE{BATTERY_PERCENTAGE_UNKNOWN};
    const auto percent = parse_number(text, 100);
    if (!percent) return std::nullopt;
    return static_cast<BYTE>(*percent);
}

// Applies one key; answers what is wrong with the line, or "" when it was applied.
std::string apply_setting(std::string_view key, std::string_view value, DeviceSettings& settings) {
    if (key == "ac") {
        const auto line = parse_ac_line(value);
        if (!line) return "ac must be on, off or unknown";
        settings.ac_line = *line;
    } else if (key == "battery") {
        const auto percent = parse_battery(value);
        if (!percent) return "battery must be 0 to 100 or unknown";
        settings.battery_percent = *percent;
    } else if (key == "memory") {
        const auto load = parse_number(value, 100);
        if (!load) return "memory must be 0 to 100";
        settings.memory_load = *load;
    } else if (key == "store_size" || key == "store_free") {
        const auto bytes = parse_number(value, 0xFFFFFFFF);
        if (!bytes) return std::string(key) + " must be a number of bytes below 4 GiB";
        (key == "store_size" ? settings.store_size : settings.store_free) = *bytes;
    } else if (key == "oem") {
        settings.oem_info = widen_utf8(value);
    } else if (key == "language") {
        const auto language = parse_number(value, 0xFFFF);
        if (!language) return "language must be a language identifier such as 0x0409";
        settings.language = static_cast<LANGID>(*language);
    } else {
        return "unknown setting '" + std::string(key) + "'";
    }
    return {};
}

std::string line_error(int line_number, const std::string& problem) {
    return std::string(kSettingsFileName) + " line " + std::to_string(line_number) + ": " + problem;
}

}  // namespace

bool parse_device_settings(std::string_view text, DeviceSettings& settings, std::string& error) {
    DeviceSettings parsed = settings;
    int line_number = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const auto line = trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++line_number;
        if (line.empty() || line[0] == '#' || line[0] == ';') continue;
        const auto equals = line.find('=');
        const auto problem = equals == std::string_view::npos
                                 ? std::string("expected key=value")
                                 : apply_setting(trim(line.substr(0, equals)), trim(line.substr(equals + 1)), parsed);
        if (!problem.empty()) {
            error = line_error(line_number, problem);
            return false;
        }
    }
    if (parsed.store_free > parsed.store_size) {
        error = std::string(kSettingsFileName) + ": store_free is larger than store_size";
        return false;
    }
    settings = parsed;
    return true;
}

std::string format_device_settings(const DeviceSettings& settings) {
    const char* ac = settings.ac_line == AcLine::Online    ? "on"
                     : settings.ac_line == AcLine::Offline ? "off"
                                                           : "unknown";
    const auto battery = settings.battery_percent == BATTERY_PERCENTAGE_UNKNOWN
                             ? std::string("unknown")
                             : std::to_string(settings.battery_percent);
    char language[8];
    std::snprintf(language, sizeof language, "0x%04x", static_cast<unsigned>(settings.language));
    return "# What the device reports about itself, as its owner last set it.\n"
           "ac=" + std::string(ac) + "\nbattery=" + battery + "\nmemory=" + std::to_string(settings.memory_load) +
           "\nstore_size=" + std::to_string(settings.store_size) + "\nstore_free=" +
           std::to_string(settings.store_free) + "\noem=" + utf8(settings.oem_info) + "\nlanguage=" + language + "\n";
}

}  // namespace emu
