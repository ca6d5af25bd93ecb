#pragma once
#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

#include <windef.h>
#include <fileapi.h>

#include "files/AttributeStore.h"
#include "files/HostPaths.h"
#include "kernel/HandleTable.h"

namespace emu {

class Device;
class EventLog;

// The device's file system: device paths over the image folder (see PathResolver), the
// attributes of each file, open files and directory searches. Operations answer a Win32
// error code (ERROR_SUCCESS when they succeed); the API layer turns it into the last error.
//
// A file is opened only where a path really leads and only when it is a regular file; an
// open refused for a symbolic link or for a FIFO, socket or device node is logged as
// "file-refused", since the program may not say why its file went unwritten.
//
// A folder's default attributes are exactly FILE_ATTRIBUTE_DIRECTORY, a file's
// FILE_ATTRIBUTE_ARCHIVE; SetFileAttributes replaces them. A search lists a folder's
// entries sorted by name without regard to case, so every listing is stable.
class FileSystem {
public:
    explicit FileSystem(Device& device);
    FileSystem(const FileSystem&) = delete;
    FileSystem& operator=(const FileSystem&) = delete;

    ResolvedPath resolve(std::wstring_view device_path) const { return paths_.resolve(device_path); }
    // Why the attributes file could not be read, or "" (see AttributeStore).
    const std::string& load_error() const { return attributes_.load_error(); }

    DWORD get_attributes(std::wstring_view path, DWORD& attributes) const;
    DWORD set_attributes(std::wstring_view path, DWORD attributes);

    // `handle` is null unless the result is ERROR_SUCCESS or ERROR_ALREADY_EXISTS (an
    // existing file opened by OPEN_ALWAYS or CREATE_ALWAYS).
    DWORD create_file(std::wstring_view path, DWORD access, DWORD disposition, HANDLE& handle);
    // Opens the host file behind a device path as create_file would; the caller owns the
    // descriptor, which is -1 unless the result is ERROR_SUCCESS or ERROR_ALREADY_EXISTS.
    DWORD open_descriptor(std::wstring_view path, DWORD access, DWORD disposition, int& descriptor);
    DWORD read(HANDLE file, void* buffer, DWORD size, DWORD& done);
    DWORD write(HANDLE file, const void* buffer, DWORD size, DWORD& done);
    DWORD size(HANDLE file, ULONGLONG& bytes) const;
    bool close(HANDLE file);

    DWORD delete_file(std::wstring_view path);
    DWORD move(std::wstring_view from, std::wstring_view to);
    DWORD replace(std::wstring_view destination, std::wstring_view source);
    DWORD create_directory(std::wstring_view path);
    DWORD remove_directory(std::wstring_view path);

    DWORD find_first(std::wstring_view pattern, WIN32_FIND_DATAW& data, HANDLE& search);
    DWORD find_next(HANDLE search, WIN32_FIND_DATAW& data);
    bool find_close(HANDLE search);

    std::size_t open_files() const { return files_.size(); }
    std::size_t open_searches() const { return searches_.size(); }

    // Attributes of an entry that exists on the host.
    DWORD attributes_of(const ResolvedPath& path, bool is_folder) const;

private:
    struct OpenFile;
    struct Search {
        std::vector<WIN32_FIND_DATAW> entries;
        std::size_t next = 0;
    };

    DWORD existing(std::wstring_view path, ResolvedPath& resolved, bool& is_folder) const;
    bool read_only(const ResolvedPath& path) const;
    std::vector<WIN32_FIND_DATAW> list(const ResolvedPath& folder, std::wstring_view mask) const;

    // Logs "file-refused" with the path and `reason`, and answers `error`.
    DWORD refuse(std::wstring_view path, const char* reason, DWORD error);

    EventLog& log_;
    PathResolver paths_;
    AttributeStore attributes_;
    HandleTable<OpenFile> files_{kFileTag};
    HandleTable<Search> searches_{kFindTag};
};

}  // namespace emu
