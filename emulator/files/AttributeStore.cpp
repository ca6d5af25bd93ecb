#include "files/AttributeStore.h"

#include <cstdio>
#include <cwctype>
#include <sstream>
#include <vector>

#include "kernel/EventLog.h"
#include "kernel/KeptFile.h"

namespace emu {

namespace {

std::wstring key_of(std::wstring_view path) {
    std::wstring key(path);
    for (auto& c : key) c = static_cast<wchar_t>(std::towlower(c));
    return key;
}

bool is_at_or_below(const std::wstring& key, const std::wstring& top) {
    return key.starts_with(top) && (key.size() == top.size() || key[top.size()] == L'\\');
}

}  // namespace

AttributeStore::AttributeStore(std::filesystem::path file, EventLog& log) : file_(std::move(file)), log_(log) { load(); }

void AttributeStore::load() {
    auto content = read_kept_file(file_);
    load_error_ = content.error;
    std::istringstream in(content.bytes);
    std::string line;
    while (std::getline(in, line)) {
        unsigned attributes;
        int consumed = 0;
        if (std::sscanf(line.c_str(), "%8x %n", &attributes, &consumed) != 1 || consumed == 0) continue;
        auto path = widen_utf8(line.substr(static_cast<std::size_t>(consumed)));
        if (!path.empty()) entries_[key_of(path)] = {path, attributes};
    }
}

bool AttributeStore::save() {
    if (!load_error_.empty()) return false;
    std::string text;
    char number[12];
    for (const auto& [key, entry] : entries_) {
        std::snprintf(number, sizeof number, "%08x ", static_cast<unsigned>(entry.attributes));
        text += number + utf8(entry.path) + '\n';
    }
    return save_kept_file(file_, text, log_);
}

std::optional<DWORD> AttributeStore::get(std::wstring_view device_path) const {
    auto it = entries_.find(key_of(device_path));
    if (it == entries_.end()) return std::nullopt;
    return it->second.attributes;
}

bool AttributeStore::set(std::wstring_view device_path, DWORD attributes) {
    entries_[key_of(device_path)] = {std::wstring(device_path), attributes};
    return save();
}

std::vector<std::wstring> AttributeStore::keys_at_or_below(std::wstring_view device_path) const {
    auto top = key_of(device_path);
    std::vector<std::wstring> keys;
    for (auto it = entries_.lower_bound(top); it != entries_.end() && it->first.starts_with(top); ++it)
        if (is_at_or_below(it->first, top)) keys.push_back(it->first);
    return keys;
}

void AttributeStore::erase(std::wstring_view device_path) {
    auto keys = keys_at_or_below(device_path);
    for (const auto& key : keys) entries_.erase(key);
    if (!keys.empty()) save();
}

void AttributeStore::move(std::wstring_view from, std::wstring_view to) {
    auto keys = keys_at_or_below(from);
    std::vector<Entry> moved;
    for (const auto& key : keys) {
        auto entry = entries_.extract(key).mapped();
        moved.push_back({std::wstring(to) + entry.path.substr(from.size()), entry.attributes});
    }
    for (auto& entry : moved) entries_[key_of(entry.path)] = entry;
    if (!keys.empty()) save();
}

}  // namespace emu
