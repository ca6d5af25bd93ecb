#include <algorithm>
#include <cstdint>
#include <cstdio>

#include <winreg.h>

#include "kernel/EventLog.h"
#include "registry/RegistryText.h"

namespace emu {

namespace {

std::string quote(std::wstring_view text) {
    std::string out = "\"";
    for (char c : utf8(text)) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out + "\"";
}

// Text that the quoted form can carry: one terminator at the end, no line breaks, and only
// characters UTF-8 can spell (any other data keeps its bytes in the hex form).
bool is_plain_text(const std::vector<BYTE>& data) {
    if (data.size() < sizeof(wchar_t) || data.size() % sizeof(wchar_t) != 0) return false;
    auto text = string_of(data);
    auto spelled = [](wchar_t wide) {
        auto c = static_cast<std::uint32_t>(wide);
        return c != '\r' && c != '\n' && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
    };
    return text.size() + 1 == data.size() / sizeof(wchar_t) && std::all_of(text.begin(), text.end(), spelled);
}

std::string hex_list(const std::vector<BYTE>& data) {
    std::string out;
    char byte[4];
    for (std::size_t i = 0; i < data.size(); ++i) {
        std::snprintf(byte, sizeof byte, i ? ",%02x" : "%02x", data[i]);
        out += byte;
    }
    return out;
}

std::string data_text(const RegistryValue& value) {
    char prefix[24];
    if (value.type == REG_SZ && is_plain_text(value.data)) return quote(string_of(value.data));
    if (value.type == REG_DWORD && value.data.size() == 4) {
        DWORD number = value.data[0] | value.data[1] << 8 | value.data[2] << 16 | DWORD(value.data[3]) << 24;
        std::snprintf(prefix, sizeof prefix, "dword:%08x", number);
        return prefix;
    }
    if (value.type == REG_BINARY) return "hex:" + hex_list(value.data);
    std::snprintf(prefix, sizeof prefix, "hex(%x):", value.type);
    return prefix + hex_list(value.data);
}

void write_key(const RegistryKey& key, bool is_root, std::string& out) {
    if (!is_root || !key.values.empty()) {
        out += "\n[" + utf8(key.path) + "]\n";
        for (const auto& value : key.values)
            out += (value.name.empty() ? std::string("@") : quote(value.name)) + "=" + data_text(value) + "\n";
    }
    for (const auto& child : key.children) write_key(*child, false, out);
}

}  // namespace

std::string format_registry_text(const RegistryTree& tree) {
    std::string out = "Windows Registry Editor Version 5.00\n";
    for (const auto& root : tree.roots) write_key(*root, true, out);
    return out;
}

}  // namespace emu
