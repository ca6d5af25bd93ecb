#include "registry/Registry.h"

#include <cstring>

#include <winerror.h>
#include <winreg.h>

#include "kernel/Device.h"
#include "kernel/KeptFile.h"
#include "registry/RegistryText.h"

namespace emu {

namespace {

HKEY predefined_key(std::size_t index) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(0x80000000u + index)));
}

std::string type_name(DWORD type) {
    switch (type) {
    case REG_NONE: return "REG_NONE";
    case REG_SZ: return "REG_SZ";
    case REG_EXPAND_SZ: return "REG_EXPAND_SZ";
    case REG_BINARY: return "REG_BINARY";
    case REG_DWORD: return "REG_DWORD";
    case REG_MULTI_SZ: return "REG_MULTI_SZ";
    default: return "REG_" + std::to_string(type);
    }
}

std::string data_text(const RegistryValue& value) {
    if (value.type == REG_SZ || value.type == REG_EXPAND_SZ) return utf8(string_of(value.data));
    if (value.type == REG_DWORD && value.data.size() == 4) {
        DWORD number;
        std::memcpy(&number, value.data.data(), 4);
        return std::to_string(number);
    }
    std::string out;
    static const char digits[] = "0123456789abcdef";
    for (BYTE b : value.data) {
        if (!out.empty()) out += ',';
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

std::vector<BYTE> stored_data(DWORD type, const BYTE* data, DWORD size) {
    std::vector<BYTE> bytes(data, data + size);
    if (type != REG_SZ && type != REG_EXPAND_SZ) return bytes;
    return string_data(string_of(bytes));
}

}  // namespace

Registry::Registry(Device& device, RegistryTree tree) : device_(device), tree_(std::move(tree)) {}

std::filesystem::path Registry::file_of(const Device& device) { return device.image_root / ".device" / "registry.reg"; }

Registry::Loaded Registry::load(Device& device) {
    auto file = file_of(device);
    auto content = read_kept_file(file);
    if (content.state == KeptFileContent::State::Missing) return {std::make_shared<Registry>(device), {}};
    if (content.state == KeptFileContent::State::Unreadable) return {nullptr, content.error};
    auto parsed = parse_registry_text(content.bytes);
    if (!parsed.error.empty())
        return {nullptr, file.string() + ":" + std::to_string(parsed.error_line) + ": " + parsed.error};
    return {std::make_shared<Registry>(device, std::move(parsed.tree)), {}};
}

std::shared_ptr<RegistryKey> Registry::resolve(HKEY handle) const {
    for (std::size_t i = 0; i < kRootKeyCount; ++i)
        if (handle == predefined_key(i)) return tree_.roots[i];
    auto open = handles_.get(handle);
    return open && !open->key->deleted ? open->key : nullptr;
}

HKEY Registry::hand_out(std::shared_ptr<RegistryKey> key) {
    return static_cast<HKEY>(handles_.add(std::make_shared<OpenKey>(OpenKey{std::move(key)})));
}

LONG Registry::create_key(HKEY parent, std::wstring_view sub_key, HKEY* result, DWORD* disposition) {
    auto key = resolve(parent);
    if (!key) return refuse_handle(ERROR_INVALID_HANDLE);
    if (!result) return ERROR_INVALID_PARAMETER;
    auto names = split_key_path(sub_key);
    if (names.empty() != sub_key.empty()) return ERROR_INVALID_PARAMETER;
    for (auto name : names)
        if (!valid_registry_name(name)) return ERROR_INVALID_PARAMETER;
    bool any_created = false;
    for (auto name : names) {
        bool created;
        key = key->make_child(name, created);
        any_created |= created;
    }
    if (disposition) *disposition = any_created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    *result = hand_out(std::move(key));
    return any_created ? save() : ERROR_SUCCESS;
}

LONG Registry::open_key(HKEY parent, std::wstring_view sub_key, HKEY* result) {
    auto key = resolve(parent);
    if (!key) return refuse_handle(ERROR_INVALID_HANDLE);
    if (!result) return ERROR_INVALID_PARAMETER;
    auto names = split_key_path(sub_key);
    if (names.empty() != sub_key.empty()) return ERROR_INVALID_PARAMETER;
    for (auto name : names) {
        key = key->shared_child(name);
        if (!key) return ERROR_FILE_NOT_FOUND;
    }
    *result = hand_out(std::move(key));
    return ERROR_SUCCESS;
}

LONG Registry::close_key(HKEY handle) {
    for (std::size_t i = 0; i < kRootKeyCount; ++i)
        if (handle == predefined_key(i)) return ERROR_SUCCESS;
    return handles_.remove(handle) ? ERROR_SUCCESS : refuse_handle(ERROR_INVALID_HANDLE);
}

LONG Registry::delete_key(HKEY parent, std::wstring_view sub_key) {
    auto key = resolve(parent);
    if (!key) return refuse_handle(ERROR_INVALID_HANDLE);
    auto names = split_key_path(sub_key);
    if (names.empty()) return ERROR_INVALID_PARAMETER;
    for (std::size_t i = 0; key && i + 1 < names.size(); ++i) key = key->shared_child(names[i]);
    if (!key || !key->remove_child(names.back())) return ERROR_FILE_NOT_FOUND;
    return save();
}

LONG Registry::query_value(HKEY handle, std::wstring_view name, DWORD* type, BYTE* data, DWORD* size) const {
    auto key = resolve(handle);
    if (!key) return refuse_handle(ERROR_INVALID_HANDLE);
    auto value = key->value(name);
    if (!value) return ERROR_FILE_NOT_FOUND;
    if (type) *type = value->type;
    if (!size) return data ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
    auto needed = static_cast<DWORD>(value->data.size());
    auto room = *size;
    *size = needed;
    if (!data) return ERROR_SUCCESS;
    if (room < needed) return ERROR_MORE_DATA;
    std::memcpy(data, value->data.data(), needed);
    return ERROR_SUCCESS;
}

LONG Registry::set_value(HKEY handle, std::wstring_view name, DWORD type, const BYTE* data, DWORD size) {
    auto key = resolve(handle);
    if (!key) return refuse_handle(ERROR_INVALID_HANDLE);
    if (!valid_registry_name(name) || (!data && size)) return ERROR_INVALID_PARAMETER;
    RegistryValue value{std::wstring(name), type, stored_data(type, data, size)};
    log_set(*key, value);
    key->set_value(std::move(value));
    return save();
}

LONG Registry::delete_value(HKEY handle, std::wstring_view name) {
    auto key = resolve(handle);
    if (!key) return refuse_handle(ERROR_INVALID_HANDLE);
    return key->remove_value(name) ? save() : ERROR_FILE_NOT_FOUND;
}

LONG Registry::save() const {
    return save_kept_file(file_of(device_), format_registry_text(tree_), device_.log) ? ERROR_SUCCESS : ERROR_CANTWRITE;
}

void Registry::log_set(const RegistryKey& key, const RegistryValue& value) const {
    device_.log.record("registry-set", {{"key", utf8(key.path)},
                                        {"name", utf8(value.name)},
                                        {"type", type_name(value.type)},
                                        {"data", data_text(value)}});
}

}  // namespace emu
