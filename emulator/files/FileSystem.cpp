#include "files/FileSystem.h"

#include <winerror.h>

#include "kernel/Device.h"

namespace emu {

namespace fs = std::filesystem;

namespace {

constexpr DWORD kSettableAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                      FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_TEMPORARY;

fs::file_type type_of(const fs::path& host) {
    std::error_code error;
    return fs::status(host, error).type();
}

}  // namespace

FileSystem::FileSystem(Device& device)
    : log_(device.log),
      paths_(device.image_root),
      attributes_(device.image_root / PathResolver::kMetadataFolder / "attributes.txt", device.log) {
    // Looks the file system up at each call, so a device whose file system was replaced
    // never reaches a destroyed one.
    device.objects.close_handlers.push_back(
        [&device](void* handle) { return device.files && device.files->close(handle); });
}

DWORD FileSystem::refuse(std::wstring_view path, const char* reason, DWORD error) {
    log_.record("file-refused", {{"path", utf8(path)}, {"reason", reason}});
    return error;
}

DWORD FileSystem::existing(std::wstring_view path, ResolvedPath& resolved, bool& is_folder) const {
    resolved = paths_.resolve(path);
    if (!resolved) return resolved.error;
    auto type = type_of(resolved.host);
    if (type == fs::file_type::not_found) {
        bool parent_exists = type_of(resolved.host.parent_path()) == fs::file_type::directory;
        return parent_exists ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
    }
    is_folder = type == fs::file_type::directory;
    return ERROR_SUCCESS;
}

DWORD FileSystem::attributes_of(const ResolvedPath& path, bool is_folder) const {
    auto stored = attributes_.get(path.device_path);
    if (is_folder) return FILE_ATTRIBUTE_DIRECTORY | stored.value_or(0);
    if (!stored) return FILE_ATTRIBUTE_ARCHIVE;
    return *stored ? *stored : FILE_ATTRIBUTE_NORMAL;
}

bool FileSystem::read_only(const ResolvedPath& path) const {
    return attributes_.get(path.device_path).value_or(0) & FILE_ATTRIBUTE_READONLY;
}

DWORD FileSystem::get_attributes(std::wstring_view path, DWORD& attributes) const {
    ResolvedPath resolved;
    bool is_folder = false;
    attributes = INVALID_FILE_ATTRIBUTES;
    auto error = existing(path, resolved, is_folder);
    if (error) return error;
    attributes = resolved.device_path.empty() ? FILE_ATTRIBUTE_DIRECTORY : attributes_of(resolved, is_folder);
    return ERROR_SUCCESS;
}

DWORD FileSystem::set_attributes(std::wstring_view path, DWORD attributes) {
    ResolvedPath resolved;
    bool is_folder = false;
    auto error = existing(path, resolved, is_folder);
    if (error) return error;
    if (resolved.device_path.empty()) return ERROR_ACCESS_DENIED;
    return attributes_.set(resolved.device_path, attributes & kSettableAttributes) ? ERROR_SUCCESS : ERROR_CANTWRITE;
}

DWORD FileSystem::delete_file(std::wstring_view path) {
    ResolvedPath resolved;
    bool is_folder = false;
    auto error = existing(path, resolved, is_folder);
    if (error) return error;
    if (is_folder || read_only(resolved)) return ERROR_ACCESS_DENIED;
    std::error_code host_error;
    if (!fs::remove(resolved.host, host_error)) return error_from_errno(host_error.value());
    attributes_.erase(resolved.device_path);
    return ERROR_SUCCESS;
}

DWORD FileSystem::move(std::wstring_view from, std::wstring_view to) {
    ResolvedPath source;
    bool is_folder = false;
    auto error = existing(from, source, is_folder);
    if (error) return error;
    auto target = paths_.resolve(to);
    if (!target) return target.error;
    if (source.device_path.empty() || target.device_path.empty()) return ERROR_ACCESS_DENIED;
    if (type_of(target.host) != fs::file_type::not_found) return ERROR_ALREADY_EXISTS;
    if (type_of(target.host.parent_path()) != fs::file_type::directory) return ERROR_PATH_NOT_FOUND;
    std::error_code host_error;
    fs::rename(source.host, target.host, host_error);
    if (host_error) return error_from_errno(host_error.value());
    attributes_.move(source.device_path, target.device_path);
    return ERROR_SUCCESS;
}

DWORD FileSystem::replace(std::wstring_view destination, std::wstring_view source) {
    ResolvedPath target, replacement;
    bool target_is_folder = false, replacement_is_folder = false;
    auto error = existing(destination, target, target_is_folder);
    if (!error) error = existing(source, replacement, replacement_is_folder);
    if (error) return error;
    if (target_is_folder || replacement_is_folder || read_only(target)) return ERROR_ACCESS_DENIED;
    std::error_code host_error;
    fs::rename(replacement.host, target.host, host_error);
    if (host_error) return error_from_errno(host_error.value());
    attributes_.erase(replacement.device_path);
    return ERROR_SUCCESS;
}

DWORD FileSystem::create_directory(std::wstring_view path) {
    auto resolved = paths_.resolve(path);
    if (!resolved) return resolved.error;
    if (type_of(resolved.host) != fs::file_type::not_found) return ERROR_ALREADY_EXISTS;
    if (type_of(resolved.host.parent_path()) != fs::file_type::directory) return ERROR_PATH_NOT_FOUND;
    std::error_code host_error;
    fs::create_directory(resolved.host, host_error);
    return host_error ? error_from_errno(host_error.value()) : ERROR_SUCCESS;
}

DWORD FileSystem::remove_directory(std::wstring_view path) {
    ResolvedPath resolved;
    bool is_folder = false;
    auto error = existing(path, resolved, is_folder);
    if (error) return error;
    if (!is_folder) return ERROR_PATH_NOT_FOUND;
    if (resolved.device_path.empty() || read_only(resolved)) return ERROR_ACCESS_DENIED;
    std::error_code host_error;
    fs::remove(resolved.host, host_error);
    if (host_error) return error_from_errno(host_error.value());
    attributes_.erase(resolved.device_path);
    return ERROR_SUCCESS;
}

}  // namespace emu
