#include "registry/RegistryKey.h"

#include <algorithm>
#include <cstring>

#include "kernel/Device.h"

namespace emu {

RegistryKey* RegistryKey::child(std::wstring_view child_name) const { return shared_child(child_name).get(); }

std::shared_ptr<RegistryKey> RegistryKey::shared_child(std::wstring_view child_name) const {
    for (const auto& key : children)
        if (same_name(key->name, child_name)) return key;
    return nullptr;
}

std::shared_ptr<RegistryKey> RegistryKey::make_child(std::wstring_view child_name, bool& created) {
    created = false;
    if (auto existing = shared_child(child_name)) return existing;
    auto key = std::make_shared<RegistryKey>();
    key->name = child_name;
    key->path = path + L"\\" + key->name;
    children.push_back(key);
    created = true;
    return key;
}

namespace {
void mark_deleted(RegistryKey& key) {
    key.deleted = true;
    for (const auto& child : key.children) mark_deleted(*child);
}
}  // namespace

bool RegistryKey::remove_child(std::wstring_view child_name) {
    auto it = std::find_if(children.begin(), children.end(),
                           [&](const auto& key) { return same_name(key->name, child_name); });
    if (it == children.end()) return false;
    mark_deleted(**it);
    children.erase(it);
    return true;
}

const RegistryValue* RegistryKey::value(std::wstring_view value_name) const {
    for (const auto& v : values)
        if (same_name(v.name, value_name)) return &v;
    return nullptr;
}

void RegistryKey::set_value(RegistryValue value) {
    for (auto& v : values) {
        if (!same_name(v.name, value.name)) continue;
        v.type = value.type;
        v.data = std::move(value.data);
        return;
    }
    values.push_back(std::move(value));
}

bool RegistryKey::remove_value(std::wstring_view value_name) {
    auto it = std::find_if(values.begin(), values.end(), [&](const auto& v) { return same_name(v.name, value_name); });
    if (it == values.end()) return false;
    values.erase(it);
    return true;
}

bool valid_registry_name(std::wstring_view name) {
    for (wchar_t c : name)
        if (c < 0x20) return false;
    return name.size() <= 255;
}

std::vector<BYTE> string_data(std::wstring_view text) {
    std::vector<BYTE> data((text.size() + 1) * sizeof(wchar_t), 0);
    std::memcpy(data.data(), text.data(), text.size() * sizeof(wchar_t));
    return data;
}

std::wstring string_of(const std::vector<BYTE>& data) {
    std::wstring text(data.size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
    return text.substr(0, text.find(L'\0'));
}

std::vector<std::wstring_view> split_key_path(std::wstring_view path) {
    std::vector<std::wstring_view> names;
    while (true) {
        auto end = path.find(L'\\');
        auto name = path.substr(0, end);
        if (name.empty()) return {};
        names.push_back(name);
        if (end == std::wstring_view::npos) return names;
        path.remove_prefix(end + 1);
    }
}

RegistryTree::RegistryTree() {
    for (std::size_t i = 0; i < kRootKeyCount; ++i) {
        roots[i] = std::make_shared<RegistryKey>();
        roots[i]->name = roots[i]->path = kRootKeyNames[i];
    }
}

RegistryKey* RegistryTree::root_of(std::wstring_view& path) const {
    for (const auto& root : roots) {
        auto head = path.substr(0, path.find(L'\\'));
        if (!same_name(head, root->name)) continue;
        path.remove_prefix(std::min(path.size(), head.size() + 1));
        return root.get();
    }
    return nullptr;
}

RegistryKey* RegistryTree::find(std::wstring_view full_path) const {
    auto key = root_of(full_path);
    if (!key || full_path.empty()) return key;
    auto names = split_key_path(full_path);
    if (names.empty()) return nullptr;
    for (auto name : names) {
        key = key->child(name);
        if (!key) return nullptr;
    }
    return key;
}

}  // namespace emu
