#include "registry/RegistryKey.h"

#include <algorithm>
#include <cwctype>
#include <cstring>

#include "kernel/Device.h"

namespace emu {

namespace {

// The character in lower case, as same_name compares it; ASCII without the locale.
wchar_t folded(wchar_t c) {
    if (c >= L'A' && c <= L'Z') return static_cast<wchar_t>(c + (L'a' - L'A'));
    return c < 0x80 ? c : static_cast<wchar_t>(std::towlower(c));
}

// Drops the item named `name` from `items`, and renumbers the positions after it.
template <class Item, class Name>
bool remove_named(std::vector<Item>& items, NamePositions<Name>& positions, std::wstring_view name) {
    auto found = positions.find(name);
    if (found == positions.end()) return false;
    auto removed = found->second;
    positions.erase(found);
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(removed));
    for (auto& [key, position] : positions)
        if (position > removed) --position;
    return true;
}

void mark_deleted(RegistryKey& key) {
    key.deleted = true;
    for (const auto& child : key.children) mark_deleted(*child);
}

}  // namespace

std::size_t FoldedNameHash::operator()(std::wstring_view name) const {
    std::size_t hash = 14695981039346656037ull;  // FNV-1a
    for (wchar_t c : name) hash = (hash ^ static_cast<std::size_t>(folded(c))) * 1099511628211ull;
    return hash;
}

bool FoldedNameEqual::operator()(std::wstring_view a, std::wstring_view b) const {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && folded(a[i]) != folded(b[i])) return false;
    return true;
}

RegistryKey* RegistryKey::child(std::wstring_view child_name) const { return shared_child(child_name).get(); }

std::shared_ptr<RegistryKey> RegistryKey::shared_child(std::wstring_view child_name) const {
    auto found = child_positions_.find(child_name);
    return found == child_positions_.end() ? nullptr : children[found->second];
}

std::shared_ptr<RegistryKey> RegistryKey::make_child(std::wstring_view child_name, bool& created) {
    auto found = child_positions_.find(child_name);
    created = found == child_positions_.end();
    if (!created) return children[found->second];
    auto key = std::make_shared<RegistryKey>();
    key->name = child_name;
    key->path = path + L"\\" + key->name;
    child_positions_.emplace(key->name, children.size());
    children.push_back(key);
    return key;
}

bool RegistryKey::remove_child(std::wstring_view child_name) {
    auto key = shared_child(child_name);
    if (!key) return false;
    mark_deleted(*key);
    return remove_named(children, child_positions_, child_name);
}

const RegistryValue* RegistryKey::value(std::wstring_view value_name) const {
    auto found = value_positions_.find(value_name);
    return found == value_positions_.end() ? nullptr : &values[found->second];
}

void RegistryKey::set_value(RegistryValue value) {
    auto found = value_positions_.find(value.name);
    if (found == value_positions_.end()) {
        value_positions_.emplace(value.name, values.size());
        values.push_back(std::move(value));
        return;
    }
    auto& existing = values[found->second];
    existing.type = value.type;
    existing.data = std::move(value.data);
}

bool RegistryKey::remove_value(std::wstring_view value_name) { return remove_named(values, value_positions_, value_name); }

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
