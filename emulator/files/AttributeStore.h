#pragma once
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <windef.h>

namespace emu {

class EventLog;

// Attributes set on files and folders (hidden, system, read-only, archive), which the host
// file system cannot hold. Kept in <image>/.device/attributes.txt, one entry a line:
//   <attributes as 8 hex digits> <device path>
// e.g. "00000002 \Windows\Start Menu\Secret". Paths compare without regard to case. A
// file or folder without an entry has the default attributes (see FileSystem). A file
// that cannot be read is left as it is and never saved over (see load_error).
class AttributeStore {
public:
    AttributeStore(std::filesystem::path file, EventLog& log);

    // Why the file could not be read, or "" when it was read or is missing.
    const std::string& load_error() const { return load_error_; }

    std::optional<DWORD> get(std::wstring_view device_path) const;
    // False when the file could not be saved (the attributes hold for this run only).
    bool set(std::wstring_view device_path, DWORD attributes);
    // Forgets the entry of the path and of everything below it.
    void erase(std::wstring_view device_path);
    // Carries the entries of the path and of everything below it over to a new path.
    void move(std::wstring_view from, std::wstring_view to);

private:
    struct Entry {
        std::wstring path;
        DWORD attributes;
    };

    void load();
    bool save();
    std::vector<std::wstring> keys_at_or_below(std::wstring_view device_path) const;

    std::filesystem::path file_;
    EventLog& log_;
    std::string load_error_;
    std::map<std::wstring, Entry> entries_;  // by lower-cased path
};

}  // namespace emu
