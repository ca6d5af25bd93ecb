#pragma once
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include <windef.h>

#include "kernel/HandleTable.h"
#include "registry/RegistryKey.h"

namespace emu {

class Device;

// The device's registry: a tree of keys kept in <image>/.device/registry.reg and written
// back whole after every change (see save_kept_file), so that an interruption or a full
// disk leaves either the old file or the new one. Keys are reached through
// HKEY handles (the predefined roots, or handles the open calls hand out); a stale or
// foreign handle is refused. Every value written is logged as "registry-set".
class Registry {
public:
    explicit Registry(Device& device, RegistryTree tree = {});

    struct Loaded {
        std::shared_ptr<Registry> registry;  // null when the file is malformed
        std::string error;                   // "<file>:<line>: <what is wrong>", or why it cannot be read
    };
    // Reads the image's registry file (a missing file gives an empty registry). A file that
    // is malformed or cannot be read is left as it is.
    static Loaded load(Device& device);
    static std::filesystem::path file_of(const Device& device);

    LONG create_key(HKEY parent, std::wstring_view sub_key, HKEY* result, DWORD* disposition);
    LONG open_key(HKEY parent, std::wstring_view sub_key, HKEY* result);
    LONG close_key(HKEY key);
    LONG delete_key(HKEY parent, std::wstring_view sub_key);
    LONG query_value(HKEY key, std::wstring_view name, DWORD* type, BYTE* data, DWORD* size) const;
    LONG set_value(HKEY key, std::wstring_view name, DWORD type, const BYTE* data, DWORD size);
    LONG delete_value(HKEY key, std::wstring_view name);

    std::size_t open_handles() const { return handles_.size(); }
    // The key at a full path such as "HKEY_CURRENT_USER\Software", or null.
    const RegistryKey* find(std::wstring_view full_path) const { return tree_.find(full_path); }

private:
    struct OpenKey {
        std::shared_ptr<RegistryKey> key;
    };

    std::shared_ptr<RegistryKey> resolve(HKEY handle) const;
    HKEY hand_out(std::shared_ptr<RegistryKey> key);
    LONG save() const;
    void log_set(const RegistryKey& key, const RegistryValue& value) const;

    Device& device_;
    RegistryTree tree_;
    HandleTable<OpenKey> handles_{kRegistryKeyTag};
};

}  // namespace emu
