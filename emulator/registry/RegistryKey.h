#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <windef.h>

namespace emu {

struct RegistryValue {
    std::wstring name;  // empty for the key's default value
    DWORD type = 0;
    std::vector<BYTE> data;
};

// Hashing and comparing names without regard to case, for the name indexes of a key; any
// view of a name looks it up, without a copy.
struct FoldedNameHash {
    using is_transparent = void;
    std::size_t operator()(std::wstring_view name) const;
};
struct FoldedNameEqual {
    using is_transparent = void;
    bool operator()(std::wstring_view a, std::wstring_view b) const;
};
template <class Name>
using NamePositions = std::unordered_map<Name, std::size_t, FoldedNameHash, FoldedNameEqual>;

// One key of the registry tree. Names of keys and values are compared without regard to
// case and kept as first written; children and values keep the order they were made in.
// Both are found by name through an index, so that a key with many children or values
// (a large registry file being read) costs no more per name than a small one.
struct RegistryKey {
    std::wstring name;
    std::wstring path;  // full path from its root, e.g. "HKEY_CURRENT_USER\Software"
    std::vector<RegistryValue> values;               // change only through the members below
    std::vector<std::shared_ptr<RegistryKey>> children;  // the same
    bool deleted = false;  // open handles of a deleted key are refused

    RegistryKey* child(std::wstring_view child_name) const;
    std::shared_ptr<RegistryKey> shared_child(std::wstring_view child_name) const;
    // The existing child, or a new one; `created` tells which.
    std::shared_ptr<RegistryKey> make_child(std::wstring_view child_name, bool& created);
    bool remove_child(std::wstring_view child_name);

    const RegistryValue* value(std::wstring_view value_name) const;
    void set_value(RegistryValue value);
    bool remove_value(std::wstring_view value_name);

private:
    // Positions in `children` and `values` by name; a child's is a view of its own name,
    // which stays where it is for as long as the child does.
    NamePositions<std::wstring_view> child_positions_;
    NamePositions<std::wstring> value_positions_;
};

// Names of keys and values end up in the registry file's lines, so they may not hold
// control characters such as line breaks; at most 255 characters.
bool valid_registry_name(std::wstring_view name);

// REG_SZ data: the text's wide characters and a terminator, as the device stores them.
std::vector<BYTE> string_data(std::wstring_view text);
// The text of REG_SZ data, up to its first terminator.
std::wstring string_of(const std::vector<BYTE>& data);

// Splits "A\B\C" into its names; empty when a name is empty (doubled or outer backslashes).
std::vector<std::wstring_view> split_key_path(std::wstring_view path);

// The predefined roots, in the order of their handle values (0x80000000 + index).
inline constexpr const wchar_t* kRootKeyNames[] = {L"HKEY_CLASSES_ROOT", L"HKEY_CURRENT_USER",
                                                   L"HKEY_LOCAL_MACHINE", L"HKEY_USERS"};
inline constexpr std::size_t kRootKeyCount = 4;

// The whole tree: one key per predefined root.
struct RegistryTree {
    RegistryTree();
    std::shared_ptr<RegistryKey> roots[kRootKeyCount];

    // The root named at the start of `path` and the rest of the path, or null.
    RegistryKey* root_of(std::wstring_view& path) const;
    RegistryKey* find(std::wstring_view full_path) const;
};

}  // namespace emu
